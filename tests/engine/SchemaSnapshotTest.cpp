// What a run reads of a database once: each table from its own schema, and a word for
// everything it leaves out.

#include "schema/SchemaSnapshot.h"
#include "MiniTemplate.h"
#include "PlanSupport.h"
#include "generate/ProjectPlan.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <map>

namespace quorvane {
namespace {

TColumnInfo Col(std::string name, int type, std::int64_t size = 0) {
    TColumnInfo column;
    column.Name = std::move(name);
    column.Type = type;
    column.DefinedSize = size;
    return column;
}

// A server with schemas: tables are found by schema and name, as a server finds them; a name
// alone finds the first one listed, as a careless reader would.
class TSchemasSource final : public ISchemaSource {
public:
    std::vector<TCatalogRow> Rows;
    std::map<std::pair<std::string, std::string>, TTableDescription> Tables;

    std::vector<TCatalogRow> ReadCatalogue() override { return Rows; }
    TTableDescription DescribeTable(const std::string& name) override {
        for (const TCatalogRow& row : Rows) {
            if (row.TableName == name) {
                return Tables.at({row.Schema, name});
            }
        }
        throw EDatabaseError("no table " + name);
    }
    std::vector<TTableDescription> DescribeTables(const std::vector<TCatalogRow>& rows) override {
        std::vector<TTableDescription> described;
        for (const TCatalogRow& row : rows) {
            described.push_back(Tables.at({row.Schema, row.TableName}));
        }
        return described;
    }
    TIdentifierQuoting IdentifierQuoting() const override {
        return {TSqlDialect::PostgreSql, "\""};
    }
    std::string QualifierOf(const TCatalogRow& row) const override {
        return row.Schema == "public" ? std::string() : row.Schema;
    }
};

TEST(SchemaSnapshotTest, TablesOfOneNameInTwoSchemasKeepTheirOwnFieldsAndQualifiers) {
    TSchemasSource source;
    source.Rows = {
        {"person", "TABLE", "hr"}, {"person", "TABLE", "sales"}, {"orders", "TABLE", "public"}};
    source.Tables[{"hr", "person"}] = {
        {Col("id", ado::adInteger), Col("name", ado::adVarWChar, 40)}, true};
    source.Tables[{"sales", "person"}] = {{Col("person_no", ado::adInteger),
                                           Col("email", ado::adLongVarWChar),
                                           Col("active", ado::adBoolean)},
                                          true};
    source.Tables[{"public", "orders"}] = {{Col("order_id", ado::adInteger)}, true};

    const TSchemaSnapshot snapshot = ReadSchemaSnapshot(source);
    ASSERT_EQ(snapshot.Tables.size(), 3u);
    const TSnapshotTable& hr = snapshot.Tables[0];
    const TSnapshotTable& sales = snapshot.Tables[1];
    EXPECT_EQ(hr.QualifiedName(), "hr.person");
    EXPECT_EQ(sales.QualifiedName(), "sales.person");
    EXPECT_EQ(snapshot.Tables[2].QualifiedName(), "orders");
    ASSERT_EQ(hr.Fields.size(), 2u);
    EXPECT_EQ(hr.Fields[0].FieldName, "id");
    ASSERT_EQ(sales.Fields.size(), 3u);
    EXPECT_EQ(sales.Fields[0].FieldName, "person_no");
    EXPECT_EQ(sales.Fields[2].DataType, TFieldType::ftBoolean);
    EXPECT_TRUE(snapshot.Warnings.empty());

    // The plan tells the two apart and each select text names its own schema.
    TProjectParam options;
    const TFormatStrings formats;
    const TTemplateSet templates = testing::TemplateSetForTests();
    const TProjectPlan plan = TProjectPlan::Make(snapshot, options, formats, templates);
    ASSERT_EQ(plan.Tables.size(), 3u);
    EXPECT_EQ(plan.Tables[0].SelectName, "hr.person");
    EXPECT_EQ(plan.Tables[1].SelectName, "sales.person");
    EXPECT_EQ(plan.Tables[0].ServerDataSet, "person_D");
    EXPECT_EQ(plan.Tables[1].ServerDataSet, "person_2_D");
}

TEST(SchemaSnapshotTest, WhatTheRunLeavesOutIsNamedAndSystemObjectsAreNot) {
    TSchemasSource source;
    source.Rows = {{"places", "TABLE", "geo"},
                   {"remote", "FOREIGN TABLE", "geo"},
                   {"nick", "SYNONYM", ""},
                   {"pg_class", "SYSTEM TABLE", "pg_catalog"}};
    TColumnInfo rowId = Col("rowid", 999);
    rowId.Attributes = ado::adFldRowID;
    source.Tables[{"geo", "places"}] = {
        {Col("id", ado::adInteger), Col("shape", 132), rowId, Col("label", ado::adVarWChar, 9)},
        true};

    const TSchemaSnapshot snapshot = ReadSchemaSnapshot(source);
    ASSERT_EQ(snapshot.Tables.size(), 1u);
    ASSERT_EQ(snapshot.Tables[0].Fields.size(), 2u);
    EXPECT_EQ(snapshot.Warnings,
              (std::vector<std::string>{
                  "the foreign table \"geo.remote\" is left out: only tables and views are "
                  "generated",
                  "the synonym \"nick\" is left out: only tables and views are generated",
                  "table \"geo.places\": the column \"shape\" is left out: its type (ADO type "
                  "132) is not one the data-access layer makes a field of"}));
}

} // namespace
} // namespace quorvane
