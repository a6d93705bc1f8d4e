#include "schema/SchemaSnapshot.h"

namespace quorvane {

bool IsGeneratedTableType(const std::string& tableType) {
    return tableType == "TABLE" || tableType == "VIEW";
}

TSchemaSnapshot ReadSchemaSnapshot(ISchemaSource& source) {
    TSchemaSnapshot snapshot;
    snapshot.Quoting = source.IdentifierQuoting();
    for (TCatalogRow& row : source.ReadCatalogue()) {
        if (!IsGeneratedTableType(row.TableType)) {
            continue;
        }
        // Only the descriptors are kept: the columns they were made from are as large again,
        // and over thousands of tables that is felt.
        std::vector<TFieldDescriptor> fields = DescribeFields(source.DescribeTable(row.TableName));
        std::string qualifier = source.QualifierOf(row.TableName);
        snapshot.Tables.push_back({std::move(row.TableName), std::move(row.TableType),
                                   std::move(fields), std::move(qualifier)});
    }
    snapshot.Warnings = source.Warnings();
    return snapshot;
}

} // namespace quorvane
