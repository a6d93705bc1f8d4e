#pragma once

// Firebird databases for the tests, made by Debian's isql-fb (firebird3.0-utils) through the
// embedded engine or on a server, and the lock folder the embedded engine needs, kept in a
// temporary folder of the test process so that a test run leaves nothing behind.

#include "TempDir.h"
#include "schema/SchemaSource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace quorvane::testing {

/// isql-fb, or "" when it is not installed.
inline std::string IsqlProgram() {
    for (const char* candidate : {"/usr/bin/isql-fb", "/usr/local/bin/isql-fb"}) {
        if (std::filesystem::exists(candidate)) {
            return candidate;
        }
    }
    return {};
}

/// Skips the test when isql-fb is missing, or fails it on CI.
#define QUORVANE_REQUIRE_ISQL()                                                                    \
    if (::quorvane::testing::IsqlProgram().empty()) {                                              \
        if (std::getenv("CI") != nullptr) {                                                        \
            FAIL() << "CI is set but isql-fb is missing (install firebird3.0-utils)";              \
        }                                                                                          \
        GTEST_SKIP() << "isql-fb is not installed (firebird3.0-utils): no Firebird database";      \
    }

inline std::string ShellWord(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct TCommandResult {
    int Status = -1;
    std::string Output; ///< standard output and error together
};

inline TCommandResult RunCommand(const std::string& command) {
    TCommandResult result;
    if (FILE* pipe = ::popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.Output.append(buffer, count);
        }
        const int status = ::pclose(pipe);
        result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return result;
}

/// Runs `script` through isql-fb, echoing each statement (-e); `arguments` come before the
/// script (a database to connect to, -user, -password). With `stopAtError` isql-fb stops at the
/// first failed statement and this throws with its output.
inline std::string RunIsql(const std::string& script,
                           const std::vector<std::string>& arguments = {},
                           bool stopAtError = true) {
    const TTempDir folder;
    const std::string scriptFile = folder.File("script.sql");
    WriteFile(scriptFile, script);
    std::string command = ShellWord(IsqlProgram()) + " -q -e" + (stopAtError ? " -b" : "");
    for (const std::string& argument : arguments) {
        command += ' ';
        command += ShellWord(argument);
    }
    command += " -i ";
    command += ShellWord(scriptFile);
    const TCommandResult result = RunCommand(command);
    if (stopAtError && result.Status != 0) {
        throw std::runtime_error("isql-fb failed:\n" + result.Output);
    }
    return result.Output;
}

/// Makes the Firebird database file `path` through the embedded engine, with the default
/// character set `characterSet`, and runs `script` in it.
inline void CreateEmbeddedDatabase(const std::string& path, const std::string& script,
                                   const std::string& characterSet = "NONE") {
    RunIsql("SET SQL DIALECT 3;\nCREATE DATABASE '" + path + "' DEFAULT CHARACTER SET " +
            characterSet + ";\n" + script + "\nCOMMIT;\n");
}

/// Related tables for the facts and keys a back-end reads: regions with a primary key of two
/// columns declared in another order than the columns,
/// customers that refer to themselves and, by two columns, to a region, orders with two keys to
/// the customers and an identity key, a log without any key, and a view. NOT NULL comes from a
/// column or its domain, with or without a default; the comments hold an apostrophe and letters
/// beyond ASCII, and one is longer than a row holds. A domain's comment is no column's. (Firebird
/// makes the columns of a primary key NOT NULL of themselves, so the NOT NULL domain is checked
/// on a customer's country, which is no key of its own.)
inline std::string KeysAndFactsSchema() {
    return "CREATE DOMAIN D_CODE AS CHAR(2) NOT NULL;\n"
           "CREATE DOMAIN D_QTY AS INTEGER DEFAULT 1;\n"
           "COMMENT ON DOMAIN D_QTY IS 'A quantity';\n"
           "CREATE TABLE REGIONS (COUNTRY D_CODE, CODE INTEGER NOT NULL,\n"
           "  NAME VARCHAR(30) DEFAULT '' NOT NULL, CONSTRAINT PK_REGIONS PRIMARY KEY (CODE, "
           "COUNTRY));\n"
           "CREATE TABLE CUSTOMERS (ID INTEGER NOT NULL PRIMARY KEY, NAME VARCHAR(40) NOT NULL,\n"
           "  COUNTRY D_CODE, REGION INTEGER, REFERRER INTEGER REFERENCES CUSTOMERS,\n"
           "  CREATED TIMESTAMP DEFAULT CURRENT_TIMESTAMP,\n"
           "  FOREIGN KEY (REGION, COUNTRY) REFERENCES REGIONS);\n"
           "CREATE TABLE ORDERS (ID INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY,\n"
           "  BUYER INTEGER NOT NULL REFERENCES CUSTOMERS (ID), PAYER INTEGER REFERENCES "
           "CUSTOMERS,\n"
           "  QTY D_QTY, TOTAL NUMERIC(12,2) DEFAULT 0 NOT NULL);\n"
           "CREATE TABLE \"Log\" (LOGGED TIMESTAMP, ENTRY VARCHAR(100));\n"
           "CREATE VIEW BIG_BUYERS AS SELECT ID, NAME FROM CUSTOMERS;\n"
           "COMMENT ON COLUMN CUSTOMERS.NAME IS 'The customer''s name, Gr\xC3\xB6\xC3\x9F"
           "e \xE2\x82\xAC';\n"
           "COMMENT ON COLUMN \"Log\".ENTRY IS '\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD"
           "\xCE\xB9\xCE\xBA\xCE\xAC';\n"
           "COMMENT ON COLUMN \"Log\".LOGGED IS '" +
           std::string(9000, 'z') +
           "';\n"
           "COMMENT ON COLUMN BIG_BUYERS.NAME IS 'Shown name';\n";
}

/// Compares the facts of every column and the keys of every table of KeysAndFactsSchema as
/// `source` reads them with what the schema says.
inline void CheckKeysAndFacts(ISchemaSource& source) {
    struct TFacts {
        std::string Column;
        std::optional<bool> NotNull;
        std::optional<bool> HasDefault;
        std::string Comment;
    };
    const std::string name = "The customer's name, Gr\xC3\xB6\xC3\x9F"
                             "e \xE2\x82\xAC";
    const std::string greek = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC";
    const std::vector<std::pair<std::string, std::vector<TFacts>>> tables = {
        {"REGIONS",
         {{"COUNTRY", true, false, ""}, {"CODE", true, false, ""}, {"NAME", true, true, ""}}},
        {"CUSTOMERS",
         {{"ID", true, false, ""},
          {"NAME", true, false, name},
          {"COUNTRY", true, false, ""},
          {"REGION", false, false, ""},
          {"REFERRER", false, false, ""},
          {"CREATED", false, true, ""}}},
        // An identity column is NOT NULL of itself; the domain's default is the column's.
        {"ORDERS",
         {{"ID", true, false, ""},
          {"BUYER", true, false, ""},
          {"PAYER", false, false, ""},
          {"QTY", false, true, ""},
          {"TOTAL", true, true, ""}}},
        {"Log", {{"LOGGED", false, false, std::string(9000, 'z')}, {"ENTRY", false, false, greek}}},
        // Whether a view's column may be empty Firebird does not record; its comment it does.
        {"BIG_BUYERS",
         {{"ID", std::nullopt, std::nullopt, ""},
          {"NAME", std::nullopt, std::nullopt, "Shown name"}}},
    };
    std::vector<TCatalogRow> rows;
    for (const auto& [table, columns] : tables) {
        rows.push_back({table, table == "BIG_BUYERS" ? "VIEW" : "TABLE", ""});
    }
    // All at once, as a run reads them, and each on its own: the same either way.
    const std::vector<TTableDescription> described = source.DescribeTables(rows);
    ASSERT_EQ(described.size(), tables.size());
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const auto& [table, columns] = tables[t];
        SCOPED_TRACE(table);
        const TTableDescription single = source.DescribeTable(table);
        EXPECT_EQ(single.Keys, described[t].Keys);
        const std::vector<TFieldDescriptor> fields = DescribeFields(described[t]);
        ASSERT_EQ(fields.size(), columns.size());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const TFacts& expected = columns[c];
            EXPECT_EQ(fields[c].FieldName, expected.Column);
            EXPECT_EQ(fields[c].Facts,
                      (TColumnFacts{expected.NotNull, expected.HasDefault, expected.Comment}))
                << expected.Column;
            EXPECT_EQ(single.Columns.at(c).Facts, fields[c].Facts) << expected.Column;
        }
    }

    using Keys = std::vector<TForeignKey>;
    using Names = std::vector<std::string>;
    const std::vector<TTableKeys> keys = {
        {Names{"CODE", "COUNTRY"}, Keys{}},
        {Names{"ID"}, Keys{{{"REFERRER"}, "", "CUSTOMERS", {"ID"}},
                           {{"REGION", "COUNTRY"}, "", "REGIONS", {"CODE", "COUNTRY"}}}},
        {Names{"ID"},
         Keys{{{"BUYER"}, "", "CUSTOMERS", {"ID"}}, {{"PAYER"}, "", "CUSTOMERS", {"ID"}}}},
        {Names{}, Keys{}}, // known to have none
        {},                // a view has no keys of its own
    };
    for (std::size_t t = 0; t < keys.size(); ++t) {
        SCOPED_TRACE(tables[t].first);
        EXPECT_EQ(described[t].Keys, keys[t]);
    }
}

/// The embedded engine's lock folder: a temporary one for the whole test process (FIREBIRD_LOCK
/// is read once, when the engine starts), so that no test leaves lock files in /tmp/firebird or
/// in the user's own folder. isql-fb and quorvane-gen started by the tests inherit it.
class TFirebirdLockFolder : public ::testing::Environment {
public:
    void SetUp() override {
        FFolder = std::make_unique<TTempDir>();
        ::setenv("FIREBIRD_LOCK", FFolder->File("lock").c_str(), 1);
        std::filesystem::create_directories(FFolder->File("lock"));
    }
    void TearDown() override { FFolder.reset(); }

private:
    std::unique_ptr<TTempDir> FFolder;
};

} // namespace quorvane::testing
