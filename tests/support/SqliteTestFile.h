#pragma once

// Builds small SQLite database files for the tests of the SQLite back-end.

#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <vector>

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

/// Makes a database in WAL mode at `path`: `checkpointed` goes into the file itself, `inWal`
/// stays in its "-wal" (with its "-shm"), as a program that still has the database open, or was
/// killed, leaves it.
inline void CreateWalSqliteFile(const std::string& path, const std::string& checkpointed,
                                const std::string& inWal) {
    CreateSqliteFile(path, "PRAGMA journal_mode=WAL;" + checkpointed);
    sqlite3* database = nullptr;
    sqlite3_open_v2(path.c_str(), &database, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    char* error = nullptr;
    if (sqlite3_exec(database, inWal.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error != nullptr ? error : "unknown error";
        sqlite3_free(error);
        sqlite3_close(database);
        throw std::runtime_error("Cannot write the -wal of " + path + ": " + message);
    }
    sqlite3_close(database);
}

/// The schema and every row of the SQLite database at `path` as text, table by table: two files
/// hold the same database when their texts are equal, whatever their bytes. `immutable` reads
/// the file alone, with no "-wal" and no files made beside it (for a copy that has none).
inline std::string SqliteContentOf(const std::string& path, bool immutable = false) {
    sqlite3* database = nullptr;
    const std::string uri = "file:" + path + (immutable ? "?immutable=1" : "?mode=ro");
    if (sqlite3_open_v2(uri.c_str(), &database, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(database);
        throw std::runtime_error("Cannot open " + path);
    }
    std::string content;
    auto each = [&](const std::string& sql, auto&& row) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(database, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            const std::string message = sqlite3_errmsg(database);
            sqlite3_close(database);
            throw std::runtime_error("Cannot read " + path + ": " + message);
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            row(statement);
        }
        sqlite3_finalize(statement);
    };
    std::vector<std::string> tables;
    each("SELECT name, type, sql FROM sqlite_master ORDER BY name", [&](sqlite3_stmt* row) {
        for (int column = 0; column < 3; ++column) {
            const auto* text = sqlite3_column_text(row, column);
            content += text != nullptr ? reinterpret_cast<const char*>(text) : "NULL";
            content += '\t';
        }
        content += '\n';
        if (std::string(reinterpret_cast<const char*>(sqlite3_column_text(row, 1))) == "table") {
            tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(row, 0)));
        }
    });
    for (const std::string& table : tables) {
        content += table + ":\n";
        each("SELECT * FROM \"" + table + "\" ORDER BY rowid", [&](sqlite3_stmt* row) {
            for (int column = 0; column < sqlite3_column_count(row); ++column) {
                const auto* text = sqlite3_column_text(row, column);
                content += text != nullptr ? reinterpret_cast<const char*>(text) : "NULL";
                content += '\t';
            }
            content += '\n';
        });
    }
    sqlite3_close(database);
    return content;
}

} // namespace quorvane
