// The stages of a run that make the generated blocks. They walk the database as the finished
// builders will: each stage lists the tables afresh and opens every table it describes, so a run
// already proves that every table can be read. The generated lines themselves are not made yet:
// the blocks stay empty and the templates receive nothing at their placeholders.

#include "dmCodeGenerator.h"

namespace quorvane {

void TDM::BuildServerDataModule(const TDirectDMParam& options, TStringList& unitLines,
                                TStringList& formLines) {
    TableNames.clear();
    unitLines.clear();
    formLines.clear();
    ListTableNames(TableNames);
    for (const std::string& tableName : TableNames) {
        TableIdentifierOf(tableName, options.TrimPrefix);
        OpenTableReader("[" + tableName + "]");
    }
}

void TDM::BuildClientDataModule(const TClientDMParam& options, TStringList& unitLines,
                                TStringList& formLines) {
    TableNames.clear();
    formLines.clear();
    unitLines.clear();
    ListTableNames(TableNames);
    for (const std::string& tableName : TableNames) {
        TableIdentifierOf(tableName, options.TrimTableName);
        OpenTableReader("[" + tableName + "]");
    }
}

void TDM::BuildTableForm(const TClientUIParam& options, TStringList& unitLines,
                         TStringList& formLines) {
    TableNames.clear();
    unitLines.clear();
    formLines.clear();
    ListTableNames(TableNames);
    for (const std::string& tableName : TableNames) {
        ProcessMessages();
        const std::string identifier = TableIdentifierOf(tableName, options.TrimTableName);
        if (!options.OnlyTable.empty() && options.OnlyTable != identifier) {
            continue;
        }
        OpenTableReader("[" + tableName + "]");
    }
}

TDM::TMainFormLists TDM::BuildMainFormLists(const TStringList& tableNames, bool trimPrefix) {
    for (const std::string& tableName : tableNames) {
        TableIdentifierOf(tableName, trimPrefix);
    }
    return {};
}

} // namespace quorvane
