// Where a run finds each table on real servers, and what it makes of it: tables of one name in
// two PostgreSQL schemas, each read from its own schema and selected from there; a MariaDB data
// link that names one database while the login may read others; MariaDB's unsigned and
// auto-increment columns; the relations a run reads as views, and the ones it leaves out with a
// warning; decimals' precision and scale on both servers.
//
// The servers come from scripts/db-servers (`eval "$(scripts/db-servers start)"`), through the
// same variables as LiveServerTest.cpp (QUORVANE_TEST_PG_* and QUORVANE_TEST_MARIADB_*). Each
// test makes its databases afresh. Without the variables the tests are skipped, unless CI is set:
// there they fail, because CI starts the servers and must test them.

#include "LiveServers.h"
#include "MiniTemplate.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "generate/dmCodeGenerator.h"
#include "schema/SchemaSnapshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace quorvane {
namespace {

using T = TFieldType;
using testing::DataLinkProperties;
using testing::MariaDbPrefix;
using testing::PgPrefix;
using testing::RecreatePgDatabase;
using testing::SessionOn;
using testing::TServer;
using testing::TSqlSession;

// --- Data links ---------------------------------------------------------------------------------

// A data-link file for `database` in `folder`.
std::string DataLinkFile(const TTempDir& folder, const TServer& server,
                         const std::string& database) {
    const std::string udl = folder.File(database + ".udl");
    WriteDataLinkFile(udl, DataLinkProperties(server, database));
    return udl;
}

// --- What a run makes of the database
// -------------------------------------------------------------

// The snapshot a run reads through the data link.
TSchemaSnapshot SnapshotOf(const std::string& udl) {
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    return ReadSchemaSnapshot(*source);
}

// A field as the tests compare it: every part of its descriptor.
std::string FieldText(const TFieldDescriptor& field) {
    return field.FieldName + " " + std::string(FieldTypeName(field.DataType)) + " size " +
           std::to_string(field.Size) + " precision " + std::to_string(field.Precision) +
           (field.FixedChar ? " fixed" : "") + (field.AutoIncrement ? " auto-increment" : "");
}

std::vector<std::string> FieldTexts(const std::vector<TFieldDescriptor>& fields) {
    std::vector<std::string> texts;
    for (const TFieldDescriptor& field : fields) {
        texts.push_back(FieldText(field));
    }
    return texts;
}

std::string Expected(const std::string& name, TFieldType kind, std::int64_t size = 0,
                     int precision = 0, bool autoIncrement = false, bool fixedChar = false) {
    TFieldDescriptor field;
    field.FieldName = name;
    field.DataType = kind;
    field.Size = size;
    field.Precision = precision;
    field.AutoIncrement = autoIncrement;
    field.FixedChar = fixedChar;
    return FieldText(field);
}

// The snapshot's tables and views by the name the select texts give them.
std::map<std::string, const TSnapshotTable*>
TablesByQualifiedName(const TSchemaSnapshot& snapshot) {
    std::map<std::string, const TSnapshotTable*> tables;
    for (const TSnapshotTable& table : snapshot.Tables) {
        EXPECT_TRUE(tables.emplace(table.QualifiedName(), &table).second)
            << "listed twice: " << table.QualifiedName();
    }
    return tables;
}

// Each dataset of a generated server module: its select text and its persistent fields' names.
std::map<std::string, std::vector<std::string>> DatasetsOf(const std::string& formFile) {
    std::map<std::string, std::vector<std::string>> datasets;
    std::istringstream lines(ReadFile(formFile));
    std::string select;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::string sqlKey = "    SQL.Strings = (";
        const std::string fieldKey = "      FieldName = ";
        if (line.rfind(sqlKey, 0) == 0 && line.back() == ')') {
            select = testing::DfmStringValue(
                line.substr(sqlKey.size(), line.size() - 1 - sqlKey.size()));
            datasets[select];
        } else if (line.rfind(fieldKey, 0) == 0 && !select.empty()) {
            datasets[select].push_back(testing::DfmStringValue(line.substr(fieldKey.size())));
        }
    }
    return datasets;
}

// Generates the projects over `udl` with the small template; the server module's datasets.
std::map<std::string, std::vector<std::string>> GeneratedDatasets(const std::string& udl) {
    TTempDir folder;
    testing::WriteMiniTemplate(folder.Path() / "MidasProject");
    TDM dm;
    TProjectParam options;
    options.Database.UDLFile = udl;
    options.Directories.TemplateDir = folder.File("MidasProject");
    options.Directories.OutputDir = folder.File("out");
    dm.Generate(options);
    return DatasetsOf(folder.File("out/MidasProject/Midas_AppServer/rdmMain.dfm"));
}

// --- PostgreSQL schemas
// ------------------------------------------------------------------------------

TEST(SchemaPlacesLiveTest, PostgreSqlTablesOfOneNameInTwoSchemasKeepTheirOwnColumns) {
    QUORVANE_REQUIRE_SERVER(server, PgPrefix, "PostgreSQL");
    const std::string database = server->Database + "_places";
    RecreatePgDatabase(*server, database);
    TSqlSession session = SessionOn(*server, database);
    session.ExecuteAll({
        "CREATE SCHEMA hr",
        "CREATE SCHEMA sales",
        "CREATE TABLE hr.person (id int PRIMARY KEY, name varchar(40))",
        "CREATE TABLE sales.person (person_no int PRIMARY KEY, email text, active boolean)",
    });
    TTempDir folder;
    const std::string udl = DataLinkFile(folder, *server, database);

    const TSchemaSnapshot snapshot = SnapshotOf(udl);
    const auto tables = TablesByQualifiedName(snapshot);
    ASSERT_EQ(tables.size(), 2u);
    ASSERT_TRUE(tables.contains("hr.person"));
    ASSERT_TRUE(tables.contains("sales.person"));
    const TSnapshotTable& hr = *tables.at("hr.person");
    const TSnapshotTable& sales = *tables.at("sales.person");
    EXPECT_EQ(hr.Name, "person");
    EXPECT_EQ(hr.Schema, "hr");
    EXPECT_EQ(hr.Qualifier, "hr");
    EXPECT_EQ(hr.Type, "TABLE");
    EXPECT_EQ(FieldTexts(hr.Fields), (std::vector<std::string>{
                                         Expected("id", T::ftInteger),
                                         Expected("name", T::ftWideString, 40),
                                     }));
    EXPECT_EQ(sales.Name, "person");
    EXPECT_EQ(sales.Schema, "sales");
    EXPECT_EQ(sales.Qualifier, "sales");
    EXPECT_EQ(FieldTexts(sales.Fields), (std::vector<std::string>{
                                            Expected("person_no", T::ftInteger),
                                            Expected("email", T::ftMemo),
                                            Expected("active", T::ftBoolean),
                                        }));
    EXPECT_TRUE(snapshot.Warnings.empty()) << snapshot.Warnings.front();

    // The plan names a lower-case name as it stands, so the schema-qualified names are not
    // quoted; each dataset has the fields of its own table.
    const auto datasets = GeneratedDatasets(udl);
    const std::map<std::string, std::vector<std::string>> expected = {
        {"select * from hr.person", {"id", "name"}},
        {"select * from sales.person", {"person_no", "email", "active"}},
    };
    EXPECT_EQ(datasets, expected);
    // And each select reaches its table, whatever schema the connection looks in first.
    for (const auto& [select, fields] : datasets) {
        EXPECT_NO_THROW(session.Execute(select)) << select;
    }
}

// --- MariaDB databases
// -------------------------------------------------------------------------------

TEST(SchemaPlacesLiveTest, MariaDbListsOnlyTheDatabaseTheDataLinkNames) {
    QUORVANE_REQUIRE_SERVER(server, MariaDbPrefix, "MySQLProv");
    // The test user may read every database whose name starts with its own database's.
    const std::string chosen = server->Database + "_places_a";
    const std::string other = server->Database + "_places_b";
    TSqlSession session = SessionOn(*server, server->Database);
    session.ExecuteAll({
        "DROP DATABASE IF EXISTS `" + chosen + "`",
        "DROP DATABASE IF EXISTS `" + other + "`",
        "CREATE DATABASE `" + chosen + "` CHARACTER SET utf8mb4",
        "CREATE DATABASE `" + other + "` CHARACTER SET utf8mb4",
        "CREATE TABLE `" + chosen + "`.Album (id int PRIMARY KEY, title varchar(30))",
        "CREATE TABLE `" + chosen + "`.Track (track_no smallint)",
        "CREATE TABLE `" + other +
            "`.Album (album_id bigint PRIMARY KEY, artist varchar(50), made date)",
        "CREATE TABLE `" + other + "`.only_elsewhere (x int)",
    });
    TTempDir folder;
    const std::string udl = DataLinkFile(folder, *server, chosen);

    const TSchemaSnapshot snapshot = SnapshotOf(udl);
    const auto tables = TablesByQualifiedName(snapshot);
    std::vector<std::string> names;
    for (const auto& [name, table] : tables) {
        names.push_back(name);
        EXPECT_EQ(table->Schema, chosen) << name;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Album", "Track"}));
    ASSERT_TRUE(tables.contains("Album"));
    EXPECT_EQ(FieldTexts(tables.at("Album")->Fields),
              (std::vector<std::string>{Expected("id", T::ftInteger),
                                        Expected("title", T::ftWideString, 30)}));
    EXPECT_TRUE(snapshot.Warnings.empty()) << snapshot.Warnings.front();
    session.ExecuteAll({"DROP DATABASE `" + chosen + "`", "DROP DATABASE `" + other + "`"});
}

TEST(SchemaPlacesLiveTest, MariaDbUnsignedAndAutoIncrementColumns) {
    QUORVANE_REQUIRE_SERVER(server, MariaDbPrefix, "MySQLProv");
    const std::string database = server->Database + "_unsigned";
    TSqlSession session = SessionOn(*server, server->Database);
    session.ExecuteAll({
        "DROP DATABASE IF EXISTS `" + database + "`",
        "CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4",
        "CREATE TABLE `" + database +
            "`.actor (actor_id SMALLINT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY, "
            "hits INT UNSIGNED, qty SMALLINT UNSIGNED, big BIGINT UNSIGNED, "
            "tiny TINYINT UNSIGNED)",
    });
    TTempDir folder;
    const std::string udl = DataLinkFile(folder, *server, database);

    const TSchemaSnapshot snapshot = SnapshotOf(udl);
    ASSERT_EQ(snapshot.Tables.size(), 1u);
    // A 16-bit counter fits ftAutoInc; unsigned 32 bits need ftLargeint, unsigned 8 and 16
    // bits are ftWord.
    EXPECT_EQ(FieldTexts(snapshot.Tables[0].Fields),
              (std::vector<std::string>{
                  Expected("actor_id", T::ftAutoInc, 0, 0, true),
                  Expected("hits", T::ftLargeint),
                  Expected("qty", T::ftWord),
                  Expected("big", T::ftLargeint),
                  Expected("tiny", T::ftWord),
              }));

    // The catalogue reading gives the columns as the driver describes the table alone.
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    std::vector<TCatalogRow> rows = source->ReadCatalogue();
    std::erase_if(rows, [](const TCatalogRow& row) { return row.TableName != "actor"; });
    ASSERT_EQ(rows.size(), 1u);
    const std::uint64_t before = source->StatementsSent();
    const std::vector<TTableDescription> atOnce = source->DescribeTables(rows);
    EXPECT_EQ(source->StatementsSent() - before, 3u); // the columns, the views, the keys
    const TTableDescription alone = source->DescribeTable("actor");
    ASSERT_EQ(atOnce.size(), 1u);
    ASSERT_EQ(atOnce[0].Columns.size(), alone.Columns.size());
    for (std::size_t i = 0; i < alone.Columns.size(); ++i) {
        const TColumnInfo& a = atOnce[0].Columns[i];
        const TColumnInfo& b = alone.Columns[i];
        SCOPED_TRACE(b.Name);
        EXPECT_EQ(a.Name, b.Name);
        EXPECT_EQ(a.Type, b.Type);
        EXPECT_EQ(a.DefinedSize, b.DefinedSize);
        EXPECT_EQ(a.Precision, b.Precision);
        EXPECT_EQ(a.NumericScale, b.NumericScale);
        EXPECT_EQ(a.Attributes, b.Attributes);
        EXPECT_EQ(a.IsAutoIncrement, b.IsAutoIncrement);
    }
    session.Execute("DROP DATABASE `" + database + "`");
}

// --- Relations read as views, and the ones left out ----------------------------------------------

TEST(SchemaPlacesLiveTest, PostgreSqlMaterializedViewsReadAsViewsAndNoColumnIsLeftOut) {
    QUORVANE_REQUIRE_SERVER(server, PgPrefix, "PostgreSQL");
    const std::string database = server->Database + "_relations";
    RecreatePgDatabase(*server, database);
    SessionOn(*server, database)
        .ExecuteAll({
            "CREATE TABLE stock (id serial PRIMARY KEY, item varchar(20), qty integer)",
            "CREATE MATERIALIZED VIEW stock_totals AS SELECT item, sum(qty) AS total FROM "
            "stock GROUP BY item",
            // A partitioned table and its partition are tables.
            "CREATE TABLE measures (at date, reading numeric(8,3)) PARTITION BY RANGE (at)",
            "CREATE TABLE measures_2024 PARTITION OF measures FOR VALUES FROM ('2024-01-01') "
            "TO ('2025-01-01')",
            // psqlODBC reports every type it has no ODBC type for as text: none is left out.
            "CREATE TABLE odd_types (span interval, doc json, tags text[], place point, "
            "flags bit(3), words tsvector, during tsrange)",
        });
    TTempDir folder;
    const TSchemaSnapshot snapshot = SnapshotOf(DataLinkFile(folder, *server, database));
    const auto tables = TablesByQualifiedName(snapshot);
    std::map<std::string, std::string> types;
    for (const auto& [name, table] : tables) {
        types[name] = table->Type;
    }
    EXPECT_EQ(types, (std::map<std::string, std::string>{{"measures", "TABLE"},
                                                         {"measures_2024", "TABLE"},
                                                         {"odd_types", "TABLE"},
                                                         {"stock", "TABLE"},
                                                         {"stock_totals", "VIEW"}}));
    ASSERT_TRUE(tables.contains("stock_totals"));
    EXPECT_EQ(FieldTexts(tables.at("stock_totals")->Fields),
              (std::vector<std::string>{Expected("item", T::ftWideString, 20),
                                        Expected("total", T::ftLargeint)}));
    ASSERT_TRUE(tables.contains("odd_types"));
    EXPECT_EQ(FieldTexts(tables.at("odd_types")->Fields),
              (std::vector<std::string>{
                  Expected("span", T::ftWideString, 32), Expected("doc", T::ftWideString, 255),
                  Expected("tags", T::ftWideString, 255), Expected("place", T::ftWideString, 255),
                  Expected("flags", T::ftString, 255), Expected("words", T::ftWideString, 255),
                  Expected("during", T::ftWideString, 255)}));
    EXPECT_TRUE(snapshot.Warnings.empty()) << snapshot.Warnings.front();
}

// PostgreSQL's other relations (foreign tables) need a foreign-data wrapper, which only a
// superuser may make; MariaDB's sequences are relations its driver lists that a run leaves out.
TEST(SchemaPlacesLiveTest, MariaDbSequenceIsLeftOutWithAWarningNamingIt) {
    QUORVANE_REQUIRE_SERVER(server, MariaDbPrefix, "MySQLProv");
    const std::string database = server->Database + "_sequences";
    TSqlSession session = SessionOn(*server, server->Database);
    session.ExecuteAll({
        "DROP DATABASE IF EXISTS `" + database + "`",
        "CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4",
        "CREATE TABLE `" + database + "`.invoice (id int PRIMARY KEY)",
        "CREATE SEQUENCE `" + database + "`.invoice_numbers",
    });
    TTempDir folder;
    const TSchemaSnapshot snapshot = SnapshotOf(DataLinkFile(folder, *server, database));
    ASSERT_EQ(snapshot.Tables.size(), 1u);
    EXPECT_EQ(snapshot.Tables[0].Name, "invoice");
    EXPECT_EQ(snapshot.Warnings,
              (std::vector<std::string>{"the sequence \"" + database +
                                        ".invoice_numbers\" is left out: only tables and views "
                                        "are generated"}));
    session.Execute("DROP DATABASE `" + database + "`");
}

// --- Decimals
// ------------------------------------------------------------------------------------------

TEST(SchemaPlacesLiveTest, DecimalsKeepTheirPrecisionAndScaleOnBothServers) {
    QUORVANE_REQUIRE_SERVER(pg, PgPrefix, "PostgreSQL");
    QUORVANE_REQUIRE_SERVER(mariaDb, MariaDbPrefix, "MySQLProv");
    // Up to 18 digits with a scale up to 4 fit ftBCD; a larger scale needs ftFMTBcd.
    const std::vector<std::string> expected = {
        Expected("price", T::ftBCD, 2, 10),
        Expected("rate", T::ftFMTBcd, 9, 18),
    };
    TTempDir folder;
    {
        SCOPED_TRACE("PostgreSQL");
        const std::string database = pg->Database + "_decimals";
        RecreatePgDatabase(*pg, database);
        SessionOn(*pg, database)
            .Execute("CREATE TABLE prices (price NUMERIC(10,2), "
                     "rate DECIMAL(18,9))");
        const TSchemaSnapshot snapshot = SnapshotOf(DataLinkFile(folder, *pg, database));
        ASSERT_EQ(snapshot.Tables.size(), 1u);
        EXPECT_EQ(FieldTexts(snapshot.Tables[0].Fields), expected);
    }
    {
        SCOPED_TRACE("MariaDB");
        const std::string database = mariaDb->Database + "_decimals";
        TSqlSession session = SessionOn(*mariaDb, mariaDb->Database);
        session.ExecuteAll({
            "DROP DATABASE IF EXISTS `" + database + "`",
            "CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4",
            "CREATE TABLE `" + database + "`.prices (price NUMERIC(10,2), rate DECIMAL(18,9))",
        });
        const TSchemaSnapshot snapshot = SnapshotOf(DataLinkFile(folder, *mariaDb, database));
        ASSERT_EQ(snapshot.Tables.size(), 1u);
        EXPECT_EQ(FieldTexts(snapshot.Tables[0].Fields), expected);
        session.Execute("DROP DATABASE `" + database + "`");
    }
}

} // namespace
} // namespace quorvane
