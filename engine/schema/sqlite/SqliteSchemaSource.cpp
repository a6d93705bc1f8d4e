#include "schema/sqlite/SqliteSchemaSource.h"

#include "io/FileCopy.h"
#include "io/PrivateFolder.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace quorvane {

namespace {

struct TSqliteCloser {
    void operator()(sqlite3* database) const noexcept { sqlite3_close_v2(database); }
};
struct TStatementFinalizer {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};
struct TBackupFinisher {
    void operator()(sqlite3_backup* backup) const noexcept { sqlite3_backup_finish(backup); }
};
using TDatabaseHandle = std::unique_ptr<sqlite3, TSqliteCloser>;
using TStatementHandle = std::unique_ptr<sqlite3_stmt, TStatementFinalizer>;
using TBackupHandle = std::unique_ptr<sqlite3_backup, TBackupFinisher>;

// Sizes SQL gives a character or binary type written without one.
constexpr std::int64_t DefaultFixedLength = 1;
constexpr std::int64_t DefaultVaryingLength = 255;
constexpr int DefaultNumericPrecision = 18;
constexpr int CurrencyPrecision = 19;
constexpr int CurrencyScale = 4;
constexpr int BusyTimeoutMilliseconds = 5000;

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const auto* text = sqlite3_column_text(statement, column);
    return text == nullptr
               ? std::string()
               : std::string(reinterpret_cast<const char*>(text),
                             static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

// The base name of a declared type in upper case with single blanks ("DOUBLE PRECISION"), and
// the numbers in its parentheses.
void SplitDeclaredType(std::string_view declared, std::string& baseName,
                       std::vector<std::int64_t>& numbers) {
    const std::size_t open = declared.find('(');
    std::string base;
    for (const char c : declared.substr(0, open)) {
        const bool blank = static_cast<unsigned char>(c) <= ' ';
        if (blank) {
            if (!base.empty() && base.back() != ' ') {
                base += ' ';
            }
        } else {
            base += c;
        }
    }
    baseName = UpperCaseAscii(Trim(base));
    numbers.clear();
    if (open == std::string_view::npos) {
        return;
    }
    const std::size_t close = declared.find(')', open);
    std::string_view inside = declared.substr(
        open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
    while (!inside.empty()) {
        const std::size_t comma = inside.find(',');
        const std::string part = Trim(inside.substr(0, comma));
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        numbers.push_back(error == std::errc() && end == part.data() + part.size() ? value : -1);
        if (comma == std::string_view::npos) {
            break;
        }
        inside.remove_prefix(comma + 1);
    }
}

bool IsOneOf(const std::string& name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

[[noreturn]] void RaiseSqliteError(sqlite3* database, const std::string& what) {
    throw EDatabaseError(what + " " + sqlite3_errmsg(database));
}

// ---------------------------------------------------------------------------------------------
// Reading a database without writing to it or beside it.
//
// A connection SQLite opens read-only still writes beside the file in WAL mode: it makes the
// "-wal" and "-shm" files there (or fails where the folder is read-only), and it reads the
// changes the "-wal" holds only through them. So a database is read in one of three ways:
// - in rollback mode with no "-wal" beside it: in place, read-only, with SQLite's usual locks,
//   as a program writing it at the same time expects;
// - in WAL mode with no "-wal" holding changes: in place, read-only and immutable (no locks, no
//   files beside it). With no "-wal" no connection has it open (the last one to close removes
//   the "-wal"); one that opens it meanwhile writes into a new "-wal", not into the file;
// - with a "-wal" that holds changes: a private copy of the file and its "-wal", which SQLite
//   reads with its "-shm" in the private folder, where no other program writes.

constexpr const char* SqliteHeader = "SQLite format 3";
constexpr std::size_t SqliteHeaderSize = 100;
constexpr std::size_t WriteVersionOffset = 18;
constexpr std::size_t ReadVersionOffset = 19;
constexpr unsigned char WalVersion = 2;
// A file changing while it is copied is copied again, this many times at most.
constexpr int CopyAttempts = 4;

// Whether the database's header says WAL mode.
bool IsInWalMode(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        return false;
    }
    unsigned char header[SqliteHeaderSize] = {};
    const ssize_t count = ::read(file, header, sizeof header);
    ::close(file);
    return count == static_cast<ssize_t>(sizeof header) &&
           std::memcmp(header, SqliteHeader, std::strlen(SqliteHeader) + 1) == 0 &&
           (header[WriteVersionOffset] == WalVersion || header[ReadVersionOffset] == WalVersion);
}

// Size and time of change of a file; all zero when it is not there.
struct TFileState {
    off_t Size = 0;
    std::int64_t Changed = 0;
    friend bool operator==(const TFileState&, const TFileState&) = default;
};

TFileState FileStateOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return {};
    }
    return {status.st_size,
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

// A "file:" name for the path, so that SQLite takes the query parameters after it: every byte
// that is not plainly part of a path is escaped. "file://" and an empty host keep a path that
// starts with "//" from being read as a host.
std::string SqliteUri(const std::string& path, bool immutable) {
    std::error_code error;
    std::string absolute = std::filesystem::absolute(path, error).string();
    if (error) {
        absolute = path; // no current folder to resolve against: SQLite resolves it or fails
    }
    std::string uri = absolute.starts_with('/') ? "file://" : "file:";
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (const char c : absolute) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') || std::strchr("/-._~", c) != nullptr) {
            uri += c;
        } else {
            uri += '%';
            uri += Hex[byte >> 4];
            uri += Hex[byte & 0xF];
        }
    }
    uri += immutable ? "?mode=ro&immutable=1" : "?mode=ro";
    return uri;
}

// An open read-only connection, and the private copy it reads when it reads one.
struct TReadConnection {
    std::optional<TPrivateFolder> Copy; // declared first: it goes after the connection
    TDatabaseHandle Database;
};

// Copies the database and its "-wal" into a private folder, again while either changes under
// the copy (a writer at work); returns the copy's path.
std::string CopyWithWal(const std::string& path, const TPrivateFolder& folder,
                        const std::string& failure) {
    const std::string wal = path + "-wal";
    const std::string copy = "database.sqlite";
    try {
        for (int attempt = 1;; ++attempt) {
            const TFileState database = FileStateOf(path);
            const TFileState log = FileStateOf(wal);
            CopyOneFile(path, TOutputPath{folder.Path(), copy});
            CopyOneFile(wal, TOutputPath{folder.Path(), copy + "-wal"});
            if ((FileStateOf(path) == database && FileStateOf(wal) == log) ||
                attempt == CopyAttempts) {
                break;
            }
        }
    } catch (const EFileError& error) {
        throw EDatabaseError(failure + " Its copy to read cannot be made in \"" + folder.Path() +
                             "\": " + error.what());
    }
    return folder.File(copy);
}

TReadConnection OpenForReading(const std::string& path, const std::string& failure) {
    TReadConnection connection;
    std::string file = path;
    bool immutable = false;
    struct stat wal {};
    const bool hasWal = ::stat((path + "-wal").c_str(), &wal) == 0;
    if (hasWal && S_ISREG(wal.st_mode) && wal.st_size > 0) {
        try {
            connection.Copy.emplace("quorvane-sqlite");
        } catch (const EFileError& error) {
            throw EDatabaseError(failure + " " + error.what());
        }
        file = CopyWithWal(path, *connection.Copy, failure);
    } else {
        // An empty "-wal" holds nothing to read, but SQLite would open it and make a "-shm".
        immutable = hasWal || IsInWalMode(path);
    }
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(SqliteUri(file, immutable).c_str(), &raw,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    connection.Database.reset(raw);
    if (opened != SQLITE_OK) {
        if (!connection.Database) {
            throw EDatabaseError(failure + " Out of memory.");
        }
        RaiseSqliteError(connection.Database.get(), failure);
    }
    sqlite3_busy_timeout(connection.Database.get(), BusyTimeoutMilliseconds);
    // Opening is lazy in SQLite: read the schema now so that a file that is no database fails
    // here, at the connection, as with any other provider.
    sqlite3_stmt* probe = nullptr;
    if (sqlite3_prepare_v2(connection.Database.get(), "SELECT count(*) FROM sqlite_master", -1,
                           &probe, nullptr) != SQLITE_OK) {
        RaiseSqliteError(connection.Database.get(), failure);
    }
    const TStatementHandle probeHandle(probe);
    if (sqlite3_step(probe) != SQLITE_ROW) {
        RaiseSqliteError(connection.Database.get(), failure);
    }
    return connection;
}

void ExpectRegularFile(const std::string& path, const std::string& failure) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw EDatabaseError(failure + (std::filesystem::exists(path, error)
                                            ? " It is not a file."
                                            : " No such file or directory"));
    }
}

class TSqliteSchemaSource final : public ISchemaSource {
public:
    TSqliteSchemaSource(TReadConnection connection, std::string path)
        : FCopy(std::move(connection.Copy)), FDatabase(std::move(connection.Database)),
          FPath(std::move(path)) {}

    std::vector<TCatalogRow> ReadCatalogue() override {
        TStatementHandle statement =
            Prepare("SELECT name, type FROM sqlite_master WHERE type IN ('table', 'view')",
                    "Cannot read the tables of SQLite database \"" + FPath + "\".");
        std::vector<TCatalogRow> rows;
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
            TCatalogRow row;
            row.TableName = ColumnText(statement.get(), 0);
            const bool isView = ColumnText(statement.get(), 1) == "view";
            // SQLite keeps its own bookkeeping in tables named sqlite_...; they are system tables.
            row.TableType = StartsWithText(row.TableName, "sqlite_") ? "SYSTEM TABLE"
                            : isView                                 ? "VIEW"
                                                                     : "TABLE";
            rows.push_back(std::move(row));
        }
        if (step != SQLITE_DONE) {
            RaiseSqliteError(FDatabase.get(),
                             "Cannot read the tables of SQLite database \"" + FPath + "\".");
        }
        // As an OLE DB provider does: by type (tables before views), then by name, byte by byte.
        std::sort(rows.begin(), rows.end(), [](const TCatalogRow& a, const TCatalogRow& b) {
            return std::tie(a.TableType, a.TableName) < std::tie(b.TableType, b.TableName);
        });
        return rows;
    }

    TIdentifierQuoting IdentifierQuoting() const override { return {TSqlDialect::Sqlite, "\""}; }

    TTableDescription DescribeTable(const std::string& tableName) override {
        const std::string failure =
            "Cannot open table \"" + tableName + "\" of SQLite database \"" + FPath + "\".";
        // Views fail here, as do names of nothing.
        const bool isTable =
            tableName.find('\0') == std::string::npos &&
            sqlite3_table_column_metadata(FDatabase.get(), nullptr, tableName.c_str(), nullptr,
                                          nullptr, nullptr, nullptr, nullptr, nullptr) == SQLITE_OK;
        std::optional<TTableDescription> table;
        if (isTable) {
            table = DescribeRowidTable(tableName);
        }
        if (!table) {
            table = DescribeThroughPragma(tableName, failure);
        }
        // A view has no constraints of its own, and SQLite records none for its columns: its
        // facts and keys stay unknown.
        if (isTable) {
            ReadFactsAndKeys(tableName, *table, failure);
        }
        return std::move(*table);
    }

private:
    // Most tables are ordinary rowid tables. Their columns SQLite tells from the definition it
    // holds in memory, by preparing a select of the table (never run); the pragma, which runs a
    // statement of its own and takes the file's lock for every table, was most of the time a
    // large database took. Views, tables WITHOUT ROWID, and tables with a column named like the
    // rowid go the general way; so does anything this way cannot prepare.
    // Only for tables: views' column types only the pragma reports as a provider does.
    std::optional<TTableDescription> DescribeRowidTable(const std::string& tableName) {
        const std::string sql =
            "SELECT rowid, * FROM \"" + ReplaceAll(tableName, "\"", "\"\"") + "\"";
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(FDatabase.get(), sql.c_str(), static_cast<int>(sql.size()), &raw,
                               nullptr) != SQLITE_OK) {
            return std::nullopt; // no rowid
        }
        const TStatementHandle select(raw);

        TTableDescription table;
        table.OffersAutoIncrement = true;
        const int columnCount = sqlite3_column_count(raw);
        int primaryKeyColumns = 0;
        std::size_t primaryKeyIndex = 0;
        std::string primaryKeyType;
        for (int index = 1; index < columnCount; ++index) {
            const char* name = sqlite3_column_name(raw, index);
            if (name == nullptr || IsRowidName(name)) {
                return std::nullopt; // "rowid" would name this column, not the rowid
            }
            const char* declared = sqlite3_column_decltype(raw, index);
            int primaryKey = 0;
            if (sqlite3_table_column_metadata(FDatabase.get(), nullptr, tableName.c_str(), name,
                                              nullptr, nullptr, nullptr, &primaryKey,
                                              nullptr) != SQLITE_OK) {
                return std::nullopt;
            }
            TColumnInfo column = MapSqliteDeclaredType(declared == nullptr ? "" : declared);
            column.Name = name;
            if (primaryKey != 0) {
                ++primaryKeyColumns;
                primaryKeyIndex = table.Columns.size();
                primaryKeyType = UpperCaseAscii(Trim(declared == nullptr ? "" : declared));
            }
            table.Columns.push_back(std::move(column));
        }
        if (table.Columns.empty()) {
            return std::nullopt;
        }
        // The rowid's origin is the column that is its alias: a lone INTEGER PRIMARY KEY, which
        // SQLite numbers on insert. ("INTEGER PRIMARY KEY DESC" is no alias; its origin is the
        // rowid itself.)
        const char* rowidOrigin = sqlite3_column_origin_name(raw, 0);
        if (primaryKeyColumns == 1 && primaryKeyType == "INTEGER" && rowidOrigin != nullptr &&
            table.Columns[primaryKeyIndex].Name == rowidOrigin) {
            table.Columns[primaryKeyIndex].IsAutoIncrement = true;
        }
        return table;
    }

    static bool IsRowidName(std::string_view name) {
        return SameTextAscii(name, "rowid") || SameTextAscii(name, "_rowid_") ||
               SameTextAscii(name, "oid");
    }

    TTableDescription DescribeThroughPragma(const std::string& tableName,
                                            const std::string& failure) {
        TTableDescription table;
        table.OffersAutoIncrement = true;

        // One statement, prepared once and kept.
        if (!FDescribeStatement) {
            FDescribeStatement = Prepare(
                "SELECT name, type, pk, hidden, (SELECT count(*) FROM pragma_index_list(?1) "
                "WHERE origin = 'pk') FROM pragma_table_xinfo(?1)",
                failure);
        }
        sqlite3_stmt* columns = FDescribeStatement.get();
        const TStatementReset reset(columns);
        if (sqlite3_bind_text(columns, 1, tableName.data(), static_cast<int>(tableName.size()),
                              SQLITE_TRANSIENT) != SQLITE_OK) {
            RaiseSqliteError(FDatabase.get(), failure);
        }
        int primaryKeyColumns = 0;
        std::size_t primaryKeyIndex = 0;
        bool hasPrimaryKeyIndex = false;
        std::vector<std::string> declaredTypes;
        int step = SQLITE_ROW;
        std::size_t rows = 0;
        while ((step = sqlite3_step(columns)) == SQLITE_ROW) {
            ++rows;
            hasPrimaryKeyIndex = sqlite3_column_int(columns, 4) > 0;
            // Hidden columns of virtual tables are no columns of the rowset.
            if (sqlite3_column_int(columns, 3) == 1) {
                continue;
            }
            const std::string declared = ColumnText(columns, 1);
            TColumnInfo column = MapSqliteDeclaredType(declared);
            column.Name = ColumnText(columns, 0);
            if (sqlite3_column_int(columns, 2) > 0) {
                ++primaryKeyColumns;
                primaryKeyIndex = table.Columns.size();
            }
            declaredTypes.push_back(UpperCaseAscii(Trim(declared)));
            table.Columns.push_back(std::move(column));
        }
        if (step != SQLITE_DONE) {
            RaiseSqliteError(FDatabase.get(), failure);
        }
        // Every table and view has a column, so none means no such table. (Asking sqlite_master
        // instead would scan it for every table, which made large databases quadratic.)
        if (rows == 0) {
            throw EDatabaseError(failure + " There is no such table or view.");
        }
        // A lone INTEGER PRIMARY KEY is the rowid itself, which SQLite numbers on insert, unless
        // the table is WITHOUT ROWID (its primary key then has an index of its own).
        if (primaryKeyColumns == 1 && declaredTypes[primaryKeyIndex] == "INTEGER" &&
            !hasPrimaryKeyIndex) {
            table.Columns[primaryKeyIndex].IsAutoIncrement = true;
        }
        return table;
    }

    // NOT NULL, a default and the primary key's order from the table's columns, and the foreign
    // keys, in one statement kept for every table. A key written without its referenced columns
    // refers to the referenced table's primary key, column by column; SQLite keeps the names as
    // the key was written, so the referenced table and columns are looked up in their own
    // spelling. SQLite keeps no comments.
    void ReadFactsAndKeys(const std::string& tableName, TTableDescription& table,
                          const std::string& failure) {
        if (!FFactsStatement) {
            FFactsStatement =
                Prepare("SELECT 0, cid, name, \"notnull\", dflt_value IS NOT NULL, pk, NULL "
                        "FROM pragma_table_xinfo(?1) "
                        "UNION ALL "
                        "SELECT 1, f.id, f.seq, f.\"from\", f.\"table\", "
                        "(SELECT p.name FROM pragma_table_info(f.\"table\") p "
                        "WHERE f.\"to\" IS NULL AND p.pk = f.seq + 1), "
                        "(SELECT p.name FROM pragma_table_info(f.\"table\") p "
                        "WHERE p.name = f.\"to\" COLLATE NOCASE) "
                        "FROM pragma_foreign_key_list(?1) f",
                        failure);
        }
        sqlite3_stmt* facts = FFactsStatement.get();
        const TStatementReset reset(facts);
        if (sqlite3_bind_text(facts, 1, tableName.data(), static_cast<int>(tableName.size()),
                              SQLITE_TRANSIENT) != SQLITE_OK) {
            RaiseSqliteError(FDatabase.get(), failure);
        }
        std::map<std::string, TColumnFacts> columnFacts;
        std::map<int, std::string> primaryKey; // by position in the key
        // By the key's id; SQLite numbers the keys from the last declared one.
        std::map<int, TForeignKey, std::greater<>> foreignKeys;
        bool keysResolved = true;
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(facts)) == SQLITE_ROW) {
            if (sqlite3_column_int(facts, 0) == 0) {
                const std::string name = ColumnText(facts, 2);
                columnFacts[name] = {sqlite3_column_int(facts, 3) != 0,
                                     sqlite3_column_int(facts, 4) != 0, std::nullopt};
                if (const int position = sqlite3_column_int(facts, 5); position > 0) {
                    primaryKey[position] = name;
                }
                continue;
            }
            TForeignKey& key = foreignKeys[sqlite3_column_int(facts, 1)];
            key.Columns.push_back(ColumnText(facts, 3));
            key.ReferencedTable = ColumnText(facts, 4);
            const int referenced = sqlite3_column_type(facts, 5) != SQLITE_NULL ? 5 : 6;
            if (sqlite3_column_type(facts, referenced) == SQLITE_NULL) {
                keysResolved = false; // no such table or column: a key SQLite would refuse
            }
            key.ReferencedColumns.push_back(ColumnText(facts, referenced));
        }
        if (step != SQLITE_DONE) {
            RaiseSqliteError(FDatabase.get(), failure);
        }
        for (TColumnInfo& column : table.Columns) {
            if (const auto found = columnFacts.find(column.Name); found != columnFacts.end()) {
                column.Facts = found->second;
            }
        }
        table.Keys.PrimaryKey.emplace();
        for (auto& [position, name] : primaryKey) {
            table.Keys.PrimaryKey->push_back(std::move(name));
        }
        // A key to a table or column that is not there says nothing the generator could use,
        // and leaving it out would claim the list complete.
        if (!keysResolved) {
            return;
        }
        table.Keys.ForeignKeys.emplace();
        for (auto& [id, key] : foreignKeys) {
            key.ReferencedTable = TableNameAsCreated(key.ReferencedTable, failure);
            table.Keys.ForeignKeys->push_back(std::move(key));
        }
    }

    // The name a table was created with, for a name that finds it (SQLite folds ASCII letters).
    // All the names are read once, at the first key that needs one.
    std::string TableNameAsCreated(const std::string& name, const std::string& failure) {
        if (!FTableNames) {
            FTableNames.emplace();
            TStatementHandle statement =
                Prepare("SELECT name FROM sqlite_master WHERE type = 'table'", failure);
            int step = SQLITE_ROW;
            while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
                const std::string created = ColumnText(statement.get(), 0);
                FTableNames->emplace(UpperCaseAscii(created), created);
            }
            if (step != SQLITE_DONE) {
                RaiseSqliteError(FDatabase.get(), failure);
            }
        }
        const auto found = FTableNames->find(UpperCaseAscii(name));
        return found != FTableNames->end() ? found->second : name;
    }

    // Makes a kept statement ready for its next use however this one ends, and lets go of the
    // read lock it holds.
    class TStatementReset {
    public:
        explicit TStatementReset(sqlite3_stmt* statement) : FStatement(statement) {}
        ~TStatementReset() {
            sqlite3_reset(FStatement);
            sqlite3_clear_bindings(FStatement);
        }
        TStatementReset(const TStatementReset&) = delete;
        TStatementReset& operator=(const TStatementReset&) = delete;

    private:
        sqlite3_stmt* FStatement;
    };

    std::optional<TPrivateFolder> FCopy; // the copy the connection reads, if any
    TDatabaseHandle FDatabase;
    std::string FPath;
    // Declared after the database, so that it is finalized before the database closes.
    TStatementHandle FDescribeStatement;
    TStatementHandle FFactsStatement;
    // Upper-case name to the name as created, once a foreign key needed it.
    std::optional<std::map<std::string, std::string>> FTableNames;

    TStatementHandle Prepare(const char* sql, const std::string& failure) {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(FDatabase.get(), sql, -1, &raw, nullptr) != SQLITE_OK) {
            RaiseSqliteError(FDatabase.get(), failure);
        }
        return TStatementHandle(raw);
    }
};

} // namespace

TColumnInfo MapSqliteDeclaredType(std::string_view declaredType) {
    using namespace ado;
    std::string name;
    std::vector<std::int64_t> numbers;
    SplitDeclaredType(declaredType, name, numbers);
    auto number = [&numbers](std::size_t index, std::int64_t fallback) {
        return index < numbers.size() && numbers[index] >= 0 ? numbers[index] : fallback;
    };

    TColumnInfo column;
    auto set = [&column](int type, unsigned attributes) {
        column.Type = type;
        column.Attributes = attributes;
    };
    auto setNumeric = [&column, &number]() {
        column.Type = adNumeric;
        column.Attributes = adFldFixed;
        column.Precision = static_cast<int>(number(0, DefaultNumericPrecision));
        column.NumericScale = static_cast<int>(number(1, 0));
    };

    if (name.empty()) {
        set(adVariant, 0);
    } else if (IsOneOf(name, {"INT", "INTEGER", "MEDIUMINT"})) {
        set(adInteger, adFldFixed);
    } else if (IsOneOf(name, {"SMALLINT", "INT2"})) {
        set(adSmallInt, adFldFixed);
    } else if (name == "TINYINT") {
        set(adTinyInt, adFldFixed);
    } else if (IsOneOf(name, {"BIGINT", "INT8"})) {
        set(adBigInt, adFldFixed);
    } else if (IsOneOf(name, {"BOOLEAN", "BOOL", "BIT"})) {
        set(adBoolean, adFldFixed);
    } else if (IsOneOf(name, {"REAL", "FLOAT", "DOUBLE"})) {
        set(adDouble, adFldFixed);
    } else if (IsOneOf(name, {"DECIMAL", "NUMERIC"})) {
        setNumeric();
    } else if (IsOneOf(name, {"MONEY", "CURRENCY"})) {
        set(adCurrency, adFldFixed);
        column.Precision = CurrencyPrecision;
        column.NumericScale = CurrencyScale;
    } else if (IsOneOf(name, {"CHAR", "CHARACTER"})) {
        set(adChar, adFldFixed);
        column.DefinedSize = number(0, DefaultFixedLength);
    } else if (name == "NCHAR") {
        set(adWChar, adFldFixed);
        column.DefinedSize = number(0, DefaultFixedLength);
    } else if (name == "VARCHAR") {
        set(adVarChar, 0);
        column.DefinedSize = number(0, DefaultVaryingLength);
    } else if (name == "NVARCHAR") {
        set(adVarWChar, 0);
        column.DefinedSize = number(0, DefaultVaryingLength);
    } else if (IsOneOf(name, {"TEXT", "CLOB", "MEMO"})) {
        set(adLongVarChar, 0);
    } else if (name == "BLOB") {
        set(adLongVarBinary, 0);
    } else if (name == "BINARY") {
        set(adBinary, adFldFixed);
        column.DefinedSize = number(0, DefaultFixedLength);
    } else if (name == "VARBINARY") {
        set(adVarBinary, 0);
        column.DefinedSize = number(0, DefaultVaryingLength);
    } else if (name == "DATE") {
        set(adDBDate, adFldFixed);
    } else if (name == "TIME") {
        set(adDBTime, adFldFixed);
    } else if (IsOneOf(name, {"DATETIME", "TIMESTAMP"})) {
        set(adDBTimeStamp, adFldFixed);
    } else if (IsOneOf(name, {"GUID", "UUID", "UNIQUEIDENTIFIER"})) {
        set(adGUID, adFldFixed);
    } else if (name.find("INT") != std::string::npos) {
        // Any other name by SQLite's own column affinity rules, in their order.
        set(adInteger, adFldFixed);
    } else if (name.find("CHAR") != std::string::npos || name.find("CLOB") != std::string::npos ||
               name.find("TEXT") != std::string::npos) {
        set(adLongVarChar, 0);
    } else if (name.find("BLOB") != std::string::npos) {
        set(adLongVarBinary, 0);
    } else if (name.find("REAL") != std::string::npos || name.find("FLOA") != std::string::npos ||
               name.find("DOUB") != std::string::npos) {
        set(adDouble, adFldFixed);
    } else {
        setNumeric();
    }
    return column;
}

std::unique_ptr<ISchemaSource> OpenSqliteSchemaSource(const std::string& path) {
    const std::string failure = "Cannot open SQLite database \"" + path + "\".";
    ExpectRegularFile(path, failure);
    return std::make_unique<TSqliteSchemaSource>(OpenForReading(path, failure), path);
}

void BackUpSqliteDatabase(const std::string& path, const TOutputPath& target) {
    const std::string failure = "Cannot open SQLite database \"" + path + "\".";
    ExpectRegularFile(path, failure);
    struct stat input {};
    if (::stat(path.c_str(), &input) != 0) {
        throw EFileError(SystemErrorText(errno));
    }
    TReadConnection source;
    try {
        source = OpenForReading(path, failure);
    } catch (const EDatabaseError& error) {
        throw EFileError(error.what());
    }
    // The backup goes into a file of its own first: SQLite writes its journal beside the file it
    // writes, and the run's output is written through its own writer only.
    const TPrivateFolder folder("quorvane-sqlite");
    const std::string copy = folder.File("Database.sqlite");
    {
        sqlite3* raw = nullptr;
        const int opened = sqlite3_open_v2(copy.c_str(), &raw,
                                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        const TDatabaseHandle destination(raw);
        if (opened != SQLITE_OK) {
            throw EFileError(destination ? sqlite3_errmsg(destination.get()) : "Out of memory.");
        }
        TBackupHandle backup(
            sqlite3_backup_init(destination.get(), "main", source.Database.get(), "main"));
        if (!backup) {
            throw EFileError(sqlite3_errmsg(destination.get()));
        }
        // All pages in one step, in one read transaction of the input: a consistent copy even
        // while another program writes. A writer that holds the input locked is waited for.
        int step = SQLITE_OK;
        for (int waited = 0; waited <= BusyTimeoutMilliseconds; waited += 50) {
            step = sqlite3_backup_step(backup.get(), -1);
            if (step != SQLITE_BUSY && step != SQLITE_LOCKED) {
                break;
            }
            sqlite3_sleep(50);
        }
        const int finished = sqlite3_backup_finish(backup.release());
        if (step != SQLITE_DONE || finished != SQLITE_OK) {
            throw EFileError(sqlite3_errmsg(destination.get()));
        }
    }
    // As every copy a run makes: with the permission bits of its source (less the umask).
    ::chmod(copy.c_str(), (input.st_mode & 0777) | S_IRUSR);
    CopyOneFile(copy, target);
}

} // namespace quorvane
