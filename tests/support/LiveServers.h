#pragma once

// The live servers the database tests connect to, and a connection of the tests' own that makes
// the schemas they read.
//
// The servers come from scripts/db-servers (`eval "$(scripts/db-servers start)"`), through the
// variables QUORVANE_TEST_PG_* and QUORVANE_TEST_MARIADB_* (HOST, PORT, USER, PASSWORD and
// DATABASE each). Without them a test that needs a server is skipped, unless CI is set: there it
// fails, because CI starts the servers and must test them.

#include "datalink/OdbcConnectionString.h"
#include "schema/odbc/OdbcConfiguration.h"
#include "text/ConnectionText.h"

#include <gtest/gtest.h>

#include <sql.h>
#include <sqlext.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quorvane::testing {

// --- Server coordinates ------------------------------------------------------------------------

struct TServer {
    std::string Provider; // as a data-link file names it
    std::string Host;
    std::string Port;
    std::string User;
    std::string Password;
    std::string Database;
};

inline constexpr const char* PgPrefix = "QUORVANE_TEST_PG_";
inline constexpr const char* MariaDbPrefix = "QUORVANE_TEST_MARIADB_";

/// The server whose variables start with `prefix`; none when one of them is missing or empty,
/// and then `missing` names every one that is.
inline std::optional<TServer> ServerFromEnvironment(const std::string& prefix,
                                                    const std::string& provider,
                                                    std::string& missing) {
    TServer server;
    server.Provider = provider;
    const std::vector<std::pair<std::string, std::string*>> variables = {
        {"HOST", &server.Host},         {"PORT", &server.Port},         {"USER", &server.User},
        {"PASSWORD", &server.Password}, {"DATABASE", &server.Database},
    };
    for (const auto& [name, value] : variables) {
        const char* text = std::getenv((prefix + name).c_str());
        if (text == nullptr || *text == '\0') {
            missing += (missing.empty() ? "" : ", ") + prefix + name;
        } else {
            *value = text;
        }
    }
    if (!missing.empty()) {
        return std::nullopt;
    }
    return server;
}

// Skips the test when the server is not configured, or fails it on CI.
#define QUORVANE_REQUIRE_SERVER(server, prefix, provider)                                          \
    std::string missing_##server;                                                                  \
    const std::optional<::quorvane::testing::TServer> server =                                     \
        ::quorvane::testing::ServerFromEnvironment(prefix, provider, missing_##server);            \
    if (!server) {                                                                                 \
        if (std::getenv("CI") != nullptr) {                                                        \
            FAIL() << "CI is set but the server variables are missing: " << missing_##server       \
                   << " (start the servers with scripts/db-servers start)";                        \
        }                                                                                          \
        GTEST_SKIP() << "No server configured (missing " << missing_##server                       \
                     << "); start one with: eval \"$(scripts/db-servers start)\"";                 \
    }

/// The data link a user would make for `database` on `server`.
inline TConnectionProperties DataLinkProperties(const TServer& server,
                                                const std::string& database) {
    TConnectionProperties properties;
    properties.Set("Provider", server.Provider);
    properties.Set("Password", server.Password);
    properties.Set("Persist Security Info", "True");
    properties.Set("User ID", server.User);
    properties.Set("Initial Catalog", database);
    properties.Set("Data Source", server.Host + ":" + server.Port);
    return properties;
}

// --- Setting up a schema through ODBC ----------------------------------------------------------

struct TEnvironmentFree {
    void operator()(SQLHANDLE handle) const noexcept { SQLFreeHandle(SQL_HANDLE_ENV, handle); }
};
struct TConnectionFree {
    void operator()(SQLHANDLE handle) const noexcept {
        SQLDisconnect(handle); // nothing happens when it never connected
        SQLFreeHandle(SQL_HANDLE_DBC, handle);
    }
};
struct TStatementFree {
    void operator()(SQLHANDLE handle) const noexcept { SQLFreeHandle(SQL_HANDLE_STMT, handle); }
};
using TEnvironment = std::unique_ptr<void, TEnvironmentFree>;
using TConnection = std::unique_ptr<void, TConnectionFree>;
using TStatement = std::unique_ptr<void, TStatementFree>;

/// The driver's diagnostic records of `handle`, each as " [state] message".
inline std::string Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
    std::string text;
    SQLCHAR state[6] = {};
    SQLCHAR message[1024] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1; SQL_SUCCEEDED(
             SQLGetDiagRec(type, handle, record, state, &native, message, sizeof message, &length));
         ++record) {
        text += std::string(" [") + reinterpret_cast<const char*>(state) + "] " +
                reinterpret_cast<const char*>(message);
    }
    return text;
}

/// A connection of the test's own that runs the statements making a schema.
class TSqlSession {
public:
    explicit TSqlSession(const std::string& connectionString) {
        // The driver manager's configuration as the engine gives it, so that the test's own
        // connections leave no driver log either.
        const TOdbcConfigurationGuard configuration;
        SQLHANDLE handle = SQL_NULL_HANDLE;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &handle))) {
            throw std::runtime_error("cannot start the ODBC driver manager");
        }
        FEnvironment.reset(handle);
        SQLSetEnvAttr(handle, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, FEnvironment.get(), &handle))) {
            throw std::runtime_error("cannot make an ODBC connection handle");
        }
        FConnection.reset(handle);
        std::string text = connectionString;
        if (!SQL_SUCCEEDED(SQLDriverConnect(handle, nullptr,
                                            reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS,
                                            nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT))) {
            throw std::runtime_error("the test cannot connect:" +
                                     Diagnostics(SQL_HANDLE_DBC, handle));
        }
    }

    void Execute(const std::string& sql) {
        SQLHANDLE handle = SQL_NULL_HANDLE;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, FConnection.get(), &handle))) {
            throw std::runtime_error("cannot make an ODBC statement handle");
        }
        const TStatement statement(handle);
        std::string text = sql;
        const SQLRETURN result =
            SQLExecDirect(handle, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
        // SQL_NO_DATA: a statement that touched no row, such as DROP ... IF EXISTS of nothing.
        if (!SQL_SUCCEEDED(result) && result != SQL_NO_DATA) {
            throw std::runtime_error("the test's statement failed: " + sql +
                                     Diagnostics(SQL_HANDLE_STMT, handle));
        }
    }

    void ExecuteAll(const std::vector<std::string>& statements) {
        for (const std::string& sql : statements) {
            Execute(sql);
        }
    }

private:
    // Declared in this order so that the connection is closed before its environment is freed.
    TEnvironment FEnvironment;
    TConnection FConnection;
};

/// A session on `database` of `server`, connected as the server's data link would be.
inline TSqlSession SessionOn(const TServer& server, const std::string& database) {
    return TSqlSession(OdbcConnectionStringFor(DataLinkProperties(server, database)));
}

/// Makes PostgreSQL database `database` afresh, dropping an earlier run's.
inline void RecreatePgDatabase(const TServer& server, const std::string& database) {
    TSqlSession admin = SessionOn(server, server.Database);
    admin.Execute("DROP DATABASE IF EXISTS \"" + database + "\"");
    admin.Execute("CREATE DATABASE \"" + database + "\"");
}

} // namespace quorvane::testing
