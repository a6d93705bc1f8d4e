// The ODBC back-end against real servers, through data-link files as a user makes them: the
// table list and every field descriptor of a schema holding the common column types, a name with
// a blank, a name with a quote, a view, a second schema and auto-increment keys; and the reading
// of a whole catalogue in a few statements, column by column the same as describing each table.
//
// The servers come from scripts/db-servers (`eval "$(scripts/db-servers start)"`), which sets:
//   QUORVANE_TEST_PG_HOST, QUORVANE_TEST_PG_PORT, QUORVANE_TEST_PG_USER,
//   QUORVANE_TEST_PG_PASSWORD, QUORVANE_TEST_PG_DATABASE              a PostgreSQL server
//   QUORVANE_TEST_MARIADB_HOST, QUORVANE_TEST_MARIADB_PORT, QUORVANE_TEST_MARIADB_USER,
//   QUORVANE_TEST_MARIADB_PASSWORD, QUORVANE_TEST_MARIADB_DATABASE    a MariaDB server
// The user must be allowed to create databases (PostgreSQL) or databases whose names start with
// the given database's name (MariaDB): each test makes its own databases afresh, so that the
// tests can run again and side by side. Without these variables the server tests are skipped,
// unless CI is set: there they fail, because CI starts the servers and must test them.
//
// The tests of refused and silent servers need only the ODBC drivers, no server.

#include "LiveServers.h"
#include "LoopbackSocket.h"
#include "MiniTemplate.h"
#include "PlanSupport.h"
#include "SchemaCheck.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "datalink/OdbcConnectionString.h"
#include "generate/dmCodeGenerator.h"
#include "schema/SchemaSnapshot.h"
#include "schema/odbc/OdbcSchemaSource.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quorvane {
namespace {

using T = TFieldType;
using testing::CheckSchema;
using testing::DataLinkProperties;
using testing::DescriptorText;
using testing::F;
using testing::MariaDbPrefix;
using testing::PgPrefix;
using testing::RecreatePgDatabase;
using testing::SessionOn;
using testing::TExpectedTable;
using testing::TLoopbackSocket;
using testing::TServer;
using testing::TSqlSession;

// --- Reading the schema as a run does ----------------------------------------------------------

// The password must appear in no message of the engine.
void ExpectUnknownTableError(const std::string& udl, const std::string& password) {
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    try {
        source->DescribeTable("no such table");
        ADD_FAILURE() << "no error for a missing table";
    } catch (const EDatabaseError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("\"no such table\""), std::string::npos) << message;
        EXPECT_EQ(message.find(password), std::string::npos) << message;
    }
}

std::string ColumnText(const TColumnInfo& column) {
    return column.Name + ": type " + std::to_string(column.Type) + ", size " +
           std::to_string(column.DefinedSize) + ", precision " + std::to_string(column.Precision) +
           ", scale " + std::to_string(column.NumericScale) + ", attributes " +
           std::to_string(column.Attributes) + (column.IsAutoIncrement ? ", auto-increment" : "");
}

// Reads every table and view of the database behind `udl` at once, as a run does, and describes
// each of them alone too: both must give the same columns, field by field. The reading at once
// must take `statements` statements, however many tables there are.
// (A MariaDB connection lists the other tests' databases too: they are compared as well.)
void ExpectCatalogueReadingToEqualTableByTable(const std::string& udl, std::uint64_t statements,
                                               const std::vector<std::string>& mustList) {
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    std::vector<TCatalogRow> rows = source->ReadCatalogue();
    std::erase_if(rows,
                  [](const TCatalogRow& row) { return !IsGeneratedTableType(row.TableType); });
    std::map<std::string, int> listed; // how often each name is listed
    for (const TCatalogRow& row : rows) {
        ++listed[row.TableName];
    }
    for (const std::string& name : mustList) {
        EXPECT_TRUE(listed.contains(name)) << name;
    }
    const std::uint64_t before = source->StatementsSent();
    const std::vector<TTableDescription> atOnce = source->DescribeTables(rows);
    EXPECT_EQ(source->StatementsSent() - before, statements);
    ASSERT_EQ(atOnce.size(), rows.size());
    std::size_t columns = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("table " + rows[i].Schema + "." + rows[i].TableName);
        // A name alone finds the table listed first; one of two schemas' tables of one name
        // is compared by the schema tests.
        if (listed[rows[i].TableName] > 1) {
            ++columns;
            continue;
        }
        const TTableDescription alone = source->DescribeTable(rows[i].TableName);
        EXPECT_EQ(atOnce[i].OffersAutoIncrement, alone.OffersAutoIncrement);
        ASSERT_EQ(atOnce[i].Columns.size(), alone.Columns.size());
        for (std::size_t k = 0; k < alone.Columns.size(); ++k) {
            EXPECT_EQ(ColumnText(atOnce[i].Columns[k]), ColumnText(alone.Columns[k]));
        }
        columns += alone.Columns.size();
    }
    EXPECT_GE(columns, rows.size());
}

// --- PostgreSQL --------------------------------------------------------------------------------

// Generates the projects over `udl` and runs every select text of the server module on the
// database it came from: each must reach its table, tables of other schemas or databases that
// the connection lists too.
void ExpectSelectTextsToRun(const TServer& server, const std::string& database,
                            const std::string& udl, std::size_t tables) {
    TTempDir folder;
    testing::WriteMiniTemplate(folder.Path() / "MidasProject");
    TDM dm;
    TProjectParam options;
    options.Database.UDLFile = udl;
    options.Directories.TemplateDir = folder.File("MidasProject");
    options.Directories.OutputDir = folder.File("out");
    dm.Generate(options);
    const std::vector<std::string> selects =
        testing::SelectTextsOf(folder.File("out/MidasProject/Midas_AppServer/rdmMain.dfm"));
    EXPECT_GE(selects.size(), tables);
    TSqlSession session = SessionOn(server, database);
    for (const std::string& select : selects) {
        EXPECT_NO_THROW(session.Execute(select)) << select;
    }
}

TEST(PostgreSqlLiveTest, TablesViewsSchemasAndEveryColumnType) {
    QUORVANE_REQUIRE_SERVER(server, PgPrefix, "PostgreSQL");
    const std::string database = server->Database + "_types";
    RecreatePgDatabase(*server, database);
    SessionOn(*server, database)
        .ExecuteAll({
            "CREATE TABLE every_type (id serial PRIMARY KEY, c_smallint smallint, "
            "c_integer integer, c_bigint bigint, c_bigserial bigserial, c_num9 numeric(9,0), "
            "c_num10 numeric(10,0), c_num12 numeric(12,2), c_numeric numeric, c_real real, "
            "c_double double precision, c_money money, c_bool boolean, c_char3 char(3), "
            "c_varchar40 varchar(40), c_varchar80 varchar(80), c_varchar varchar, c_text text, "
            "c_bytea bytea, c_date date, c_time time, c_timestamp timestamp, "
            "c_timestamptz timestamptz, c_uuid uuid, c_interval interval, c_json json, "
            "c_int_array integer[])",
            "CREATE TABLE \"order lines\" (line_id integer GENERATED ALWAYS AS IDENTITY PRIMARY "
            "KEY, \"unit price\" numeric(12,2), \"Note\" varchar(20), \"NOTE\" char(1))",
            "CREATE TABLE \"odd \"\"quote\"\" name\" (x integer)",
            "CREATE VIEW v_orders AS SELECT line_id, \"unit price\" FROM \"order lines\"",
            "CREATE SCHEMA quorvane_second",
            "CREATE TABLE quorvane_second.other_table (x smallint)",
            // The same name in a second schema: listed twice, opened where listed first.
            "CREATE TABLE quorvane_second.every_type (only_column integer)",
        });

    TTempDir folder;
    const std::string udl = folder.File("postgresql.udl");
    WriteDataLinkFile(udl, DataLinkProperties(*server, database));

    const std::vector<std::string> tableNames = {"every_type", "odd \"quote\" name", "order lines",
                                                 "v_orders",   "every_type",         "other_table"};
    const std::vector<TExpectedTable> tables = {
        {"every_type",
         {F("id", T::ftAutoInc), F("c_smallint", T::ftSmallint), F("c_integer", T::ftInteger),
          F("c_bigint", T::ftLargeint),
          F("c_bigserial", T::ftLargeint), // auto-incrementing, but only integers become ftAutoInc
          F("c_num9", T::ftInteger), F("c_num10", T::ftBCD), F("c_num12", T::ftBCD, 2),
          // The driver's default precision and scale for numeric without them: 28 digits are
          // more than a TBCDField holds.
          F("c_numeric", T::ftFMTBcd, 6), F("c_real", T::ftFloat), F("c_double", T::ftFloat),
          F("c_money", T::ftFloat), // reported as SQL_FLOAT
          F("c_bool", T::ftBoolean), F("c_char3", T::ftWideString, 3, true),
          F("c_varchar40", T::ftWideString, 40), F("c_varchar80", T::ftWideString, 80),
          F("c_varchar", T::ftWideString, 255), // the driver's MaxVarcharSize
          F("c_text", T::ftMemo), F("c_bytea", T::ftBlob), F("c_date", T::ftDate),
          F("c_time", T::ftTime), F("c_timestamp", T::ftDateTime),
          F("c_timestamptz", T::ftDateTime), F("c_uuid", T::ftGuid, 38, true),
          F("c_interval", T::ftWideString, 32), // types without an ODBC type come as text
          F("c_json", T::ftWideString, 255), F("c_int_array", T::ftWideString, 255)}},
        {"order lines",
         {F("line_id", T::ftAutoInc), F("unit price", T::ftBCD, 2), F("Note", T::ftWideString, 20),
          F("NOTE_1", T::ftWideString, 1, true)}},
        {"odd \"quote\" name", {F("x", T::ftInteger)}},
        {"v_orders", {F("line_id", T::ftInteger), F("unit price", T::ftBCD, 2)}},
        {"other_table", {F("x", T::ftSmallint)}},
    };
    CheckSchema(udl, tableNames, tables);
    ExpectUnknownTableError(udl, server->Password);

    // The same database through the OLE DB provider for ODBC with the user's own ODBC string,
    // which here asks the driver for the system tables too: they are never listed.
    TConnectionProperties odbc;
    odbc.Set("Provider", "MSDASQL.1");
    odbc.Set("Password", server->Password);
    odbc.Set("User ID", server->User);
    odbc.Set("Extended Properties", "DRIVER={PostgreSQL Unicode};SERVER=" + server->Host +
                                        ";PORT=" + server->Port + ";DATABASE=" + database +
                                        ";ShowSystemTables=1;BoolsAsChar=0");
    const std::string odbcUdl = folder.File("odbc.udl");
    WriteDataLinkFile(odbcUdl, odbc);
    CheckSchema(odbcUdl, tableNames, tables);
}

TEST(PostgreSqlLiveTest, GeneratedSelectTextsRunOnTheDatabase) {
    QUORVANE_REQUIRE_SERVER(server, PgPrefix, "PostgreSQL");
    const std::string database = server->Database + "_selects";
    RecreatePgDatabase(*server, database);
    // Unquoted, PostgreSQL folds a name to lower case: "Orders" must be quoted, "customers" not.
    SessionOn(*server, database)
        .ExecuteAll(
            {"CREATE TABLE customers (id integer)", "CREATE TABLE \"Orders\" (id integer)",
             "CREATE TABLE \"order\" (id integer)", "CREATE TABLE \"2019Sales\" (id integer)",
             "CREATE TABLE \"Order-Lines\" (id integer)",
             "CREATE TABLE \"Order Details\" (id integer)", "CREATE TABLE \"it's\" (id integer)",
             "CREATE TABLE \"Gr\xC3\xB6\xC3\x9F"
             "e\" (id integer)",
             "CREATE VIEW \"Open Orders\" AS SELECT * FROM \"Orders\"",
             // A schema of another name than the one names are looked for in.
             "CREATE SCHEMA \"Second\"", "CREATE TABLE \"Second\".items (id integer)"});
    TTempDir folder;
    const std::string udl = folder.File("postgresql.udl");
    WriteDataLinkFile(udl, DataLinkProperties(*server, database));
    ExpectSelectTextsToRun(*server, database, udl, 10);
}

TEST(PostgreSqlLiveTest, ListsThreeHundredTablesCompletely) {
    QUORVANE_REQUIRE_SERVER(server, PgPrefix, "PostgreSQL");
    const std::string database = server->Database + "_many";
    RecreatePgDatabase(*server, database);
    // One statement, so one transaction.
    SessionOn(*server, database)
        .Execute("DO $$ BEGIN FOR i IN 1..300 LOOP EXECUTE format('CREATE TABLE %I (id serial "
                 "PRIMARY KEY, name varchar(30))', 'table_' || lpad(i::text, 3, '0')); END LOOP; "
                 "END $$");

    TTempDir folder;
    const std::string udl = folder.File("many.udl");
    WriteDataLinkFile(udl, DataLinkProperties(*server, database));
    std::vector<std::string> tableNames;
    for (int i = 1; i <= 300; ++i) {
        const std::string number = std::to_string(i);
        tableNames.push_back("table_" + std::string(3 - number.size(), '0') + number);
    }
    CheckSchema(udl, tableNames,
                {{"table_001", {F("id", T::ftAutoInc), F("name", T::ftWideString, 30)}},
                 {"table_300", {F("id", T::ftAutoInc), F("name", T::ftWideString, 30)}}});
    // The driver's column catalogue, and the tables the user may not read.
    ExpectCatalogueReadingToEqualTableByTable(udl, 2, tableNames);
}

TEST(PostgreSqlLiveTest, CatalogueReadingEqualsTableByTable) {
    QUORVANE_REQUIRE_SERVER(server, PgPrefix, "PostgreSQL");
    const std::string database = server->Database + "_catalogue";
    RecreatePgDatabase(*server, database);
    SessionOn(*server, database)
        .ExecuteAll({
            "CREATE DOMAIN dom_price AS numeric(10,2)",
            "CREATE DOMAIN dom_name AS varchar(25)",
            "CREATE TYPE mood AS ENUM ('sad', 'happy')",
            "CREATE TYPE pair AS (a integer, b text)",
            "CREATE TABLE every_type (id serial PRIMARY KEY, c_smallint smallint, "
            "c_integer integer, c_bigint bigint, c_bigserial bigserial, c_num9 numeric(9,0), "
            "c_num10 numeric(10,0), c_num12 numeric(12,2), c_numeric numeric, c_real real, "
            "c_double double precision, c_money money, c_bool boolean, c_char3 char(3), "
            "c_varchar40 varchar(40), c_varchar80 varchar(80), c_varchar varchar, c_text text, "
            "c_bytea bytea, c_date date, c_time time, c_timestamp timestamp, "
            "c_timestamptz timestamptz, c_uuid uuid, c_interval interval, c_json json, "
            "c_int_array integer[])",
            "CREATE TABLE more_types (s smallserial, i_bd integer GENERATED BY DEFAULT AS "
            "IDENTITY, b_id bigint GENERATED ALWAYS AS IDENTITY, d_price dom_price, "
            "d_name dom_name, m mood, p pair, ttz timetz, t3 time(3), ts0 timestamp(0), "
            "tstz3 timestamptz(3), n38 numeric(38,10), n5 numeric(5), f24 float(24), "
            "f53 float(53), vbig varchar(10485760), ch char, qch \"char\", nm name, o oid, "
            "x xml, ip inet, cid cidr, mac macaddr, vb varbit(5), pt point, tsv tsvector, "
            "va varchar(20)[], g integer GENERATED ALWAYS AS (i_bd * 2) STORED, "
            "dropped integer, js jsonb, r int4range)",
            "ALTER TABLE more_types DROP COLUMN dropped",
            // The driver sizes these by their modifiers in ways of its own; the auto-increment
            // flag goes to 32- and 64-bit integers that are identities or NOT NULL with a
            // nextval() default.
            "CREATE DOMAIN dom_id AS integer",
            "CREATE SEQUENCE seq_a",
            "CREATE TABLE modifiers (x xid, iv3 interval(3), ivd interval day to second, "
            "ivd3 interval day to second(3), ivy interval year, ivym interval year to month, "
            "ivh interval hour, ivhm interval hour to minute, ivm interval minute, "
            "ivs interval second, ivs2 interval second(2), b1 bit, b4 bit(4), b5 bit(5), "
            "b8 bit(8), b20 bit(20), vb varbit, ttz2 timetz(2), bp bpchar, c300 char(300), "
            "vc255 varchar(255), vc256 varchar(256), n1000 numeric(1000,0), "
            "na numeric(5,2)[], ua uuid[], mac8 macaddr8, rc regclass, tq tsquery, pl pg_lsn, "
            "di dom_id, dnn dom_id NOT NULL DEFAULT nextval('seq_a'), "
            "i4n integer NOT NULL DEFAULT nextval('seq_a'), i4 integer DEFAULT nextval('seq_a'), "
            "i2n smallint NOT NULL DEFAULT nextval('seq_a'), "
            "i8n bigint NOT NULL DEFAULT nextval('seq_a'), "
            "nn numeric NOT NULL DEFAULT nextval('seq_a'), "
            "s_id smallint GENERATED ALWAYS AS IDENTITY, \"a/b\\c\" integer, "
            "\"back\\\\slash/\" text, \"/\" varchar(3))",
            "CREATE VIEW v_modifiers AS SELECT ivd3, b5, b8, di, dnn, i4n, na FROM modifiers",
            "CREATE TABLE bits (id serial PRIMARY KEY, b3 bit(3))",
            // A domain over a domain: the catalogue query leaves its table to the driver.
            "CREATE DOMAIN dom_outer AS dom_name",
            "CREATE TABLE nested_domain (d dom_outer)",
            // No columns, so no rows in the catalogue: the driver describes it too.
            "CREATE TABLE no_columns ()",
            "CREATE TABLE \"order lines\" (line_id integer GENERATED ALWAYS AS IDENTITY "
            "PRIMARY KEY, \"unit price\" numeric(12,2), \"Note\" varchar(20), "
            "\"NOTE\" char(1))",
            "CREATE TABLE \"odd \"\"quote\"\" name\" (x integer)",
            "CREATE VIEW v_orders AS SELECT line_id, \"unit price\" FROM \"order lines\"",
            "CREATE VIEW v_more AS SELECT s, i_bd, d_price, d_price * 2 AS twice, "
            "'abc'::text AS lit, 'x' AS unknown_literal, d_name, n38 + 1 AS n_plus, va, t3, "
            "now() AS at_now, 1.5 AS decimal_literal, 42 AS integer_literal FROM more_types",
            "CREATE VIEW v_join AS SELECT o.line_id, e.id, e.c_varchar40 FROM \"order lines\" o "
            "LEFT JOIN every_type e ON e.id = o.line_id",
            "CREATE MATERIALIZED VIEW mv_more AS SELECT s, d_name FROM more_types",
            "CREATE TABLE parted (id serial, k integer, v varchar(9)) PARTITION BY RANGE (k)",
            "CREATE TABLE parted_1 PARTITION OF parted FOR VALUES FROM (0) TO (10)",
            "CREATE SCHEMA \"second schema\"",
            "CREATE TABLE \"second schema\".every_type (only_column integer)",
            "CREATE TABLE \"second schema\".other (x smallint, \"a b\" text, "
            "id bigint GENERATED BY DEFAULT AS IDENTITY)",
        });
    TTempDir folder;
    const std::string udl = folder.File("catalogue.udl");
    WriteDataLinkFile(udl, DataLinkProperties(*server, database));
    const std::vector<std::string> mustList = {
        "every_type",  "more_types",         "modifiers", "v_modifiers",  "bits",   "no_columns",
        "order lines", "odd \"quote\" name", "v_orders",  "v_more",       "v_join", "mv_more",
        "parted",      "parted_1",           "other",     "nested_domain"};
    // The two catalogue statements, and one each for no_columns and nested_domain.
    ExpectCatalogueReadingToEqualTableByTable(udl, 4, mustList);

    // A driver set to other sizes than its own (through the OLE DB provider for ODBC) describes
    // the catalogue query's probe columns otherwise: its own column catalogue is read instead,
    // in a third catalogue statement, and the driver describes five tables itself: those with
    // bit(n) columns (bits, modifiers, v_modifiers), no_columns and nested_domain.
    TConnectionProperties odbc;
    odbc.Set("Provider", "MSDASQL.1");
    odbc.Set("Password", server->Password);
    odbc.Set("User ID", server->User);
    odbc.Set("Extended Properties", "DRIVER={PostgreSQL Unicode};SERVER=" + server->Host +
                                        ";PORT=" + server->Port + ";DATABASE=" + database +
                                        ";BoolsAsChar=0;MaxVarcharSize=300");
    const std::string odbcUdl = folder.File("odbc.udl");
    WriteDataLinkFile(odbcUdl, odbc);
    ExpectCatalogueReadingToEqualTableByTable(odbcUdl, 8, mustList);
}

TEST(PostgreSqlLiveTest, TableTheUserMayNotReadFailsAsWhenDescribedAlone) {
    QUORVANE_REQUIRE_SERVER(server, PgPrefix, "PostgreSQL");
    const std::string database = server->Database + "_unreadable";
    RecreatePgDatabase(*server, database);
    // The owner gives up reading a table of its own: the catalogue still lists it.
    SessionOn(*server, database)
        .ExecuteAll({"CREATE TABLE readable (id integer)", "CREATE TABLE secret (id integer)",
                     "REVOKE ALL ON secret FROM CURRENT_USER"});
    TTempDir folder;
    const std::string udl = folder.File("unreadable.udl");
    WriteDataLinkFile(udl, DataLinkProperties(*server, database));
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    const std::vector<TCatalogRow> rows = source->ReadCatalogue();
    std::string alone;
    try {
        source->DescribeTable("secret");
    } catch (const EDatabaseError& error) {
        alone = error.what();
    }
    EXPECT_NE(alone.find("permission denied"), std::string::npos) << alone;
    try {
        std::vector<TCatalogRow> both;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(both),
                     [](const TCatalogRow& row) {
                         return row.TableName == "readable" || row.TableName == "secret";
                     });
        ASSERT_EQ(both.size(), 2u);
        source->DescribeTables(both);
        ADD_FAILURE() << "a table the user may not read was described";
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(std::string(error.what()), alone);
    }
}

// --- MariaDB -----------------------------------------------------------------------------------

TEST(MariaDbLiveTest, TablesViewsDatabasesAndEveryColumnType) {
    QUORVANE_REQUIRE_SERVER(server, MariaDbPrefix, "MySQLProv");
    // MariaDB's schemas are databases: the second one is a database of its own.
    const std::string database = server->Database + "_types";
    const std::string second = server->Database + "_types_second";
    TSqlSession session = SessionOn(*server, server->Database);
    session.ExecuteAll({
        "DROP DATABASE IF EXISTS `" + database + "`",
        "DROP DATABASE IF EXISTS `" + second + "`",
        "CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4",
        "CREATE DATABASE `" + second + "` CHARACTER SET utf8mb4",
        "CREATE TABLE `" + database +
            "`.every_type (id int AUTO_INCREMENT PRIMARY KEY, c_tinyint tinyint, "
            "c_utinyint tinyint unsigned, c_smallint smallint, c_mediumint mediumint, c_int int, "
            "c_uint int unsigned, c_bigint bigint, c_dec9 decimal(9,0), c_dec10 decimal(10,0), "
            "c_dec12 decimal(12,2), c_float float, c_double double, c_bit1 bit(1), "
            "c_bool boolean, c_char3 char(3), c_varchar40 varchar(40), c_text text, "
            "c_longtext longtext, c_blob blob, c_varbinary16 varbinary(16), "
            "c_binary16 binary(16), c_date date, c_time time, c_datetime datetime, "
            "c_timestamp timestamp NULL, c_year year, c_enum enum('a','bb'), c_uuid uuid, "
            "c_latin1 varchar(10) CHARACTER SET latin1)",
        "CREATE TABLE `" + database +
            "`.`order lines` (line_id int AUTO_INCREMENT PRIMARY KEY, `unit price` "
            "decimal(12,2), Note varchar(20))",
        "CREATE TABLE `" + database + "`.`odd ``quote`` name` (x int)",
        "CREATE VIEW `" + database + "`.v_orders AS SELECT line_id, `unit price` FROM `" +
            database + "`.`order lines`",
        "CREATE TABLE `" + second + "`.other_table (x smallint)",
    });

    TTempDir folder;
    const std::string udl = folder.File("mariadb.udl");
    WriteDataLinkFile(udl, DataLinkProperties(*server, database));

    // Only the data link's database is listed, though the user may read another: the server's
    // own (information_schema, performance_schema) and the second one are not.
    const std::vector<std::string> tableNames = {"every_type", "odd `quote` name", "order lines",
                                                 "v_orders"};
    const std::vector<TExpectedTable> tables = {
        {"every_type",
         {F("id", T::ftAutoInc),
          F("c_tinyint", T::ftSmallint),
          F("c_utinyint", T::ftWord), // unsigned: the provider's unsigned types
          F("c_smallint", T::ftSmallint),
          F("c_mediumint", T::ftInteger),
          F("c_int", T::ftInteger),
          F("c_uint", T::ftLargeint), // 4294967295 does not fit a signed 32-bit field
          F("c_bigint", T::ftLargeint),
          F("c_dec9", T::ftInteger),
          F("c_dec10", T::ftBCD),
          F("c_dec12", T::ftBCD, 2),
          F("c_float", T::ftFloat),
          F("c_double", T::ftFloat),
          F("c_bit1", T::ftBoolean),
          F("c_bool", T::ftSmallint), // boolean is tinyint(1)
          F("c_char3", T::ftWideString, 3, true),
          F("c_varchar40", T::ftWideString, 40),
          F("c_text", T::ftMemo),
          F("c_longtext", T::ftMemo),
          F("c_blob", T::ftBlob),
          F("c_varbinary16", T::ftVarBytes, 16),
          F("c_binary16", T::ftBytes, 16),
          F("c_date", T::ftDate),
          F("c_time", T::ftTime),
          F("c_datetime", T::ftDateTime),
          F("c_timestamp", T::ftDateTime),
          F("c_year", T::ftWord), // the driver calls a year an unsigned smallint
          F("c_enum", T::ftWideString, 2, true),
          F("c_uuid", T::ftWideString, 36, true),
          F("c_latin1", T::ftWideString, 10)}},
        {"order lines",
         {F("line_id", T::ftAutoInc), F("unit price", T::ftBCD, 2),
          F("Note", T::ftWideString, 20)}},
        {"odd `quote` name", {F("x", T::ftInteger)}},
        // Unlike PostgreSQL's, this driver reports a view's column as auto-incrementing when its
        // table's column is.
        {"v_orders", {F("line_id", T::ftAutoInc), F("unit price", T::ftBCD, 2)}},
    };
    CheckSchema(udl, tableNames, tables);
    ExpectUnknownTableError(udl, server->Password);

    // Every row of the catalogue is of the link's database: neither the server's own tables nor
    // the other database's the user may read.
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    for (const TCatalogRow& row : source->ReadCatalogue()) {
        EXPECT_EQ(row.Schema, database) << row.TableName;
    }
}

TEST(MariaDbLiveTest, GeneratedSelectTextsRunOnTheDatabase) {
    QUORVANE_REQUIRE_SERVER(server, MariaDbPrefix, "MySQLProv");
    const std::string database = server->Database + "_selects";
    TSqlSession session = SessionOn(*server, server->Database);
    session.ExecuteAll({
        "DROP DATABASE IF EXISTS `" + database + "`",
        "CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4",
        "CREATE TABLE `" + database + "`.Orders (id int)",
        "CREATE TABLE `" + database + "`.`order` (id int)",
        "CREATE TABLE `" + database + "`.`2019Sales` (id int)",
        "CREATE TABLE `" + database + "`.`Order-Lines` (id int)",
        "CREATE TABLE `" + database + "`.`Order Details` (id int)",
        "CREATE TABLE `" + database + "`.`it's` (id int)",
        "CREATE TABLE `" + database + "`.`key` (id int)",
    });
    TTempDir folder;
    const std::string udl = folder.File("mariadb.udl");
    WriteDataLinkFile(udl, DataLinkProperties(*server, database));
    ExpectSelectTextsToRun(*server, database, udl, 7);
    // A MariaDB connection lists every database the user sees: the other tests' must not find
    // this one when they run again.
    session.Execute("DROP DATABASE `" + database + "`");
}

TEST(MariaDbLiveTest, CatalogueReadingEqualsTableByTable) {
    QUORVANE_REQUIRE_SERVER(server, MariaDbPrefix, "MySQLProv");
    const std::string database = server->Database + "_catalogue";
    const std::string second = server->Database + "_catalogue_second";
    const std::string db = "`" + database + "`.";
    TSqlSession session = SessionOn(*server, server->Database);
    session.ExecuteAll({
        "DROP DATABASE IF EXISTS `" + database + "`",
        "DROP DATABASE IF EXISTS `" + second + "`",
        "CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4",
        "CREATE DATABASE `" + second + "` CHARACTER SET latin1",
        "CREATE TABLE " + db +
            "every_type (id int AUTO_INCREMENT PRIMARY KEY, c_tinyint tinyint, "
            "c_utinyint tinyint unsigned, c_smallint smallint, c_mediumint mediumint, c_int int, "
            "c_uint int unsigned, c_bigint bigint, c_dec9 decimal(9,0), c_dec10 decimal(10,0), "
            "c_dec12 decimal(12,2), c_float float, c_double double, c_bit1 bit(1), "
            "c_bool boolean, c_char3 char(3), c_varchar40 varchar(40), c_text text, "
            "c_longtext longtext, c_blob blob, c_varbinary16 varbinary(16), "
            "c_binary16 binary(16), c_date date, c_time time, c_datetime datetime, "
            "c_timestamp timestamp NULL, c_year year, c_enum enum('a','bb'), c_uuid uuid, "
            "c_latin1 varchar(10) CHARACTER SET latin1)",
        "CREATE TABLE " + db +
            "more_types (b8 bit(8), b64 bit(64), ubig bigint unsigned AUTO_INCREMENT UNIQUE, "
            "usmall smallint unsigned, umed mediumint unsigned, zf int(5) zerofill, "
            "dt6 datetime(6), t3 time(3), ts3 timestamp(3) NULL, f73 float(7,3), "
            "d102 double(10,2), f30 float(30), ttext tinytext, mtext mediumtext, "
            "lblob longblob, tblob tinyblob, mblob mediumblob, st set('x','yy','zzz'), js json, "
            "geo geometry, pt point, ip6 inet6, ip4 inet4, ch0 char(0), vc1000 varchar(1000), "
            "vbin varchar(20) COLLATE utf8mb4_bin, uc varchar(10) CHARACTER SET ucs2, "
            "l1text text CHARACTER SET latin1, l1long longtext CHARACTER SET latin1, "
            "l1char char(5) CHARACTER SET latin1, d6530 decimal(65,30), d11 decimal(1,1), "
            "ud decimal(5,2) unsigned, en enum('\xC3\xA9','ab'), bin0 binary(0), "
            "vb255 varbinary(255), c255 char(255), nv nvarchar(7), tiny1u tinyint(1) unsigned)",
        "CREATE TABLE " + db +
            "`order lines` (line_id int AUTO_INCREMENT PRIMARY KEY, `unit price` "
            "decimal(12,2), Note varchar(20))",
        "CREATE TABLE " + db + "`odd ``quote`` name` (x int)",
        "CREATE VIEW " + db + "v_orders AS SELECT line_id, `unit price` FROM " + db +
            "`order lines`",
        // Views the server merges pass the flag of a column they name on; others do not.
        "CREATE VIEW " + db +
            "v_expr AS SELECT line_id + 0 AS a, line_id AS b, "
            "`unit price` * 2 AS c, CASE WHEN line_id > 1 THEN line_id END AS d, "
            "IFNULL(line_id, 0) AS e FROM " +
            db + "`order lines`",
        "CREATE ALGORITHM=TEMPTABLE VIEW " + db + "v_temp AS SELECT line_id, Note FROM " + db +
            "`order lines`",
        "CREATE VIEW " + db + "v_group AS SELECT line_id, COUNT(*) AS n FROM " + db +
            "`order lines` GROUP BY line_id",
        "CREATE VIEW " + db + "v_distinct AS SELECT DISTINCT line_id FROM " + db + "`order lines`",
        "CREATE VIEW " + db + "v_union AS SELECT line_id FROM " + db +
            "`order lines` UNION SELECT id FROM " + db + "every_type",
        "CREATE VIEW " + db + "v_limit AS SELECT line_id FROM " + db + "`order lines` LIMIT 5",
        "CREATE VIEW " + db +
            "v_window AS SELECT line_id, ROW_NUMBER() OVER (ORDER BY "
            "line_id) AS rn FROM " +
            db + "`order lines`",
        "CREATE VIEW " + db + "v_join AS SELECT o.line_id, e.id, e.c_varchar40 FROM " + db +
            "`order lines` o LEFT JOIN " + db + "every_type e ON e.id = o.line_id",
        "CREATE VIEW " + db + "v_right AS SELECT o.line_id, e.id FROM " + db +
            "`order lines` o RIGHT JOIN " + db + "every_type e ON e.id = o.line_id",
        "CREATE VIEW " + db + "v_comma AS SELECT o.line_id, e.id FROM " + db + "`order lines` o, " +
            db + "every_type e WHERE o.line_id = e.id",
        "CREATE VIEW " + db + "v_straight AS SELECT o.line_id, e.ubig FROM " + db +
            "`order lines` o STRAIGHT_JOIN " + db + "more_types e",
        "CREATE VIEW " + db + "v_where AS SELECT line_id FROM " + db +
            "`order lines` WHERE line_id IN (SELECT MAX(id) FROM " + db +
            "every_type GROUP BY c_int) ORDER BY line_id",
        "CREATE VIEW " + db + "v_columns (first, `second one`) AS SELECT line_id, Note FROM " + db +
            "`order lines`",
        "CREATE VIEW " + db + "v_star AS SELECT * FROM " + db + "every_type",
        "CREATE VIEW " + db + "v_view AS SELECT * FROM " + db + "v_orders",
        "CREATE VIEW " + db + "v_of_temp AS SELECT line_id FROM " + db + "v_temp",
        "CREATE VIEW " + db +
            "v_literals AS SELECT 1 AS one, 'abc' AS s, NOW() AS t, "
            "CAST(1 AS DECIMAL(5,2)) AS d, NULL AS n",
        // Shapes the catalogue does not decide: the driver describes these views itself.
        "CREATE VIEW " + db + "v_derived AS SELECT x.line_id FROM (SELECT line_id FROM " + db +
            "`order lines`) x",
        "CREATE VIEW " + db + "v_select_list AS SELECT line_id, (SELECT MAX(id) FROM " + db +
            "every_type) AS mx FROM " + db + "`order lines`",
        "CREATE VIEW " + db + "v_with AS WITH c AS (SELECT line_id FROM " + db +
            "`order lines`) SELECT line_id FROM c",
        "CREATE TABLE `" + second +
            "`.other_table (x smallint, id bigint AUTO_INCREMENT "
            "PRIMARY KEY, t varchar(12))",
        "CREATE VIEW `" + second + "`.`second view` AS SELECT o.line_id, t.id, t.t FROM " + db +
            "`order lines` o JOIN `" + second + "`.other_table t ON t.x = o.line_id",
    });

    TTempDir folder;
    const std::string udl = folder.File("catalogue.udl");
    WriteDataLinkFile(udl, DataLinkProperties(*server, database));
    // The columns, the views' definitions and the keys; one statement each for the three views.
    ExpectCatalogueReadingToEqualTableByTable(udl, 6,
                                              {"every_type", "more_types", "order lines",
                                               "odd `quote` name", "v_orders", "v_expr", "v_temp",
                                               "v_join", "v_view", "v_derived", "v_with"});
    session.ExecuteAll({"DROP DATABASE `" + database + "`", "DROP DATABASE `" + second + "`"});
}

TEST(MariaDbLiveTest, ListsThreeHundredTablesCompletely) {
    QUORVANE_REQUIRE_SERVER(server, MariaDbPrefix, "MySQLProv");
    const std::string database = server->Database + "_many";
    TSqlSession session = SessionOn(*server, server->Database);
    session.ExecuteAll({"DROP DATABASE IF EXISTS `" + database + "`",
                        "CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4"});
    std::vector<std::string> tableNames;
    for (int i = 1; i <= 300; ++i) {
        const std::string number = std::to_string(i);
        tableNames.push_back("table_" + std::string(3 - number.size(), '0') + number);
        session.Execute("CREATE TABLE `" + database + "`." + tableNames.back() +
                        " (id int AUTO_INCREMENT PRIMARY KEY, name varchar(30))");
    }
    TTempDir folder;
    const std::string udl = folder.File("many.udl");
    WriteDataLinkFile(udl, DataLinkProperties(*server, database));
    // The columns, the views' definitions and the keys, whatever the number of tables.
    ExpectCatalogueReadingToEqualTableByTable(udl, 3, tableNames);
    session.Execute("DROP DATABASE `" + database + "`");
}

// --- Servers that refuse or do not answer (drivers only) ---------------------------------------

// Opens a data link for each server provider on 127.0.0.1:`port`; each must end with an
// EDatabaseError that names the server and keeps the password to itself.
void ExpectConnectionErrors(const std::string& port) {
    TTempDir folder;
    const std::string password = "Unanswered;Secret{7}";
    for (const std::string provider : {"PostgreSQL", "MySQLProv"}) {
        SCOPED_TRACE(provider);
        TServer server{provider, "127.0.0.1", port, "nobody", password, "nothing"};
        const std::string udl = folder.File(provider + ".udl");
        WriteDataLinkFile(udl, DataLinkProperties(server, server.Database));
        try {
            OpenSchemaSource("FILE NAME=" + udl);
            ADD_FAILURE() << "connected to a closed or silent port";
        } catch (const EDatabaseError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("Cannot connect to \"127.0.0.1:" + port + "\"", 0), 0u)
                << message;
            EXPECT_NE(message.find(provider), std::string::npos) << message;
            EXPECT_EQ(message.find("Secret"), std::string::npos) << message;
            // The PostgreSQL driver breaks its message with "\n\t"; it reaches the user as
            // one line.
            EXPECT_EQ(message.find_first_of("\t\n\r"), std::string::npos) << message;
        }
    }
}

TEST(OdbcServerFailureTest, RefusedConnectionEndsWithTheDriversMessage) {
    // A port that was bound and not listened on refuses at once.
    const TLoopbackSocket closed(false);
    ExpectConnectionErrors(closed.Port());
}

TEST(OdbcServerFailureTest, ServerThatNeverAnswersEndsAtTheLoginTimeOut) {
    // The connection is taken into the listening queue and then nothing comes back: only the
    // drivers' login time-outs end the wait.
    const TLoopbackSocket silent(true);
    ExpectConnectionErrors(silent.Port());
}

// The drivers' own login time-outs do not cover a server that accepts and then stays silent
// (the PostgreSQL driver would wait for ever once its connection is made, FreeTDS too, and it
// tries again with each of its protocol versions): the answer limit ends every login.
TEST(OdbcServerFailureTest, LoginToAServerThatNeverAnswersEndsAtTheAnswerLimit) {
    using namespace std::chrono_literals;
    const TLoopbackSocket silent(true);
    struct TCase {
        std::string Driver;
        std::string Provider;
        std::string DataSource;
    };
    const std::vector<TCase> cases = {
        {"PostgreSQL Unicode", "PostgreSQL", "127.0.0.1:" + silent.Port()},
        {"MariaDB Unicode", "MySQLProv", "127.0.0.1:" + silent.Port()},
        {"FreeTDS", "SQLOLEDB.1", "127.0.0.1," + silent.Port()},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Provider);
        if (std::system(("odbcinst -q -d -n '" + c.Driver + "' >/dev/null 2>&1").c_str()) != 0) {
            if (std::getenv("CI") != nullptr) {
                ADD_FAILURE() << "CI is set, but the ODBC driver " << c.Driver << " is missing";
            }
            continue;
        }
        TConnectionProperties link;
        link.Set("Provider", c.Provider);
        link.Set("Data Source", c.DataSource);
        link.Set("Initial Catalog", "shop");
        link.Set("User ID", "u");
        link.Set("Password", "p");
        const auto start = std::chrono::steady_clock::now();
        try {
            OpenOdbcSchemaSource(OdbcConnectionStringFor(link), "the silent server", 2s);
            ADD_FAILURE() << "a server that never answered let the login through";
        } catch (const EDatabaseError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Cannot connect to the silent server. The server did not answer within 2 "
                      "seconds.");
        }
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_GE(waited, 2s);
        EXPECT_LT(waited, 12s) << "the login was ended by something else than the answer limit";
    }
}

} // namespace
} // namespace quorvane
