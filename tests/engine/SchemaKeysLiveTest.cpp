// What a run learns of keys and columns beyond their types on real servers: each table's
// primary key in key order and its foreign keys (composite, to itself, two to one table, to a
// table of another schema or database), no keys for a table without them, unknown keys for a
// view; each column's NOT NULL, whether it has a default, and its comment. All of it comes from
// catalogue-wide queries, in as many statements for one table as for many, and reaches the
// tables the driver describes itself too.
//
// The servers come from scripts/db-servers, through the same variables as LiveServerTest.cpp
// (QUORVANE_TEST_PG_* and QUORVANE_TEST_MARIADB_*). Without them the tests are skipped, unless
// CI is set: there they fail.

#include "LiveServers.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "generate/dmCodeGenerator.h"
#include "schema/SchemaSnapshot.h"
#include "schema/SnapshotText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {
namespace {

using testing::DataLinkProperties;
using testing::MariaDbPrefix;
using testing::PgPrefix;
using testing::RecreatePgDatabase;
using testing::SessionOn;
using testing::TServer;
using testing::TSqlSession;

// The comment of customer.name on both servers: an apostrophe, a dash and umlauts.
const std::string NameComment = "The customer's name \xE2\x80\x94 Gr\xC3\xB6\xC3\x9F"
                                "e";

std::string DataLinkFile(const TTempDir& folder, const TServer& server,
                         const std::string& database) {
    const std::string udl = folder.File(database + ".udl");
    WriteDataLinkFile(udl, DataLinkProperties(server, database));
    return udl;
}

TSchemaSnapshot SnapshotOf(const std::string& udl) {
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    return ReadSchemaSnapshot(*source);
}

std::map<std::string, const TSnapshotTable*>
TablesByQualifiedName(const TSchemaSnapshot& snapshot) {
    std::map<std::string, const TSnapshotTable*> tables;
    for (const TSnapshotTable& table : snapshot.Tables) {
        EXPECT_TRUE(tables.emplace(table.QualifiedName(), &table).second)
            << "listed twice: " << table.QualifiedName();
    }
    return tables;
}

std::string Flag(const std::optional<bool>& value) {
    return value ? (*value ? "yes" : "no") : "unknown";
}

// Each field's facts as a line, so that a failure shows them all.
std::vector<std::string> FactsOf(const TSnapshotTable& table) {
    std::vector<std::string> lines;
    for (const TFieldDescriptor& field : table.Fields) {
        lines.push_back(field.FieldName + ": not null " + Flag(field.Facts.NotNull) + ", default " +
                        Flag(field.Facts.HasDefault) + ", comment " +
                        (field.Facts.Comment ? "[" + *field.Facts.Comment + "]" : "unknown"));
    }
    return lines;
}

std::string Facts(const std::string& name, bool notNull, bool hasDefault,
                  const std::string& comment = "") {
    return name + ": not null " + (notNull ? "yes" : "no") + ", default " +
           (hasDefault ? "yes" : "no") + ", comment [" + comment + "]";
}

const TSnapshotTable& TableNamed(const std::map<std::string, const TSnapshotTable*>& tables,
                                 const std::string& name) {
    static const TSnapshotTable Missing;
    const auto found = tables.find(name);
    EXPECT_NE(found, tables.end()) << name;
    return found == tables.end() ? Missing : *found->second;
}

using TKeyList = std::optional<std::vector<std::string>>;
using TForeignKeys = std::optional<std::vector<TForeignKey>>;
const TKeyList NoPrimaryKey = std::vector<std::string>{};
const TForeignKeys NoForeignKeys = std::vector<TForeignKey>{};

// The tables both servers get: `other` is the schema (PostgreSQL) or database (MariaDB) of the
// country table, `here` the one of the others. Foreign keys are named so that their order (by
// name) is the same on both servers.
void ExpectKeys(const TSchemaSnapshot& snapshot, const std::string& here, const std::string& other,
                const std::optional<std::string>& countryName) {
    const auto tables = TablesByQualifiedName(snapshot);
    const TSnapshotTable& customer = TableNamed(tables, "customer");
    EXPECT_EQ(customer.Keys.PrimaryKey, TKeyList(std::vector<std::string>{"id"}));
    EXPECT_EQ(customer.Keys.ForeignKeys, TForeignKeys(std::vector<TForeignKey>{
                                             {{"country"}, other, "country", {"code"}},
                                             {{"referrer"}, here, "customer", {"id"}}, // itself
                                         }));
    // The primary key in key order, not in the order of the columns.
    const TSnapshotTable& orders = TableNamed(tables, "orders");
    EXPECT_EQ(orders.Keys.PrimaryKey, TKeyList(std::vector<std::string>{"no", "year"}));
    EXPECT_EQ(orders.Keys.ForeignKeys, NoForeignKeys);
    const TSnapshotTable& line = TableNamed(tables, "order_line");
    EXPECT_EQ(line.Keys.PrimaryKey,
              TKeyList(std::vector<std::string>{"order_year", "order_no", "line"}));
    EXPECT_EQ(line.Keys.ForeignKeys,
              TForeignKeys(std::vector<TForeignKey>{
                  {{"order_no", "order_year"}, here, "orders", {"no", "year"}},
                  {{"billed_to"}, here, "customer", {"id"}},
                  {{"shipped_to"}, here, "customer", {"id"}},
              }));
    const TSnapshotTable& log = TableNamed(tables, "event_log");
    EXPECT_EQ(log.Keys.PrimaryKey, NoPrimaryKey);
    EXPECT_EQ(log.Keys.ForeignKeys, NoForeignKeys);
    if (countryName) {
        const TSnapshotTable& country = TableNamed(tables, *countryName);
        EXPECT_EQ(country.Keys.PrimaryKey, TKeyList(std::vector<std::string>{"code"}));
        EXPECT_EQ(country.Keys.ForeignKeys, NoForeignKeys);
    }
    // A view's rows have no keys the catalogue knows of.
    const TSnapshotTable& view = TableNamed(tables, "customer_names");
    EXPECT_EQ(view.Type, "VIEW");
    EXPECT_FALSE(view.Keys.PrimaryKey.has_value());
    EXPECT_FALSE(view.Keys.ForeignKeys.has_value());

    EXPECT_EQ(FactsOf(line), (std::vector<std::string>{
                                 Facts("order_year", true, false),
                                 Facts("order_no", true, false),
                                 Facts("line", true, false),
                                 Facts("billed_to", false, false),
                                 Facts("shipped_to", false, false),
                             }));
    EXPECT_EQ(FactsOf(log), (std::vector<std::string>{Facts("at", true, true, "when it happened"),
                                                      Facts("message", false, false)}));
}

// Reads the catalogue and describes `count` of its tables (all of them without one), returning
// the statements the description took.
std::uint64_t StatementsToDescribe(const std::string& udl, std::optional<std::string> only) {
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    std::vector<TCatalogRow> rows = source->ReadCatalogue();
    std::erase_if(rows, [&only](const TCatalogRow& row) {
        return !IsGeneratedTableType(row.TableType) || (only && row.TableName != *only);
    });
    EXPECT_EQ(rows.empty(), false);
    const std::uint64_t before = source->StatementsSent();
    const std::vector<TTableDescription> tables = source->DescribeTables(rows);
    EXPECT_EQ(tables.size(), rows.size());
    return source->StatementsSent() - before;
}

// A snapshot of the tables `list` chooses says of each what the snapshot of all of them says,
// keys to tables it leaves out and views' counters included, and takes as many statements
// (`statements`, the catalogue's own among them).
void ExpectChosenTablesToReadAsInTheWhole(const std::string& udl, const std::string& list,
                                          const std::vector<std::string>& chosenNames,
                                          std::uint64_t statements) {
    TSchemaSnapshot whole = SnapshotOf(udl);
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    const std::uint64_t before = source->StatementsSent();
    const TSchemaSnapshot chosen = ReadSchemaSnapshot(*source, TTableSelection(list, ""));
    EXPECT_EQ(source->StatementsSent() - before, statements);
    std::vector<std::string> names;
    for (const TSnapshotTable& table : chosen.Tables) {
        names.push_back(table.QualifiedName());
    }
    EXPECT_EQ(names, chosenNames);
    std::erase_if(whole.Tables, [&chosenNames](const TSnapshotTable& table) {
        return std::find(chosenNames.begin(), chosenNames.end(), table.QualifiedName()) ==
               chosenNames.end();
    });
    EXPECT_EQ(SnapshotText(chosen), SnapshotText(whole));
}

TEST(SchemaKeysLiveTest, PostgreSqlKeysAndColumnFacts) {
    QUORVANE_REQUIRE_SERVER(server, PgPrefix, "PostgreSQL");
    const std::string database = server->Database + "_keys";
    RecreatePgDatabase(*server, database);
    TSqlSession session = SessionOn(*server, database);
    session.ExecuteAll({
        "CREATE SCHEMA geo",
        "CREATE TABLE geo.country (code char(2) PRIMARY KEY, label text)",
        "CREATE TABLE customer (id serial PRIMARY KEY, name varchar(40) NOT NULL, "
        "country char(2), status smallint NOT NULL DEFAULT 1, referrer int, note text "
        "DEFAULT 'none', CONSTRAINT fk_country FOREIGN KEY (country) REFERENCES "
        "geo.country (code), CONSTRAINT fk_referrer FOREIGN KEY (referrer) REFERENCES customer)",
        "COMMENT ON COLUMN customer.name IS 'The customer''s name \xE2\x80\x94 "
        "Gr\xC3\xB6\xC3\x9F"
        "e'",
        "COMMENT ON COLUMN customer.note IS 'a/b\\c'",
        "CREATE TABLE orders (year int NOT NULL, no int NOT NULL, customer int NOT NULL, "
        "PRIMARY KEY (no, year))",
        "CREATE TABLE order_line (order_year int, order_no int, line smallint, billed_to int, "
        "shipped_to int, PRIMARY KEY (order_year, order_no, line), "
        "CONSTRAINT a_order FOREIGN KEY (order_no, order_year) REFERENCES orders (no, year), "
        "CONSTRAINT b_billed FOREIGN KEY (billed_to) REFERENCES customer (id), "
        "CONSTRAINT c_shipped FOREIGN KEY (shipped_to) REFERENCES customer (id))",
        "CREATE TABLE event_log (at timestamp NOT NULL DEFAULT now(), message text)",
        "COMMENT ON COLUMN event_log.at IS 'when it happened'",
        "CREATE VIEW customer_names AS SELECT id, name FROM customer",
        // A column of a domain over a domain: the driver describes this table itself.
        "CREATE DOMAIN code_base AS int",
        "CREATE DOMAIN code_kind AS code_base",
        "CREATE TABLE nested (id code_kind PRIMARY KEY, owner int NOT NULL DEFAULT 0 "
        "REFERENCES customer)",
        "COMMENT ON COLUMN nested.owner IS 'owner''s id'",
    });
    TTempDir folder;
    const std::string udl = DataLinkFile(folder, *server, database);
    const TSchemaSnapshot snapshot = SnapshotOf(udl);
    ExpectKeys(snapshot, "public", "geo", "geo.country");

    const auto tables = TablesByQualifiedName(snapshot);
    // PostgreSQL keeps no NOT NULL of a view's columns, nor their tables' comments.
    EXPECT_EQ(FactsOf(TableNamed(tables, "customer_names")),
              (std::vector<std::string>{Facts("id", false, false), Facts("name", false, false)}));
    // serial is NOT NULL with a default; a comment with a slash and a backslash comes whole.
    EXPECT_EQ(FactsOf(TableNamed(tables, "customer")),
              (std::vector<std::string>{
                  Facts("id", true, true), Facts("name", true, false, NameComment),
                  Facts("country", false, false), Facts("status", true, true),
                  Facts("referrer", false, false), Facts("note", false, true, "a/b\\c")}));
    const TSnapshotTable& nested = TableNamed(tables, "nested");
    EXPECT_EQ(nested.Keys.PrimaryKey, TKeyList(std::vector<std::string>{"id"}));
    EXPECT_EQ(nested.Keys.ForeignKeys,
              TForeignKeys(std::vector<TForeignKey>{{{"owner"}, "public", "customer", {"id"}}}));
    EXPECT_EQ(FactsOf(nested),
              (std::vector<std::string>{Facts("id", true, false),
                                        Facts("owner", true, true, "owner's id")}));
    EXPECT_TRUE(snapshot.Warnings.empty()) << snapshot.Warnings.front();

    // The columns query and the unreadable tables, for one table as for all of them.
    EXPECT_EQ(StatementsToDescribe(udl, "orders"), 2u);
    EXPECT_EQ(StatementsToDescribe(udl, std::nullopt), 2u + 1u); // and nested, by the driver
    // The foreign keys of order_line refer to tables that are not chosen; the table list, the
    // columns query and the unreadable tables.
    ExpectChosenTablesToReadAsInTheWhole(udl, "ORDER_LINE, customer_names, geo.*",
                                         {"geo.country", "customer_names", "order_line"}, 3);
}

TEST(SchemaKeysLiveTest, MariaDbKeysAndColumnFacts) {
    QUORVANE_REQUIRE_SERVER(server, MariaDbPrefix, "MySQLProv");
    const std::string database = server->Database + "_keys";
    const std::string geo = server->Database + "_keys_geo";
    TSqlSession session = SessionOn(*server, server->Database);
    const std::string db = "`" + database + "`.";
    session.ExecuteAll({
        "DROP DATABASE IF EXISTS `" + database + "`",
        "DROP DATABASE IF EXISTS `" + geo + "`",
        "CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4",
        "CREATE DATABASE `" + geo + "` CHARACTER SET utf8mb4",
        "CREATE TABLE `" + geo + "`.country (code char(2) PRIMARY KEY, label text)",
        "CREATE TABLE " + db +
            "customer (id int AUTO_INCREMENT PRIMARY KEY, name varchar(40) NOT NULL COMMENT "
            "'The customer''s name \xE2\x80\x94 Gr\xC3\xB6\xC3\x9F"
            "e', country char(2), status smallint NOT NULL DEFAULT 1, referrer int, "
            "note varchar(10) DEFAULT 'NULL' COMMENT 'a/b\\\\c', "
            "CONSTRAINT fk_country FOREIGN KEY (country) REFERENCES `" +
            geo + "`.country (code), CONSTRAINT fk_referrer FOREIGN KEY (referrer) REFERENCES " +
            db + "customer (id))",
        "CREATE TABLE " + db +
            "orders (year int NOT NULL, no int NOT NULL, customer int NOT NULL, "
            "PRIMARY KEY (no, year))",
        "CREATE TABLE " + db +
            "order_line (order_year int, order_no int, line smallint, billed_to int, "
            "shipped_to int, PRIMARY KEY (order_year, order_no, line), "
            "CONSTRAINT a_order FOREIGN KEY (order_no, order_year) REFERENCES " +
            db + "orders (no, year), CONSTRAINT b_billed FOREIGN KEY (billed_to) REFERENCES " + db +
            "customer (id), CONSTRAINT c_shipped FOREIGN KEY (shipped_to) REFERENCES " + db +
            "customer (id))",
        "CREATE TABLE " + db +
            "event_log (at timestamp NOT NULL DEFAULT current_timestamp() COMMENT "
            "'when it happened', message text, UNIQUE KEY (message(20)))",
        "CREATE VIEW " + db + "customer_names AS SELECT id, name FROM " + db + "customer",
    });
    TTempDir folder;
    const std::string udl = DataLinkFile(folder, *server, database);
    const TSchemaSnapshot snapshot = SnapshotOf(udl);
    // The data link names one database: the country table is only referred to.
    ExpectKeys(snapshot, database, geo, std::nullopt);
    const auto tables = TablesByQualifiedName(snapshot);
    // MariaDB gives a view's columns the NOT NULL and the comments of the columns they show;
    // the defaults it gives them are its own making (0 for the counter), left unknown.
    EXPECT_EQ(FactsOf(TableNamed(tables, "customer_names")),
              (std::vector<std::string>{"id: not null yes, default unknown, comment []",
                                        "name: not null yes, default unknown, comment [" +
                                            NameComment + "]"}));

    // An auto-increment column has no default of its own; the text 'NULL' is a default, the
    // nullable column without one has none.
    EXPECT_EQ(FactsOf(TableNamed(tables, "customer")),
              (std::vector<std::string>{
                  Facts("id", true, false), Facts("name", true, false, NameComment),
                  Facts("country", false, false), Facts("status", true, true),
                  Facts("referrer", false, false), Facts("note", false, true, "a/b\\c")}));
    EXPECT_FALSE(tables.contains("country"));
    EXPECT_TRUE(snapshot.Warnings.empty()) << snapshot.Warnings.front();

    // The columns, the views' definitions and the keys, for one table as for all of them.
    EXPECT_EQ(StatementsToDescribe(udl, "orders"), 3u);
    EXPECT_EQ(StatementsToDescribe(udl, std::nullopt), 3u);
    // The view's id counts up as customer.id does, which is not chosen; with the table list.
    ExpectChosenTablesToReadAsInTheWhole(udl, "customer_names, Order_Line",
                                         {"customer_names", "order_line"}, 4);
    ExpectChosenTablesToReadAsInTheWhole(udl, "orders", {"orders"}, 4);
    session.ExecuteAll({"DROP DATABASE `" + database + "`", "DROP DATABASE `" + geo + "`"});
}

} // namespace
} // namespace quorvane
