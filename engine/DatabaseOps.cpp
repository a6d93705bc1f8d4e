// The data module's database side: connecting, the display-text map and the schema.

#include "DataLink.h"
#include "EngineErrors.h"
#include "StringUtils.h"
#include "TextEncoding.h"
#include "dmCodeGenerator.h"

#include <filesystem>

namespace quorvane {

namespace {

// The connection string for a database path: data-link files are read by the connection itself;
// Access and SQLite files are opened directly by their providers.
std::string ConnectionStringFor(const std::string& udlFile) {
    const auto endsWith = [&udlFile](std::string_view suffix) {
        return EndsWithText(udlFile, suffix);
    };
    // A data-link file whose folder merely has ".mdb" in its name is still a data-link file.
    if (endsWith(".udl")) {
        return "FILE NAME=" + udlFile;
    }
    if (endsWith(".sqlite") || endsWith(".sqlite3") || endsWith(".db")) {
        return "Provider=SQLite;Data Source=" + QuoteConnectionValue(udlFile);
    }
    if (endsWith(".accdb")) {
        return "Provider=Microsoft.ACE.OLEDB.12.0;User ID=Admin;Data Source=" +
               QuoteConnectionValue(udlFile);
    }
    if (LowerCaseAscii(udlFile).find(".mdb") != std::string::npos) {
        return "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" +
               QuoteConnectionValue(udlFile);
    }
    return "FILE NAME=" + udlFile;
}

} // namespace

void TDM::ConnectDatabase(const std::string& udlFile, const std::string& mapFile,
                          bool nameCodeOrder) {
    ADOTable.Close();
    ADOConnection.Close();
    ADOConnection.ConnectionString = ConnectionStringFor(udlFile);
    ADOConnection.Open();
    DisplayTextMap.Clear();
    LoadDisplayTextMap(mapFile, nameCodeOrder);
}

bool TDM::LoadDisplayTextMap(const std::string& mapFile, bool nameCodeOrder) {
    std::error_code error;
    if (mapFile.empty() || !std::filesystem::is_regular_file(mapFile, error)) {
        return false;
    }
    // Map files exported by Windows tools are often UTF-16; their text is read as UTF-8 then.
    const std::string text = DecodeByteOrderMark(ReadWholeFile(mapFile));
    DisplayTextMap.Clear();
    for (const std::string& line : SplitMapFileLines(text)) {
        if (std::optional<std::string> entry = ParseMapLine(line, nameCodeOrder)) {
            DisplayTextMap.Add(std::move(*entry));
        }
    }
    return true;
}

std::string TDM::DisplayTextOf(const std::string& fieldName) const {
    return DisplayTextMap.Lookup(fieldName);
}

void TDM::ListTableNames(TStringList& list) {
    const std::vector<TCatalogRow>& catalogue = ADOConnection.Catalogue();
    list.clear();
    for (const TCatalogRow& row : catalogue) {
        if (row.TableType == "TABLE" || row.TableType == "VIEW") {
            list.push_back(row.TableName);
        }
    }
}

void TDM::RefillTableNames() {
    // Within one connection the catalogue is a snapshot: a refill would give the same list
    // again, so it is done once per connection rather than once per stage and table.
    if (FTableNamesGeneration == ADOConnection.Generation() && ADOConnection.Connected()) {
        return;
    }
    TableNames.clear();
    ListTableNames(TableNames);
    FTableNamesGeneration = ADOConnection.Generation();
}

void TDM::OpenTableReader(const std::string& tableText) {
    ADOTable.Open(tableText);
}

} // namespace quorvane
