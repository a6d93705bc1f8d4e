#pragma once

// Builds small SQLite database files for the tests of the SQLite back-end.

#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace quorvane {

/// Creates (or opens) the SQLite file at `path` and runs `sql` on it, statement after statement.
inline void CreateSqliteFile(const std::string& path, const std::string& sql) {
    sqlite3* database = nullptr;
    if (sqlite3_open_v2(path.c_str(), &database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const std::string message = database != nullptr ? sqlite3_errmsg(database) : "no memory";
        sqlite3_close(database);
        throw std::runtime_error("Cannot create " + path + ": " + message);
    }
    char* error = nullptr;
    if (sqlite3_exec(database, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error != nullptr ? error : "unknown error";
        sqlite3_free(error);
        sqlite3_close(database);
        throw std::runtime_error("Cannot set up " + path + ": " + message);
    }
    sqlite3_close(database);
}

} // namespace quorvane
