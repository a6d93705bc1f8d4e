// What a run reads of a database once: each table from its own schema, and a word for
// everything it leaves out.

#include "schema/SchemaSnapshot.h"
#include "MiniTemplate.h"
#include "PlanSupport.h"
#include "SchemaText.h"
#include "generate/ProjectPlan.h"
#include "schema/SnapshotText.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <algorithm>
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

namespace quorvane {
namespace {

// A snapshot that knows some things and not others: a keyed table with a reference to
// itself and to a table of another schema, and a view about which nothing is known.
TSchemaSnapshot KnowingSnapshot() {
    TSchemaSnapshot snapshot;
    TSnapshotTable staff;
    staff.Name = "staff";
    staff.Type = "TABLE";
    staff.Schema = "hr";
    staff.Qualifier = "hr";
    TFieldDescriptor id{"id", TFieldType::ftAutoInc, 0, false, 0, true, {true, false, {}}};
    TFieldDescriptor boss{"boss", TFieldType::ftInteger, 0, false, 0, false, {false, {}, {}}};
    TFieldDescriptor pay{"pay", TFieldType::ftBCD,          2, false, 10,
                         false, {true, true, "l'\"été\"\n"}};
    TFieldDescriptor dept{"dept",
                          TFieldType::ftWideString,
                          4,
                          true,
                          0,
                          false,
                          {{}, {}, std::string("bad \xff byte\tand \x01")}};
    staff.Fields = {id, boss, pay, dept};
    staff.Keys.PrimaryKey = std::vector<std::string>{"id"};
    staff.Keys.ForeignKeys = std::vector<TForeignKey>{{{"boss"}, "hr", "staff", {"id"}},
                                                      {{"dept"}, "", "dept", {"code"}}};
    TSnapshotTable view;
    view.Name = "open staff";
    view.Type = "VIEW";
    view.Fields = {{"id", TFieldType::ftInteger, 0, false, 0, false, {}}};
    TSnapshotTable loose;
    loose.Name = "loose";
    loose.Type = "TABLE";
    loose.Keys.PrimaryKey = std::vector<std::string>{}; // known to have none
    loose.Keys.ForeignKeys = std::vector<TForeignKey>{};
    snapshot.Tables = {staff, view, loose};
    snapshot.Warnings = {"the synonym \"x\" is left out"};
    return snapshot;
}

// What is known is shown, what is not is left out; a table known to have no key says so.
TEST(SnapshotTextTest, KeysReferencesAndFactsWhereTheDatabaseSaysThem) {
    EXPECT_EQ(SnapshotText(KnowingSnapshot()),
              "hr.staff\n"
              "\tid\tftAutoInc\tSize=0\tFixedChar=False\tAutoIncrement=True\tNotNull=True"
              "\tDefault=False\n"
              "\tboss\tftInteger\tSize=0\tFixedChar=False\tAutoIncrement=False\tNotNull=False\n"
              "\tpay\tftBCD\tSize=2\tPrecision=10\tFixedChar=False\tAutoIncrement=False"
              "\tNotNull=True\tDefault=True\tComment=l'\"été\"\\n\n"
              "\tdept\tftWideString\tSize=4\tFixedChar=True\tAutoIncrement=False"
              "\tComment=bad \\xFF byte\\tand \\x01\n"
              "\tPrimaryKey=id\n"
              "\tForeignKey=boss -> hr.staff(id)\n"
              "\tForeignKey=dept -> dept(code)\n"
              "open staff\n"
              "\tid\tftInteger\tSize=0\tFixedChar=False\tAutoIncrement=False\n"
              "loose\n"
              "\tPrimaryKey=\n");
}

// Unknown is null, known-none is an empty list; strings are escaped as JSON wants them and a
// byte that is not UTF-8 becomes U+FFFD.
TEST(SnapshotTextTest, JsonSaysNullForWhatIsUnknown) {
    const std::string json = SnapshotJson(KnowingSnapshot());
    const auto contains = [&json](const std::string& part) {
        return json.find(part) != std::string::npos;
    };
    EXPECT_TRUE(contains("{\"name\": \"staff\", \"schema\": \"hr\", \"qualifier\": \"hr\", "
                         "\"type\": \"TABLE\",\n     \"primaryKey\": [\"id\"],"));
    EXPECT_TRUE(contains("{\"columns\": [\"boss\"], \"referencedSchema\": \"hr\", "
                         "\"referencedTable\": \"staff\", \"referencedColumns\": [\"id\"]}"));
    EXPECT_TRUE(contains("\"notNull\": true, \"hasDefault\": true, \"comment\": "
                         "\"l'\\\"été\\\"\\n\"}"));
    EXPECT_TRUE(contains("\"comment\": \"bad \\ufffd byte\\tand \\u0001\"}"));
    EXPECT_TRUE(contains("{\"name\": \"open staff\", \"schema\": \"\", \"qualifier\": \"\", "
                         "\"type\": \"VIEW\",\n     \"primaryKey\": null,\n     "
                         "\"foreignKeys\": null,"));
    EXPECT_TRUE(contains("\"notNull\": null, \"hasDefault\": null, \"comment\": null}"));
    EXPECT_TRUE(contains("\"primaryKey\": [],\n     \"foreignKeys\": [],\n     \"fields\": []}"));
    EXPECT_TRUE(contains("\"warnings\": [\"the synonym \\\"x\\\" is left out\"]\n}\n"));
    // Balanced, and nothing outside the one object.
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), std::count(json.begin(), json.end(), '}'));
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(SnapshotJson({}), "{\n  \"tables\": [],\n  \"warnings\": []\n}\n");
}

// The golden cases' schema text says keys and facts; what it does not say stays unknown, and a
// table known to have no keys is not taken for one whose keys are unknown.
TEST(SchemaTextTest, KeysAndFactsReachTheSnapshotAsWritten) {
    auto database = std::make_shared<testing::TMemoryDatabase>();
    testing::ReadSchemaText("TABLE: Order Details\n"
                            "  OrderID | adInteger | notnull | nodefault\n"
                            "  Qty | adSmallInt | null | default | comment=Menge | Stück's\n"
                            "  Note | adVarWChar | size=10 | comment=\n"
                            "  Plain | adInteger\n"
                            "  PRIMARY KEY: OrderID, Qty\n"
                            "  FOREIGN KEY: OrderID -> Orders(ID)\n"
                            "  FOREIGN KEY: Qty, Note -> hr.Old Units(A, B)\n"
                            "TABLE: Orders\n"
                            "  ID | adInteger\n"
                            "  PRIMARY KEY:\n"
                            "  FOREIGN KEY:\n"
                            "VIEW: Summary\n"
                            "  ID | adInteger\n",
                            *database);
    testing::TMemorySchemaSource source(database);
    const TSchemaSnapshot snapshot = ReadSchemaSnapshot(source);
    ASSERT_EQ(snapshot.Tables.size(), 3u);

    const TSnapshotTable& details = snapshot.Tables[0];
    ASSERT_EQ(details.Fields.size(), 4u);
    EXPECT_EQ(details.Fields[0].Facts, (TColumnFacts{true, false, std::nullopt}));
    EXPECT_EQ(details.Fields[1].Facts, (TColumnFacts{false, true, "Menge | Stück's"}));
    EXPECT_EQ(details.Fields[1].DataType, TFieldType::ftSmallint);
    EXPECT_EQ(details.Fields[2].Facts, (TColumnFacts{std::nullopt, std::nullopt, ""}));
    EXPECT_EQ(details.Fields[2].Size, 10);
    EXPECT_EQ(details.Fields[3].Facts, TColumnFacts{});
    EXPECT_EQ(details.Keys.PrimaryKey, (std::vector<std::string>{"OrderID", "Qty"}));
    EXPECT_EQ(details.Keys.ForeignKeys,
              (std::vector<TForeignKey>{{{"OrderID"}, "", "Orders", {"ID"}},
                                        {{"Qty", "Note"}, "hr", "Old Units", {"A", "B"}}}));

    EXPECT_EQ(snapshot.Tables[1].Keys.PrimaryKey, std::vector<std::string>{});
    EXPECT_EQ(snapshot.Tables[1].Keys.ForeignKeys, std::vector<TForeignKey>{});
    EXPECT_EQ(snapshot.Tables[2].Keys, TTableKeys{});
}

TEST(SchemaTextTest, AForeignKeyWhoseColumnsDoNotPairUpIsRefused) {
    testing::TMemoryDatabase database;
    EXPECT_THROW(testing::ReadSchemaText("TABLE: T\n  A | adInteger\n"
                                         "  FOREIGN KEY: A -> U(X, Y)\n",
                                         database),
                 std::runtime_error);
    EXPECT_THROW(testing::ReadSchemaText("TABLE: T\n  FOREIGN KEY: A -> U\n", database),
                 std::runtime_error);
}

} // namespace
} // namespace quorvane
