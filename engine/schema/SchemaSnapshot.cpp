#include "schema/SchemaSnapshot.h"

#include "text/StringUtils.h"

namespace quorvane {

bool IsGeneratedTableType(const std::string& tableType) {
    return tableType == "TABLE" || tableType == "VIEW";
}

bool IsSystemTableType(const std::string& tableType) {
    return tableType.starts_with("SYSTEM ");
}

namespace {

std::string ShownName(const TCatalogRow& row) {
    // Concat, not "\"" + a temporary: GCC 12 at -O3 takes that for an overlapping copy.
    return Concat({"\"", QualifiedTableName(row.Schema, row.TableName), "\""});
}

// The columns DescribeFields drops because no field class takes their type: each is named, so
// that a dataset missing a column is never a surprise.
void WarnOfLeftOutColumns(const TCatalogRow& row, const TTableDescription& table,
                          std::vector<std::string>& warnings) {
    for (const TColumnInfo& column : table.Columns) {
        if (FieldTypeOfAdoType(column.Type) == TFieldType::ftUnknown &&
            (column.Attributes & ado::adFldRowID) == 0) {
            warnings.push_back(LowerCaseAscii(row.TableType) + " " + ShownName(row) +
                               ": the column \"" + column.Name + "\" is left out: its type (" +
                               AdoTypeName(column.Type) +
                               ") is not one the data-access layer makes a field of");
        }
    }
}

} // namespace

TSchemaSnapshot ReadSchemaSnapshot(ISchemaSource& source, const TTableSelection& selection) {
    TSchemaSnapshot snapshot;
    snapshot.Quoting = source.IdentifierQuoting();
    std::vector<TCatalogRow> rows = source.ReadCatalogue();
    std::vector<std::string> leftOut;
    const bool all = selection.ChoosesAll();
    std::erase_if(rows, [&](const TCatalogRow& row) {
        if (IsGeneratedTableType(row.TableType)) {
            return false;
        }
        // Of the other kinds, only those the user asked for are worth a word.
        if (!IsSystemTableType(row.TableType) &&
            (all || selection.Chooses(row, source.QualifierOf(row)))) {
            leftOut.push_back("the " + LowerCaseAscii(row.TableType) + " " + ShownName(row) +
                              " is left out: only tables and views are generated");
        }
        return true;
    });
    if (!all) {
        // Chosen from the names alone, before any table is described: a server is then asked
        // about the chosen tables only, and a name that matches nothing fails at once.
        std::vector<std::string> qualifiers;
        qualifiers.reserve(rows.size());
        for (const TCatalogRow& row : rows) {
            qualifiers.push_back(source.QualifierOf(row));
        }
        std::vector<TCatalogRow> chosen;
        for (const std::size_t index : selection.Choose(rows, qualifiers)) {
            chosen.push_back(std::move(rows[index]));
        }
        rows = std::move(chosen);
    }
    // All chosen tables in one request: a server's back-end then reads them in a few statements
    // instead of a few for every table.
    std::vector<TTableDescription> tables = source.DescribeTables(rows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        WarnOfLeftOutColumns(rows[i], tables[i], leftOut);
        // Only the descriptors are kept: the columns they were made from are as large again,
        // and over thousands of tables that is felt.
        std::vector<TFieldDescriptor> fields = DescribeFields(tables[i]);
        TTableKeys keys = std::move(tables[i].Keys);
        tables[i] = {};
        std::string qualifier = source.QualifierOf(rows[i]);
        snapshot.Tables.push_back({std::move(rows[i].TableName), std::move(rows[i].TableType),
                                   std::move(fields), std::move(qualifier),
                                   std::move(rows[i].Schema), std::move(keys)});
    }
    snapshot.Warnings = source.Warnings();
    snapshot.Warnings.insert(snapshot.Warnings.end(), leftOut.begin(), leftOut.end());
    return snapshot;
}

} // namespace quorvane
