#include "schema/SchemaSnapshot.h"

namespace quorvane {

bool IsGeneratedTableType(const std::string& tableType) {
    return tableType == "TABLE" || tableType == "VIEW";
}

TSchemaSnapshot ReadSchemaSnapshot(ISchemaSource& source) {
    TSchemaSnapshot snapshot;
    snapshot.Quoting = source.IdentifierQuoting();
    std::vector<TCatalogRow> rows = source.ReadCatalogue();
    std::erase_if(rows,
                  [](const TCatalogRow& row) { return !IsGeneratedTableType(row.TableType); });
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const TCatalogRow& row : rows) {
        names.push_back(row.TableName);
    }
    // All tables in one request: a server's back-end then reads its whole catalogue in a few
    // statements instead of a few for every table.
    std::vector<TTableDescription> tables = source.DescribeTables(names);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // Only the descriptors are kept: the columns they were made from are as large again,
        // and over thousands of tables that is felt.
        std::vector<TFieldDescriptor> fields = DescribeFields(tables[i]);
        tables[i] = {};
        std::string qualifier = source.QualifierOf(rows[i].TableName);
        snapshot.Tables.push_back({std::move(rows[i].TableName), std::move(rows[i].TableType),
                                   std::move(fields), std::move(qualifier)});
    }
    snapshot.Warnings = source.Warnings();
    return snapshot;
}

} // namespace quorvane
