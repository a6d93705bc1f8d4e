// The ODBC back-end: every database server is reached through unixODBC and its driver, and
// reported as the Windows OLE DB provider for ODBC reports it (a Unicode client of the driver).

#include "schema/odbc/OdbcSchemaSource.h"
#include "schema/SchemaSnapshot.h"

#include "schema/SocketWatchdog.h"
#include "schema/odbc/OdbcConfiguration.h"
#include "schema/odbc/ServerCatalogue.h"
#include "text/ConnectionText.h"
#include "text/EngineErrors.h"
#include "text/ShownText.h"
#include "text/StringUtils.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <utility>

namespace quorvane {

namespace {

constexpr std::int64_t GuidByteSize = 16;

// ---------------------------------------------------------------------------------------------
// Handles. Each kind is released with its own handle type; a connection is disconnected first.

template <SQLSMALLINT HandleType> class TOdbcHandle {
public:
    TOdbcHandle() = default;
    ~TOdbcHandle() { Reset(); }
    TOdbcHandle(TOdbcHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TOdbcHandle& operator=(TOdbcHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            FHandle = std::exchange(other.FHandle, nullptr);
        }
        return *this;
    }
    TOdbcHandle(const TOdbcHandle&) = delete;
    TOdbcHandle& operator=(const TOdbcHandle&) = delete;

    SQLHANDLE Get() const noexcept { return FHandle; }
    SQLHANDLE* Out() noexcept {
        Reset();
        return &FHandle;
    }
    void Reset() noexcept {
        if (FHandle != nullptr) {
            SQLFreeHandle(HandleType, FHandle);
            FHandle = nullptr;
        }
    }

private:
    SQLHANDLE FHandle = nullptr;
};

using TEnvironmentHandle = TOdbcHandle<SQL_HANDLE_ENV>;
using TStatementHandle = TOdbcHandle<SQL_HANDLE_STMT>;

class TConnectionHandle {
public:
    TConnectionHandle() = default;
    ~TConnectionHandle() { Disconnect(); }
    TConnectionHandle(TConnectionHandle&& other) noexcept
        : FHandle(std::move(other.FHandle)), FConnected(std::exchange(other.FConnected, false)) {}
    TConnectionHandle& operator=(TConnectionHandle&& other) noexcept {
        if (this != &other) {
            Disconnect();
            FHandle = std::move(other.FHandle);
            FConnected = std::exchange(other.FConnected, false);
        }
        return *this;
    }
    TConnectionHandle(const TConnectionHandle&) = delete;
    TConnectionHandle& operator=(const TConnectionHandle&) = delete;

    SQLHANDLE Get() const noexcept { return FHandle.Get(); }
    SQLHANDLE* Out() noexcept {
        Disconnect();
        return FHandle.Out();
    }
    void MarkConnected() noexcept { FConnected = true; }

private:
    TOdbcHandle<SQL_HANDLE_DBC> FHandle;
    bool FConnected = false;

    void Disconnect() noexcept {
        if (FConnected) {
            SQLDisconnect(FHandle.Get());
            FConnected = false;
        }
    }
};

// ---------------------------------------------------------------------------------------------
// Text. The wide ODBC calls are used throughout because the Windows OLE DB provider for ODBC
// makes them: a Unicode driver then reports its text columns as the wide types (SQL_WVARCHAR),
// and names arrive in UTF-16 whatever the client character set.

using TWideString = std::basic_string<SQLWCHAR>;

TWideString Utf8ToWide(std::string_view text) {
    TWideString wide;
    wide.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t code = 0xFFFD;
        std::size_t length = 1;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            length = 0; // a stray continuation byte or an invalid lead byte
        }
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            code = 0xFFFD;
            length = 1;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            wide += static_cast<SQLWCHAR>(0xD800 + (code >> 10));
            wide += static_cast<SQLWCHAR>(0xDC00 + (code & 0x3FF));
        } else {
            wide += static_cast<SQLWCHAR>(code);
        }
        i += length;
    }
    return wide;
}

std::string WideToUtf8(const SQLWCHAR* text, std::size_t length) {
    std::string utf8;
    utf8.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (code >> 18));
            utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

std::string WideToUtf8(const TWideString& text) {
    return WideToUtf8(text.data(), text.size());
}

// ---------------------------------------------------------------------------------------------
// ODBC connection strings: "key=value;key={value}" with "}" doubled inside braces.

// ---------------------------------------------------------------------------------------------
// Diagnostics.

class TPasswordScrubber {
public:
    explicit TPasswordScrubber(const std::string& connectionString) {
        const auto properties =
            TConnectionProperties::Parse(connectionString, TConnectionSyntax::Odbc);
        for (const auto& [key, value] : properties.Items()) {
            if (!value.empty() && (SameTextAscii(key, "PWD") || SameTextAscii(key, "PASSWORD"))) {
                FSecrets.push_back(value);
                // Drivers that quote the connection string quote it as written.
                const std::string braced = QuoteConnectionValue(value, TConnectionSyntax::Odbc);
                if (braced != value) {
                    FSecrets.push_back(braced);
                }
            }
        }
        // The longest first, so that a braced form is not left half-replaced.
        std::sort(FSecrets.begin(), FSecrets.end(),
                  [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    }

    std::string Scrub(std::string text) const {
        for (const std::string& secret : FSecrets) {
            text = ReplaceAll(text, secret, "***");
        }
        return text;
    }

private:
    std::vector<std::string> FSecrets;
};

// The driver's messages for the last call on `handle`, one after the other, on one line.
std::string DiagnosticText(SQLSMALLINT handleType, SQLHANDLE handle,
                           const TPasswordScrubber& scrubber) {
    std::vector<std::string> messages;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER nativeError = 0;
        SQLSMALLINT length = 0;
        TWideString message(512, 0);
        SQLRETURN result =
            SQLGetDiagRecW(handleType, handle, record, state, &nativeError, message.data(),
                           static_cast<SQLSMALLINT>(message.size()), &length);
        if (result == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
            message.assign(static_cast<std::size_t>(length) + 1, 0);
            result = SQLGetDiagRecW(handleType, handle, record, state, &nativeError, message.data(),
                                    static_cast<SQLSMALLINT>(message.size()), &length);
        }
        if (!SQL_SUCCEEDED(result)) {
            break;
        }
        message.resize(std::min<std::size_t>(
            static_cast<std::size_t>(std::max<SQLSMALLINT>(length, 0)), message.size()));
        // Scrubbed before the blanks are merged, so that a password holding them is still found.
        const std::string text = OneLineText(scrubber.Scrub(WideToUtf8(message)));
        if (!text.empty() && std::find(messages.begin(), messages.end(), text) == messages.end()) {
            messages.push_back(text);
        }
    }
    if (messages.empty()) {
        return "The ODBC driver gave no reason.";
    }
    std::string joined;
    for (const std::string& message : messages) {
        if (!joined.empty()) {
            joined += ' ';
        }
        joined += message;
        // The messages are sentences of their own; give the next one a clear start.
        if (joined.back() != '.' && &message != &messages.back()) {
            joined += '.';
        }
    }
    return joined;
}

// The SQLSTATE of the first diagnostic of the last call on `handle`; empty when there is none.
std::string FirstDiagnosticState(SQLSMALLINT handleType, SQLHANDLE handle) {
    SQLWCHAR state[6] = {};
    SQLINTEGER nativeError = 0;
    SQLWCHAR message[2] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetDiagRecW(handleType, handle, 1, state, &nativeError, message,
                                      static_cast<SQLSMALLINT>(std::size(message)), &length))) {
        return {};
    }
    return WideToUtf8(state, 5);
}

// ---------------------------------------------------------------------------------------------
// The schema source.

// The database systems' own tables and views, which some drivers report as ordinary ones: the
// engine must not take them for the user's. MariaDB and MySQL keep them in databases (catalogs)
// of their own, PostgreSQL and SQL Server in schemas of their own.
enum class TDbms { MariaDb, PostgreSql, SqlServer, Other };

TDbms DbmsOfName(std::string_view name) {
    if (StartsWithText(name, "MariaDB") || StartsWithText(name, "MySQL")) {
        return TDbms::MariaDb;
    }
    if (StartsWithText(name, "PostgreSQL")) {
        return TDbms::PostgreSql;
    }
    if (StartsWithText(name, "Microsoft SQL Server")) {
        return TDbms::SqlServer;
    }
    return TDbms::Other;
}

bool IsOneOfNames(const std::optional<std::string>& name,
                  std::initializer_list<std::string_view> names) {
    return name && std::any_of(names.begin(), names.end(), [&name](std::string_view candidate) {
               return SameTextAscii(*name, candidate);
           });
}

bool IsSystemLocation(TDbms dbms, const std::optional<std::string>& catalog,
                      const std::optional<std::string>& schema) {
    switch (dbms) {
    case TDbms::MariaDb:
        return IsOneOfNames(catalog, {"information_schema", "performance_schema", "mysql", "sys"});
    case TDbms::PostgreSql:
        return IsOneOfNames(schema, {"pg_catalog", "information_schema", "pg_toast"});
    case TDbms::SqlServer:
        return IsOneOfNames(schema, {"sys", "INFORMATION_SCHEMA"});
    case TDbms::Other:
        break;
    }
    return false;
}

struct TTableLocation {
    std::optional<std::string> Catalog;
    std::optional<std::string> Schema;
    bool UserObject = false; ///< listed as "TABLE" or "VIEW"
};

// How a whole catalogue's columns are read at once: drivers whose answers the engine knows how
// to reproduce from the server's catalogue. Any other driver is asked table by table.
enum class TCatalogueReading { TableByTable, PsqlOdbc, MariaDbConnector, FreeTds };

TCatalogueReading CatalogueReadingFor(TDbms dbms, std::string_view driverFile) {
    if (dbms == TDbms::PostgreSql && StartsWithText(driverFile, "psqlodbc")) {
        return TCatalogueReading::PsqlOdbc;
    }
    if (dbms == TDbms::MariaDb && StartsWithText(driverFile, "libmaodbc")) {
        return TCatalogueReading::MariaDbConnector;
    }
    if (dbms == TDbms::SqlServer && StartsWithText(driverFile, "libtdsodbc")) {
        return TCatalogueReading::FreeTds;
    }
    return TCatalogueReading::TableByTable;
}

// A table as the server's catalogue names it: its schema (its database on MariaDB) and name.
using TCatalogueKey = std::pair<std::string, std::string>;

// The columns of one table as the catalogue-wide reading found them.
struct TCatalogueTable {
    std::vector<std::pair<std::int64_t, TColumnInfo>> Columns; ///< with their ordinal positions
    /// Described by the driver itself instead: a type this reading does not reproduce, a view
    /// it cannot follow, a table the user may not read (which must fail as it always did).
    bool AskDriver = false;
    /// Its keys, and its columns' facts by name: given to the table however it is described.
    TTableKeys Keys;
    std::map<std::string, TColumnFacts> Facts;
};

// The keys the catalogue-wide readings give a table, and each column its facts.
void ApplyCatalogueFacts(const TCatalogueTable& entry, TTableDescription& table) {
    table.Keys = entry.Keys;
    for (TColumnInfo& column : table.Columns) {
        if (const auto facts = entry.Facts.find(column.Name); facts != entry.Facts.end()) {
            column.Facts = facts->second;
        }
    }
}

using TCatalogueTables = std::map<TCatalogueKey, TCatalogueTable>;

class TOdbcSchemaSource final : public ISchemaSource {
public:
    TOdbcSchemaSource(TEnvironmentHandle environment, TConnectionHandle connection,
                      std::string description, TPasswordScrubber scrubber,
                      std::unique_ptr<TSocketWatchdog> watchdog)
        : FEnvironment(std::move(environment)), FConnection(std::move(connection)),
          FDescription(std::move(description)), FScrubber(std::move(scrubber)),
          FWatchdog(std::move(watchdog)) {
        const TSocketWatchdog::TWatch watch(*FWatchdog);
        ReadDriverFacts();
        SetSessionTimeout();
    }

    std::vector<TCatalogRow> ReadCatalogue() override {
        const std::string failure = "Cannot read the tables of " + FDescription + ".";
        // A catalogue of many thousand rows may come in many answers; only silence counts.
        TSocketWatchdog::TWatch watch(*FWatchdog);
        TStatementHandle statement = NewStatement(failure);
        ++FStatements;
        // On MySQL and MariaDB a database is an ODBC catalog: the data link's database (or the
        // login's default one) is the database the user chose, not every one the login may read.
        TWideString catalog = Utf8ToWide(FDbms == TDbms::MariaDb ? FCurrentCatalog : "");
        Check(SQLTablesW(statement.Get(), catalog.empty() ? nullptr : catalog.data(),
                         static_cast<SQLSMALLINT>(catalog.size()), nullptr, 0, nullptr, 0, nullptr,
                         0),
              SQL_HANDLE_STMT, statement.Get(), failure);
        std::vector<TCatalogRow> rows;
        FLocations.clear();
        FFirstLocations.clear();
        for (;;) {
            const SQLRETURN fetched = SQLFetch(statement.Get());
            if (fetched == SQL_NO_DATA) {
                break;
            }
            Check(fetched, SQL_HANDLE_STMT, statement.Get(), failure);
            watch.Progress();
            TTableLocation location;
            location.Catalog = ColumnText(statement.Get(), 1, failure);
            location.Schema = ColumnText(statement.Get(), 2, failure);
            TCatalogRow row;
            row.TableName = ColumnText(statement.Get(), 3, failure).value_or("");
            row.TableType = ColumnText(statement.Get(), 4, failure).value_or("");
            // A materialized view reads as a view: a select over it gives its rows. (psqlODBC
            // lists it as "MATVIEW".)
            if (row.TableType == "MATERIALIZED VIEW" || row.TableType == "MATVIEW") {
                row.TableType = "VIEW";
            }
            const bool userType = row.TableType == "TABLE" || row.TableType == "VIEW";
            if (userType && IsSystemLocation(FDbms, location.Catalog, location.Schema)) {
                row.TableType = "SYSTEM " + row.TableType;
            }
            location.UserObject = row.TableType == "TABLE" || row.TableType == "VIEW";
            row.Schema = PlaceOf(location);
            // Each row is found again by its schema and name; a name alone (DescribeTable) by
            // the first table or view of that name, else the first object of any type.
            FLocations.emplace(TCatalogueKey{row.Schema, row.TableName}, location);
            const auto [known, added] = FFirstLocations.emplace(row.TableName, location);
            if (!added && location.UserObject && !known->second.UserObject) {
                known->second = std::move(location);
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }

    TIdentifierQuoting IdentifierQuoting() const override {
        switch (FDbms) {
        case TDbms::MariaDb:
            return {TSqlDialect::MySql, "`"};
        case TDbms::PostgreSql:
            return {TSqlDialect::PostgreSql, "\""};
        case TDbms::SqlServer:
            return {TSqlDialect::SqlServer, "\""};
        case TDbms::Other:
            break;
        }
        return {TSqlDialect::Other, FQuote};
    }

    TTableDescription DescribeTable(const std::string& tableName) override {
        const std::string failure =
            "Cannot open table \"" + tableName + "\" of " + FDescription + ".";
        return DescribeAt(Locate(tableName, failure), tableName, failure);
    }

    std::vector<TTableDescription> DescribeTables(const std::vector<TCatalogRow>& rows) override {
        std::optional<TCatalogueTables> catalogue;
        if (FReading != TCatalogueReading::TableByTable && !rows.empty()) {
            const std::optional<TChosenTables> chosen = ChosenTablesOf(rows);
            const bool viewsChosen = std::any_of(
                rows.begin(), rows.end(), [](const auto& row) { return row.TableType == "VIEW"; });
            catalogue = ReadCatalogueColumns(chosen ? &*chosen : nullptr, viewsChosen);
            if (!catalogue) {
                // The server refused the catalogue query: its tables are described one by one.
                FReading = TCatalogueReading::TableByTable;
            }
        }
        std::vector<TTableDescription> tables;
        tables.reserve(rows.size());
        for (const TCatalogRow& row : rows) {
            const TTableLocation location =
                Locate(row, "Cannot open table \"" + row.TableName + "\" of " + FDescription + ".");
            // Named as the select texts name it: a table of another schema with its schema.
            const std::string qualifier = QualifierOf(location);
            const std::string failure = "Cannot open table \"" +
                                        QualifiedTableName(qualifier, row.TableName) + "\" of " +
                                        FDescription + ".";
            const auto found = catalogue ? catalogue->find(CatalogueKeyOf(location, row.TableName))
                                         : TCatalogueTables::iterator();
            // A table without columns has no rows in the catalogue; the driver describes it.
            if (!catalogue || found == catalogue->end() || found->second.AskDriver) {
                tables.push_back(DescribeAt(location, row.TableName, failure));
                if (catalogue && found != catalogue->end()) {
                    ApplyCatalogueFacts(found->second, tables.back());
                }
                continue;
            }
            TTableDescription table;
            table.OffersAutoIncrement = true;
            for (const auto& [ordinal, column] : found->second.Columns) {
                table.Columns.push_back(column);
            }
            ApplyCatalogueFacts(found->second, table);
            tables.push_back(std::move(table));
        }
        return tables;
    }

    std::uint64_t StatementsSent() const override { return FStatements; }

private:
    // The columns the driver reports for the rowset of the table `tableName` at `location`.
    TTableDescription DescribeAt(const TTableLocation& location, const std::string& tableName,
                                 const std::string& failure) {
        const TSocketWatchdog::TWatch watch(*FWatchdog);
        TStatementHandle statement = NewStatement(failure);
        // No row is wanted, only the columns the driver reports for the table's rowset.
        const std::string sql =
            "SELECT * FROM " + QualifiedName(location, tableName, failure) + " WHERE 1=0";
        TWideString wideSql = Utf8ToWide(sql);
        ++FStatements;
        Check(SQLExecDirectW(statement.Get(), wideSql.data(),
                             static_cast<SQLINTEGER>(wideSql.size())),
              SQL_HANDLE_STMT, statement.Get(), failure);
        SQLSMALLINT columnCount = 0;
        Check(SQLNumResultCols(statement.Get(), &columnCount), SQL_HANDLE_STMT, statement.Get(),
              failure);

        TTableDescription table;
        table.OffersAutoIncrement = true;
        for (SQLUSMALLINT number = 1; number <= columnCount; ++number) {
            TWideString name(256, 0);
            SQLSMALLINT nameLength = 0;
            SQLSMALLINT dataType = SQL_UNKNOWN_TYPE;
            SQLULEN columnSize = 0;
            SQLSMALLINT decimalDigits = 0;
            SQLSMALLINT nullable = 0;
            auto describe = [&]() {
                return SQLDescribeColW(statement.Get(), number, name.data(),
                                       static_cast<SQLSMALLINT>(name.size()), &nameLength,
                                       &dataType, &columnSize, &decimalDigits, &nullable);
            };
            SQLRETURN described = describe();
            if (SQL_SUCCEEDED(described) && nameLength >= static_cast<SQLSMALLINT>(name.size())) {
                name.assign(static_cast<std::size_t>(nameLength) + 1, 0);
                described = describe();
            }
            Check(described, SQL_HANDLE_STMT, statement.Get(), failure);
            name.resize(static_cast<std::size_t>(std::max<SQLSMALLINT>(nameLength, 0)));

            SQLLEN autoUnique = SQL_FALSE;
            const SQLRETURN attribute =
                SQLColAttributeW(statement.Get(), number, SQL_DESC_AUTO_UNIQUE_VALUE, nullptr, 0,
                                 nullptr, &autoUnique);
            // The OLE DB provider for ODBC gives an unsigned integer column its unsigned type.
            SQLLEN isUnsigned = SQL_FALSE;
            const SQLRETURN signedness = SQLColAttributeW(
                statement.Get(), number, SQL_DESC_UNSIGNED, nullptr, 0, nullptr, &isUnsigned);

            TColumnInfo column = MapOdbcColumnType(
                dataType, static_cast<long long>(static_cast<SQLLEN>(columnSize)), decimalDigits,
                (SQL_SUCCEEDED(signedness) && isUnsigned == SQL_TRUE) ||
                    // SQL Server's tinyint is unsigned, whatever a driver says of it.
                    (FDbms == TDbms::SqlServer && dataType == SQL_TINYINT));
            if (FDbms == TDbms::SqlServer &&
                IsSqlServerMoneyType(ColumnTypeName(statement.Get(), number))) {
                column.Type = ado::adCurrency;
            }
            column.Name = WideToUtf8(name);
            column.IsAutoIncrement = SQL_SUCCEEDED(attribute) && autoUnique == SQL_TRUE;
            table.Columns.push_back(std::move(column));
        }
        return table;
    }

    // Declared in this order so that the connection goes before its environment.
    TEnvironmentHandle FEnvironment;
    TConnectionHandle FConnection;
    std::string FDescription;
    TPasswordScrubber FScrubber;

    std::string FQuote;
    std::string FCatalogSeparator = ".";
    bool FCatalogAtEnd = false;
    bool FCatalogInStatements = false;
    bool FSchemaInStatements = false;
    std::string FCurrentCatalog;
    TDbms FDbms = TDbms::Other;
    TCatalogueReading FReading = TCatalogueReading::TableByTable;
    /// The server keeps the query time-out for the whole session; statements set none.
    bool FSessionTimeout = false;
    std::uint64_t FStatements = 0;

    std::map<TCatalogueKey, TTableLocation> FLocations;    ///< by schema and name
    std::map<std::string, TTableLocation> FFirstLocations; ///< by name: the one listed first
    // Declared after the connection, so that it stops watching before the connection goes.
    std::unique_ptr<TSocketWatchdog> FWatchdog;

    void Check(SQLRETURN result, SQLSMALLINT handleType, SQLHANDLE handle,
               const std::string& failure) const {
        if (!SQL_SUCCEEDED(result) && FWatchdog->Tripped()) {
            // The driver then speaks of a closed connection; the cause is the server's silence.
            throw EDatabaseError(failure + " " + ServerSilenceText(FWatchdog->Limit()));
        }
        if (!SQL_SUCCEEDED(result)) {
            throw EDatabaseError(failure + " " + DiagnosticText(handleType, handle, FScrubber));
        }
    }

    std::string InfoText(SQLUSMALLINT infoType) const {
        TWideString buffer(256, 0);
        SQLSMALLINT length = 0; // in bytes
        const SQLRETURN result =
            SQLGetInfoW(FConnection.Get(), infoType, buffer.data(),
                        static_cast<SQLSMALLINT>(buffer.size() * sizeof(SQLWCHAR)), &length);
        if (!SQL_SUCCEEDED(result)) {
            return {};
        }
        const std::size_t characters =
            std::min(buffer.size() - 1,
                     static_cast<std::size_t>(std::max<SQLSMALLINT>(length, 0)) / sizeof(SQLWCHAR));
        return WideToUtf8(buffer.data(), characters);
    }

    template <typename TValue> TValue InfoNumber(SQLUSMALLINT infoType) const {
        TValue value = 0;
        if (!SQL_SUCCEEDED(
                SQLGetInfoW(FConnection.Get(), infoType, &value, sizeof value, nullptr))) {
            return 0;
        }
        return value;
    }

    void ReadDriverFacts() {
        // A blank means the driver cannot quote; QualifiedName then refuses every name.
        FQuote = Trim(InfoText(SQL_IDENTIFIER_QUOTE_CHAR));
        const std::string separator = InfoText(SQL_CATALOG_NAME_SEPARATOR);
        if (!separator.empty()) {
            FCatalogSeparator = separator;
        }
        FCatalogAtEnd = InfoNumber<SQLUSMALLINT>(SQL_CATALOG_LOCATION) == SQL_CL_END;
        FCatalogInStatements =
            (InfoNumber<SQLUINTEGER>(SQL_CATALOG_USAGE) & SQL_CU_DML_STATEMENTS) != 0;
        FSchemaInStatements =
            (InfoNumber<SQLUINTEGER>(SQL_SCHEMA_USAGE) & SQL_SU_DML_STATEMENTS) != 0;
        FDbms = DbmsOfName(InfoText(SQL_DBMS_NAME));
        FReading = CatalogueReadingFor(FDbms, InfoText(SQL_DRIVER_NAME));

        TWideString catalog(256, 0);
        SQLINTEGER length = 0; // in bytes
        if (SQL_SUCCEEDED(SQLGetConnectAttrW(
                FConnection.Get(), SQL_ATTR_CURRENT_CATALOG, catalog.data(),
                static_cast<SQLINTEGER>(catalog.size() * sizeof(SQLWCHAR)), &length)) &&
            length > 0) {
            FCurrentCatalog = WideToUtf8(
                catalog.data(),
                std::min(catalog.size() - 1, static_cast<std::size_t>(length) / sizeof(SQLWCHAR)));
        }
    }

    TStatementHandle NewStatement(const std::string& failure) {
        TStatementHandle statement;
        Check(SQLAllocHandle(SQL_HANDLE_STMT, FConnection.Get(), statement.Out()), SQL_HANDLE_DBC,
              FConnection.Get(), failure);
        // Not every driver offers a query time-out; one that does not simply waits.
        if (!FSessionTimeout) {
            SQLSetStmtAttrW(
                statement.Get(), SQL_ATTR_QUERY_TIMEOUT,
                reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(OdbcQueryTimeoutSeconds)), 0);
        }
        return statement;
    }

    // PostgreSQL keeps a statement time-out for the session: set once, it bounds every statement
    // of the run. psqlODBC would otherwise set and reset it around each statement, in two more
    // statements each time. A server that refuses it keeps the time-out of each statement.
    void SetSessionTimeout() {
        if (FDbms != TDbms::PostgreSql) {
            return;
        }
        TStatementHandle statement;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, FConnection.Get(), statement.Out()))) {
            return;
        }
        TWideString sql =
            Utf8ToWide("SET statement_timeout = " + std::to_string(OdbcQueryTimeoutSeconds * 1000));
        ++FStatements;
        FSessionTimeout = SQL_SUCCEEDED(
            SQLExecDirectW(statement.Get(), sql.data(), static_cast<SQLINTEGER>(sql.size())));
    }

    // --- The whole catalogue's columns at once ---------------------------------------------------

    TCatalogueKey CatalogueKeyOf(const TTableLocation& location, const std::string& name) const {
        return {PlaceOf(location), name};
    }

    // The tables `rows` name when they are not every table and view the catalogue listed: the
    // catalogue queries then name them, so that the server reads and sends only theirs.
    std::optional<TChosenTables> ChosenTablesOf(const std::vector<TCatalogRow>& rows) const {
        std::set<TCatalogueKey> keys;
        for (const TCatalogRow& row : rows) {
            keys.insert({row.Schema, row.TableName});
        }
        for (const auto& [key, location] : FLocations) {
            if (location.UserObject && !keys.contains(key)) {
                return TChosenTables(keys.begin(), keys.end());
            }
        }
        return std::nullopt;
    }

    // The columns of every table of the catalogue (of the `chosen` ones, when given), in a fixed
    // number of statements; nothing when the server refuses a query, and the tables are then
    // described one by one.
    std::optional<TCatalogueTables> ReadCatalogueColumns(const TChosenTables* chosen,
                                                         bool viewsChosen) {
        const std::string failure = "Cannot read the columns of " + FDescription + ".";
        TSocketWatchdog::TWatch watch(*FWatchdog);
        std::optional<TCatalogueTables> tables;
        switch (FReading) {
        case TCatalogueReading::PsqlOdbc:
            tables = ReadPsqlOdbcColumns(chosen, watch, failure);
            break;
        case TCatalogueReading::MariaDbConnector:
            tables = ReadMariaDbColumns(chosen, viewsChosen, watch, failure);
            break;
        case TCatalogueReading::FreeTds:
            tables = ReadSqlServerColumns(chosen, watch, failure);
            break;
        case TCatalogueReading::TableByTable:
            break;
        }
        if (tables) {
            for (auto& [key, table] : *tables) {
                std::stable_sort(table.Columns.begin(), table.Columns.end(),
                                 [](const auto& a, const auto& b) { return a.first < b.first; });
            }
        }
        return tables;
    }

    // PostgreSQL's catalogue in one query for all schemas, each column mapped as psqlODBC
    // describes it in a result set. psqlODBC keeps a whole result in memory while it is read:
    // the query packs each table's columns into one text, so that the driver holds a few
    // strings a table. How the driver describes the query's own probe columns tells whether it
    // describes as the mapping does (its settings, its version); where it does not, its own
    // column catalogue is read instead, which costs the driver far more memory but follows its
    // settings. (That catalogue is read whole: it knows no list of tables.)
    std::optional<TCatalogueTables> ReadPsqlOdbcColumns(const TChosenTables* chosen,
                                                        TSocketWatchdog::TWatch& watch,
                                                        const std::string& failure) {
        TCatalogueTables tables;
        bool probesMatch = true;
        // Every relation by its oid, for the foreign keys that name it; the tables' keys.
        std::map<std::int64_t, TPostgreSqlRelation> relations;
        std::vector<std::pair<std::int64_t, std::optional<std::vector<TPostgreSqlConstraint>>>>
            keyLists;
        {
            TStatementHandle statement = NewStatement(failure);
            const SQLHSTMT handle = statement.Get();
            if (!RunCatalogueQuery(handle, PostgreSqlColumnsQuery(chosen), failure)) {
                return std::nullopt;
            }
            for (bool first = true; NextRow(handle, watch, failure); first = false) {
                // In column order: not every driver reads its columns in any other.
                std::string schema = ColumnText(handle, 1, failure).value_or("");
                std::string table = ColumnText(handle, 2, failure).value_or("");
                const std::string packed = ColumnText(handle, 3, failure).value_or("");
                const int maxIdentifierLength =
                    static_cast<int>(ColumnNumber(handle, 4, failure).value_or(0));
                const std::int64_t oid = ColumnNumber(handle, 5, failure).value_or(0);
                const std::string kind = ColumnText(handle, 6, failure).value_or("");
                const std::string packedKeys = ColumnText(handle, 7, failure).value_or("");
                if (first) {
                    probesMatch = PsqlOdbcProbesMatch(handle, maxIdentifierLength);
                }
                TPostgreSqlRelation& relation = relations[oid];
                relation.Schema = schema;
                relation.Table = table;
                TCatalogueTable& entry = tables[{std::move(schema), std::move(table)}];
                const auto columns = ParsePostgreSqlColumnList(packed);
                entry.AskDriver = !columns;
                for (std::size_t i = 0; columns && i < columns->size(); ++i) {
                    const auto& [ordinal, row] = (*columns)[i];
                    relation.Columns[ordinal] = row.Name;
                    entry.Facts[row.Name] = row.Facts;
                }
                // Only tables have keys; a view, a materialized or a foreign table may stand for
                // rows whose keys the catalogue does not know.
                if (kind == "r" || kind == "p") {
                    keyLists.emplace_back(oid, ParsePostgreSqlKeyList(packedKeys));
                }
                for (std::size_t i = 0; columns && i < columns->size() && !entry.AskDriver; ++i) {
                    const auto& [ordinal, row] = (*columns)[i];
                    std::optional<TColumnInfo> column =
                        PsqlOdbcColumnFromCatalogue(row, maxIdentifierLength);
                    entry.AskDriver = !column;
                    // Only which tables the driver must describe is kept for its catalogue.
                    if (column && probesMatch) {
                        entry.Columns.emplace_back(ordinal, std::move(*column));
                    }
                }
            }
        }
        for (const auto& [oid, constraints] : keyLists) {
            const TPostgreSqlRelation& relation = relations.at(oid);
            if (constraints) {
                if (auto keys = PostgreSqlTableKeys(*constraints, oid, relations)) {
                    tables[{relation.Schema, relation.Table}].Keys = std::move(*keys);
                }
            }
        }
        if (!probesMatch) {
            std::optional<TCatalogueTables> driverTables =
                ReadPsqlOdbcColumnCatalogue(watch, failure);
            if (!driverTables) {
                return std::nullopt;
            }
            // A type the mapping leaves to the driver is one whose description its catalogue
            // may not give either (a domain over a domain). The keys and facts stay.
            for (auto& [key, entry] : *driverTables) {
                const auto known = tables.find(key);
                entry.AskDriver =
                    entry.AskDriver || (known != tables.end() && known->second.AskDriver);
                if (known != tables.end()) {
                    entry.Keys = known->second.Keys;
                    entry.Facts = known->second.Facts;
                }
            }
            tables = std::move(*driverTables);
        }
        TStatementHandle statement = NewStatement(failure);
        if (!RunCatalogueQuery(statement.Get(), PostgreSqlUnreadableTablesQuery(chosen), failure)) {
            // Which tables the user may not read is unknown: the driver describes every one of
            // them, which fails as it always did where it must. The keys and the columns' facts
            // the columns query gave stay theirs.
            for (auto& [key, entry] : tables) {
                entry.AskDriver = true;
            }
            return tables;
        }
        while (NextRow(statement.Get(), watch, failure)) {
            std::string schema = ColumnText(statement.Get(), 1, failure).value_or("");
            std::string table = ColumnText(statement.Get(), 2, failure).value_or("");
            tables[{std::move(schema), std::move(table)}].AskDriver = true;
        }
        return tables;
    }

    // Whether the driver describes each probe column of the columns query as
    // PsqlOdbcColumnFromCatalogue does a column of its type.
    bool PsqlOdbcProbesMatch(SQLHSTMT statement, int maxIdentifierLength) const {
        const std::vector<TPsqlOdbcProbe>& probes = PsqlOdbcProbes();
        for (std::size_t i = 0; i < probes.size(); ++i) {
            const auto number = static_cast<SQLUSMALLINT>(PostgreSqlColumnsQueryFacts + 1 + i);
            SQLSMALLINT dataType = SQL_UNKNOWN_TYPE;
            SQLULEN columnSize = 0;
            SQLSMALLINT decimalDigits = 0;
            SQLLEN isUnsigned = SQL_FALSE;
            // psqlODBC's wide call fails without a buffer for the name, needed or not.
            SQLWCHAR name[64];
            SQLSMALLINT nameLength = 0;
            if (!SQL_SUCCEEDED(SQLDescribeColW(
                    statement, number, name, static_cast<SQLSMALLINT>(std::size(name)), &nameLength,
                    &dataType, &columnSize, &decimalDigits, nullptr)) ||
                !SQL_SUCCEEDED(SQLColAttributeW(statement, number, SQL_DESC_UNSIGNED, nullptr, 0,
                                                nullptr, &isUnsigned))) {
                return false;
            }
            const TColumnInfo described =
                MapOdbcColumnType(dataType, static_cast<long long>(static_cast<SQLLEN>(columnSize)),
                                  decimalDigits, isUnsigned == SQL_TRUE);
            TPostgreSqlCatalogueColumn row;
            row.TypeOid = probes[i].TypeOid;
            row.TypeModifier = probes[i].TypeModifier;
            const std::optional<TColumnInfo> mapped =
                PsqlOdbcColumnFromCatalogue(row, maxIdentifierLength);
            if (!mapped || mapped->Type != described.Type ||
                mapped->DefinedSize != described.DefinedSize ||
                mapped->Precision != described.Precision ||
                mapped->NumericScale != described.NumericScale ||
                mapped->Attributes != described.Attributes) {
                return false;
            }
        }
        return true;
    }

    // psqlODBC's own column catalogue (SQLColumns without patterns), which gives every column as
    // it describes it in a result set, with the type and whether the column auto-increments in
    // columns of its own after the eighteen of ODBC.
    std::optional<TCatalogueTables> ReadPsqlOdbcColumnCatalogue(TSocketWatchdog::TWatch& watch,
                                                                const std::string& failure) {
        constexpr SQLUSMALLINT TypeColumn = 20;
        constexpr SQLUSMALLINT AutoIncrementColumn = 21;
        TCatalogueTables tables;
        TStatementHandle statement = NewStatement(failure);
        ++FStatements;
        if (!Accepted(SQLColumnsW(statement.Get(), nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0),
                      statement.Get(), failure) ||
            ResultColumnName(statement.Get(), TypeColumn) != "FIELD_TYPE" ||
            ResultColumnName(statement.Get(), AutoIncrementColumn) != "AUTO_INCREMENT") {
            return std::nullopt;
        }
        const SQLHSTMT handle = statement.Get();
        while (NextRow(handle, watch, failure)) {
            // In column order: not every driver reads its columns in any other.
            std::string schema = ColumnText(handle, 2, failure).value_or("");
            std::string table = ColumnText(handle, 3, failure).value_or("");
            std::string name = ColumnText(handle, 4, failure).value_or("");
            const auto dataType = ColumnNumber(handle, 5, failure);
            const auto size = ColumnNumber(handle, 7, failure);
            const auto digits = ColumnNumber(handle, 9, failure);
            const auto ordinal = ColumnNumber(handle, 17, failure);
            const auto typeOid = ColumnNumber(handle, TypeColumn, failure);
            const auto autoIncrement = ColumnNumber(handle, AutoIncrementColumn, failure);

            TColumnInfo column = MapOdbcColumnType(
                static_cast<int>(dataType.value_or(SQL_UNKNOWN_TYPE)), size.value_or(0),
                static_cast<int>(digits.value_or(0)), PsqlOdbcTypeIsUnsigned(typeOid.value_or(0)));
            column.Name = std::move(name);
            column.IsAutoIncrement = autoIncrement.value_or(0) != 0;
            TCatalogueTable& entry = tables[{std::move(schema), std::move(table)}];
            entry.AskDriver = entry.AskDriver || PsqlOdbcCatalogueDiffers(typeOid.value_or(0));
            entry.Columns.emplace_back(ordinal.value_or(0), std::move(column));
        }
        return tables;
    }

    // MariaDB's information_schema, in one query for all databases; its views' auto-increment
    // flags, which it does not keep, follow from their definitions.
    std::optional<TCatalogueTables> ReadMariaDbColumns(const TChosenTables* chosen,
                                                       bool viewsChosen,
                                                       TSocketWatchdog::TWatch& watch,
                                                       const std::string& failure) {
        TCatalogueTables tables;
        {
            TStatementHandle statement = NewStatement(failure);
            const SQLHSTMT handle = statement.Get();
            std::string sql = MariaDbQuery(MariaDbColumnsQuery, MariaDbCurrentDatabaseColumns);
            if (chosen != nullptr) {
                sql += MariaDbChosenColumns(*chosen, viewsChosen);
            }
            if (!RunCatalogueQuery(handle, sql, failure)) {
                return std::nullopt;
            }
            while (NextRow(handle, watch, failure)) {
                TMariaDbCatalogueColumn row;
                std::string database = ColumnText(handle, 1, failure).value_or("");
                std::string table = ColumnText(handle, 2, failure).value_or("");
                row.Name = ColumnText(handle, 3, failure).value_or("");
                const auto ordinal = ColumnNumber(handle, 4, failure);
                row.DataType = ColumnText(handle, 5, failure).value_or("");
                row.ColumnType = ColumnText(handle, 6, failure).value_or("");
                row.CharacterMaximumLength = ColumnNumber(handle, 7, failure);
                row.NumericPrecision = ColumnNumber(handle, 8, failure);
                row.NumericScale = ColumnNumber(handle, 9, failure);
                row.DatetimePrecision = ColumnNumber(handle, 10, failure);
                row.CharsetMaxLength =
                    static_cast<int>(ColumnNumber(handle, 11, failure).value_or(0));
                row.IsAutoIncrement = LowerCaseAscii(ColumnText(handle, 12, failure).value_or(""))
                                          .find("auto_increment") != std::string::npos;
                const int resultMax =
                    static_cast<int>(ColumnNumber(handle, 13, failure).value_or(0));
                row.IsNullable = ColumnText(handle, 14, failure).value_or("");
                row.ColumnDefault = ColumnText(handle, 15, failure);
                row.Comment = ColumnText(handle, 16, failure).value_or("");
                row.QuotesDefaults =
                    MariaDbQuotesDefaults(ColumnText(handle, 17, failure).value_or(""));

                TCatalogueTable& entry = tables[{std::move(database), std::move(table)}];
                entry.Facts[row.Name] = MariaDbColumnFacts(row);
                std::optional<TColumnInfo> column = MariaDbColumnFromCatalogue(row, resultMax);
                if (!column) {
                    // Kept for the views that name it; the driver describes the table.
                    entry.AskDriver = true;
                    column = TColumnInfo{};
                    column->Name = row.Name;
                    column->IsAutoIncrement = row.IsAutoIncrement;
                }
                entry.Columns.emplace_back(ordinal.value_or(0), std::move(*column));
            }
        }
        std::map<TCatalogueKey, std::pair<std::string, std::string>> views;
        {
            TStatementHandle statement = NewStatement(failure);
            const SQLHSTMT handle = statement.Get();
            // A chosen view may name views that are not chosen: then every view is read.
            std::string sql = MariaDbQuery(MariaDbViewsQuery, MariaDbCurrentDatabaseViews);
            if (chosen != nullptr && !viewsChosen) {
                sql += MariaDbChosenTables(*chosen);
            }
            if (!RunCatalogueQuery(handle, sql, failure)) {
                return std::nullopt;
            }
            while (NextRow(handle, watch, failure)) {
                std::string database = ColumnText(handle, 1, failure).value_or("");
                std::string name = ColumnText(handle, 2, failure).value_or("");
                std::string definition = ColumnText(handle, 3, failure).value_or("");
                std::string algorithm = ColumnText(handle, 4, failure).value_or("");
                views[{std::move(database), std::move(name)}] = {std::move(definition),
                                                                 std::move(algorithm)};
            }
        }
        for (auto& [key, table] : tables) {
            std::stable_sort(table.Columns.begin(), table.Columns.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
        }
        // Of a table that is not chosen only the auto-increment columns were read: any other
        // column a view names is not one.
        std::set<TCatalogueKey> chosenKeys;
        if (chosen != nullptr) {
            chosenKeys.insert(chosen->begin(), chosen->end());
        }
        ApplyViewAutoIncrement(tables, views, [&](const TCatalogueKey& key) {
            return chosen != nullptr && !chosenKeys.contains(key) && !views.contains(key) &&
                   !IsSystemLocation(TDbms::MariaDb, key.first, std::nullopt) &&
                   (FCurrentCatalog.empty() || key.first == FCurrentCatalog);
        });
        // The catalogue gives a view's columns defaults of its own making (0 for a column that
        // shows a counter or an expression): what a view's column defaults to is not known.
        for (const auto& [key, view] : views) {
            if (const auto table = tables.find(key); table != tables.end()) {
                for (auto& [name, facts] : table->second.Facts) {
                    facts.HasDefault.reset();
                }
            }
        }
        ReadMariaDbKeys(chosen, tables, views, watch, failure);
        return tables;
    }

    // Every table's primary and foreign keys; the views' stay unknown. A server that refuses
    // the query leaves every table's keys unknown and its columns as they were read.
    void ReadMariaDbKeys(const TChosenTables* chosen, TCatalogueTables& tables,
                         const std::map<TCatalogueKey, std::pair<std::string, std::string>>& views,
                         TSocketWatchdog::TWatch& watch, const std::string& failure) {
        TStatementHandle statement = NewStatement(failure);
        const SQLHSTMT handle = statement.Get();
        std::string sql = MariaDbQuery(MariaDbKeysQuery, MariaDbCurrentDatabaseKeys);
        if (chosen != nullptr) {
            sql += MariaDbChosenTables(*chosen);
        }
        if (!RunCatalogueQuery(handle, sql, failure)) {
            return;
        }
        std::vector<TKeyColumnRow> rows;
        while (NextRow(handle, watch, failure)) {
            TKeyColumnRow row;
            row.Schema = ColumnText(handle, 1, failure).value_or("");
            row.Table = ColumnText(handle, 2, failure).value_or("");
            row.Constraint = ColumnText(handle, 3, failure).value_or("");
            row.Column = ColumnText(handle, 4, failure).value_or("");
            row.Position = ColumnNumber(handle, 5, failure).value_or(0);
            const std::optional<std::string> referencedSchema = ColumnText(handle, 6, failure);
            row.ReferencedTable = ColumnText(handle, 7, failure).value_or("");
            row.ReferencedColumn = ColumnText(handle, 8, failure).value_or("");
            row.Primary = !referencedSchema;
            row.ReferencedSchema = referencedSchema.value_or("");
            rows.push_back(std::move(row));
        }
        SetTableKeys(tables, TableKeysFromRows(rows),
                     [&views](const TCatalogueKey& key) { return !views.contains(key); });
    }

    // Gives each table the keys found for it, or none known; `isTable` tells tables from views.
    static void SetTableKeys(TCatalogueTables& tables,
                             const std::map<TCatalogueKey, TTableKeys>& keys,
                             const std::function<bool(const TCatalogueKey&)>& isTable) {
        for (auto& [key, table] : tables) {
            if (!isTable(key)) {
                continue;
            }
            const auto found = keys.find(key);
            if (found != keys.end()) {
                table.Keys = found->second;
            } else {
                table.Keys.PrimaryKey.emplace();
                table.Keys.ForeignKeys.emplace();
            }
        }
    }

    // A catalogue query over the database the catalogue lists, as ReadCatalogue lists only that
    // one when the connection has one.
    std::string MariaDbQuery(const char* query, const char* currentDatabaseOnly) const {
        return FCurrentCatalog.empty() ? std::string(query)
                                       : std::string(query) + currentDatabaseOnly;
    }

    // Gives each view's columns the auto-increment flags the server passes on to them from the
    // tables (and views) they name; a view whose definition does not decide them is described
    // by the driver. `countersOnly` tells the tables of which only the auto-increment columns
    // were read.
    static void ApplyViewAutoIncrement(
        TCatalogueTables& tables,
        const std::map<TCatalogueKey, std::pair<std::string, std::string>>& views,
        const std::function<bool(const TCatalogueKey&)>& countersOnly) {
        std::map<TCatalogueKey, std::optional<std::vector<bool>>> decided;
        std::set<TCatalogueKey> deciding; // a view defined through itself decides nothing
        TMariaDbAutoIncrementLookup lookup;
        const std::function<std::optional<std::vector<bool>>(const TCatalogueKey&)> decide =
            [&](const TCatalogueKey& key) -> std::optional<std::vector<bool>> {
            if (const auto known = decided.find(key); known != decided.end()) {
                return known->second;
            }
            const auto view = views.find(key);
            const auto table = tables.find(key);
            if (view == views.end() || table == tables.end() || !deciding.insert(key).second) {
                return std::nullopt;
            }
            std::optional<std::vector<bool>> flags =
                MariaDbViewAutoIncrement(key.first, view->second.first, view->second.second,
                                         table->second.Columns.size(), lookup);
            deciding.erase(key);
            decided[key] = flags;
            return flags;
        };
        lookup = [&](const TMariaDbColumnReference& reference) -> std::optional<bool> {
            const TCatalogueKey key{reference.Database, reference.Table};
            const std::optional<bool> unlisted =
                countersOnly(key) ? std::optional<bool>(false) : std::nullopt;
            const auto table = tables.find(key);
            if (table == tables.end()) {
                return unlisted;
            }
            const auto& columns = table->second.Columns;
            // Column names never differ by case alone.
            const auto column =
                std::find_if(columns.begin(), columns.end(), [&reference](const auto& entry) {
                    return SameTextAscii(entry.second.Name, reference.Column);
                });
            if (column == columns.end()) {
                return unlisted;
            }
            if (!views.contains(key)) {
                return column->second.IsAutoIncrement;
            }
            const std::optional<std::vector<bool>> flags = decide(key);
            if (!flags) {
                return std::nullopt;
            }
            return (*flags)[static_cast<std::size_t>(column - columns.begin())];
        };
        for (const auto& [key, view] : views) {
            const auto table = tables.find(key);
            if (table == tables.end()) {
                continue;
            }
            const std::optional<std::vector<bool>> flags = decide(key);
            if (!flags) {
                table->second.AskDriver = true;
                continue;
            }
            for (std::size_t i = 0; i < flags->size(); ++i) {
                table->second.Columns[i].second.IsAutoIncrement = (*flags)[i];
            }
        }
    }

    // SQL Server's catalog views, in one query for the connection's database, and one for its
    // tables' keys.
    std::optional<TCatalogueTables> ReadSqlServerColumns(const TChosenTables* chosen,
                                                         TSocketWatchdog::TWatch& watch,
                                                         const std::string& failure) {
        TCatalogueTables tables;
        std::set<TCatalogueKey> baseTables;
        {
            TStatementHandle statement = NewStatement(failure);
            const SQLHSTMT handle = statement.Get();
            if (!RunCatalogueQuery(handle, SqlServerColumnsQuery(chosen), failure)) {
                return std::nullopt;
            }
            while (NextRow(handle, watch, failure)) {
                TSqlServerCatalogueColumn row;
                std::string schema = ColumnText(handle, 1, failure).value_or("");
                std::string table = ColumnText(handle, 2, failure).value_or("");
                row.Name = ColumnText(handle, 3, failure).value_or("");
                const auto ordinal = ColumnNumber(handle, 4, failure);
                row.TypeName = ColumnText(handle, 5, failure).value_or("");
                row.MaxLength = ColumnNumber(handle, 6, failure).value_or(0);
                row.Precision = static_cast<int>(ColumnNumber(handle, 7, failure).value_or(0));
                row.Scale = static_cast<int>(ColumnNumber(handle, 8, failure).value_or(0));
                row.IsIdentity = ColumnNumber(handle, 9, failure).value_or(0) != 0;
                row.IsNullable = ColumnNumber(handle, 10, failure).value_or(1) != 0;
                row.DefaultObjectId = ColumnNumber(handle, 11, failure).value_or(0);
                row.Description = ColumnText(handle, 12, failure);
                // The type is char(2): "U " for a table.
                if (Trim(ColumnText(handle, 13, failure).value_or("")) == "U") {
                    baseTables.insert({schema, table});
                }
                TCatalogueTable& entry = tables[{std::move(schema), std::move(table)}];
                entry.Facts[row.Name] = SqlServerColumnFacts(row);
                if (std::optional<TColumnInfo> column = SqlServerColumnFromCatalogue(row)) {
                    entry.Columns.emplace_back(ordinal.value_or(0), std::move(*column));
                } else {
                    entry.AskDriver = true;
                }
            }
        }
        // A server that refuses the keys query leaves every table's keys unknown.
        TStatementHandle statement = NewStatement(failure);
        const SQLHSTMT handle = statement.Get();
        if (!RunCatalogueQuery(handle, SqlServerKeysQuery(chosen), failure)) {
            return tables;
        }
        std::vector<TKeyColumnRow> rows;
        while (NextRow(handle, watch, failure)) {
            TKeyColumnRow row;
            row.Schema = ColumnText(handle, 1, failure).value_or("");
            row.Table = ColumnText(handle, 2, failure).value_or("");
            row.Constraint = ColumnText(handle, 3, failure).value_or("");
            row.Primary = ColumnText(handle, 4, failure).value_or("") == "P";
            row.Column = ColumnText(handle, 5, failure).value_or("");
            row.Position = ColumnNumber(handle, 6, failure).value_or(0);
            row.ReferencedSchema = ColumnText(handle, 7, failure).value_or("");
            row.ReferencedTable = ColumnText(handle, 8, failure).value_or("");
            row.ReferencedColumn = ColumnText(handle, 9, failure).value_or("");
            rows.push_back(std::move(row));
        }
        SetTableKeys(tables, TableKeysFromRows(rows),
                     [&baseTables](const TCatalogueKey& key) { return baseTables.contains(key); });
        return tables;
    }

    // Runs `sql` for a catalogue-wide reading; false when the server refuses it.
    bool RunCatalogueQuery(SQLHSTMT statement, const std::string& sql, const std::string& failure) {
        TWideString wideSql = Utf8ToWide(sql);
        ++FStatements;
        return Accepted(
            SQLExecDirectW(statement, wideSql.data(), static_cast<SQLINTEGER>(wideSql.size())),
            statement, failure);
    }

    // Whether the server took a catalogue query. A server that falls silent, drops the
    // connection or runs out of time refuses nothing: that ends the request as any other.
    bool Accepted(SQLRETURN result, SQLHSTMT statement, const std::string& failure) const {
        if (SQL_SUCCEEDED(result)) {
            return true;
        }
        const std::string state = FirstDiagnosticState(SQL_HANDLE_STMT, statement);
        if (FWatchdog->Tripped() || state.rfind("08", 0) == 0 || state == "HYT00" ||
            state == "HYT01") {
            Check(result, SQL_HANDLE_STMT, statement, failure);
        }
        return false;
    }

    // Fetches the next row of a catalogue; false after the last.
    bool NextRow(SQLHSTMT statement, TSocketWatchdog::TWatch& watch,
                 const std::string& failure) const {
        const SQLRETURN fetched = SQLFetch(statement);
        if (fetched == SQL_NO_DATA) {
            return false;
        }
        Check(fetched, SQL_HANDLE_STMT, statement, failure);
        watch.Progress();
        return true;
    }

    std::optional<std::int64_t> ColumnNumber(SQLHSTMT statement, SQLUSMALLINT column,
                                             const std::string& failure) const {
        SQLBIGINT value = 0;
        SQLLEN indicator = 0;
        Check(SQLGetData(statement, column, SQL_C_SBIGINT, &value, sizeof value, &indicator),
              SQL_HANDLE_STMT, statement, failure);
        if (indicator == SQL_NULL_DATA) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(value);
    }

    // The database's own name of a result column's type ("money"); empty where the driver
    // does not say.
    std::string ColumnTypeName(SQLHSTMT statement, SQLUSMALLINT column) const {
        TWideString name(64, 0);
        SQLSMALLINT length = 0; // in bytes
        if (!SQL_SUCCEEDED(SQLColAttributeW(
                statement, column, SQL_DESC_TYPE_NAME, name.data(),
                static_cast<SQLSMALLINT>(name.size() * sizeof(SQLWCHAR)), &length, nullptr))) {
            return {};
        }
        return WideToUtf8(
            name.data(),
            std::min(name.size() - 1, static_cast<std::size_t>(std::max<SQLSMALLINT>(length, 0)) /
                                          sizeof(SQLWCHAR)));
    }

    std::string ResultColumnName(SQLHSTMT statement, SQLUSMALLINT column) const {
        TWideString name(128, 0);
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(SQLDescribeColW(statement, column, name.data(),
                                           static_cast<SQLSMALLINT>(name.size()), &length, nullptr,
                                           nullptr, nullptr, nullptr))) {
            return {};
        }
        name.resize(std::min<std::size_t>(
            static_cast<std::size_t>(std::max<SQLSMALLINT>(length, 0)), name.size()));
        return WideToUtf8(name);
    }

    // The text of a result column, read in pieces of any length; nothing for NULL.
    std::optional<std::string> ColumnText(SQLHSTMT statement, SQLUSMALLINT column,
                                          const std::string& failure) const {
        TWideString text;
        SQLWCHAR buffer[512];
        constexpr std::size_t Capacity = sizeof buffer / sizeof buffer[0];
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN result =
                SQLGetData(statement, column, SQL_C_WCHAR, buffer, sizeof buffer, &indicator);
            if (result == SQL_NO_DATA) {
                break;
            }
            Check(result, SQL_HANDLE_STMT, statement, failure);
            if (indicator == SQL_NULL_DATA) {
                return std::nullopt;
            }
            const bool truncated =
                result == SQL_SUCCESS_WITH_INFO &&
                (indicator == SQL_NO_TOTAL || static_cast<std::size_t>(indicator) >= sizeof buffer);
            if (truncated) {
                text.append(buffer, Capacity - 1);
                continue;
            }
            text.append(buffer, static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR));
            break;
        }
        return WideToUtf8(text);
    }

    TTableLocation Locate(const std::string& tableName, const std::string& failure) {
        auto found = FFirstLocations.find(tableName);
        if (found == FFirstLocations.end()) {
            // Not listed yet, or created since the catalogue was read.
            ReadCatalogue();
            found = FFirstLocations.find(tableName);
        }
        if (found == FFirstLocations.end()) {
            throw EDatabaseError(failure + " There is no such table or view.");
        }
        return found->second;
    }

    TTableLocation Locate(const TCatalogRow& row, const std::string& failure) {
        const TCatalogueKey key{row.Schema, row.TableName};
        auto found = FLocations.find(key);
        if (found == FLocations.end()) {
            ReadCatalogue();
            found = FLocations.find(key);
        }
        if (found == FLocations.end()) {
            throw EDatabaseError(failure + " There is no such table or view.");
        }
        return found->second;
    }

    // Where a table lives as a run tells it apart: MariaDB's databases are ODBC catalogs; the
    // other servers name one database's schemas.
    std::string PlaceOf(const TTableLocation& location) const {
        const std::optional<std::string>& place =
            FDbms == TDbms::MariaDb ? location.Catalog : location.Schema;
        return place.value_or("");
    }

    std::string QuoteIdentifier(const std::string& name, const std::string& failure) const {
        if (FQuote.empty()) {
            throw EDatabaseError(failure + " The ODBC driver names no quote character for names.");
        }
        return FQuote + ReplaceAll(name, FQuote, FQuote + FQuote) + FQuote;
    }

    std::string QualifierOf(const TCatalogRow& row) const override {
        const auto found = FLocations.find({row.Schema, row.TableName});
        return found == FLocations.end() ? std::string() : QualifierOf(found->second);
    }

    // What the generated select texts must name before a table for this connection to find
    // it: a schema other than the one names are looked for in first, a database other than the
    // connection's.
    std::string QualifierOf(const TTableLocation& location) const {
        const auto other = [](const std::optional<std::string>& place, std::string_view usual) {
            return place && !place->empty() && *place != usual ? *place : std::string();
        };
        switch (FDbms) {
        case TDbms::PostgreSql:
            return other(location.Schema, "public");
        case TDbms::SqlServer:
            return other(location.Schema, "dbo");
        case TDbms::MariaDb:
            return other(location.Catalog, FCurrentCatalog);
        case TDbms::Other:
            break;
        }
        return {};
    }

    std::string QualifiedName(const TTableLocation& location, const std::string& tableName,
                              const std::string& failure) const {
        std::string name;
        if (FSchemaInStatements && location.Schema && !location.Schema->empty()) {
            name = QuoteIdentifier(*location.Schema, failure) + ".";
        }
        name += QuoteIdentifier(tableName, failure);
        // The current catalog is left out: some drivers report a file path as the catalog.
        if (FCatalogInStatements && location.Catalog && !location.Catalog->empty() &&
            *location.Catalog != FCurrentCatalog) {
            const std::string catalog = QuoteIdentifier(*location.Catalog, failure);
            name = FCatalogAtEnd ? name + FCatalogSeparator + catalog
                                 : catalog + FCatalogSeparator + name;
        }
        return name;
    }
};

} // namespace

TColumnInfo MapOdbcColumnType(int sqlType, long long columnSize, int decimalDigits,
                              bool isUnsigned) {
    using namespace ado;
    TColumnInfo column;
    const std::int64_t size = columnSize < 0 ? 0 : columnSize;
    auto set = [&column](int type, unsigned attributes) {
        column.Type = type;
        column.Attributes = attributes;
    };
    auto sized = [&column, size](int type, unsigned attributes) {
        column.Type = type;
        column.Attributes = attributes;
        column.DefinedSize = size;
    };
    auto exact = [&column, size](int type) {
        column.Type = type;
        column.Attributes = adFldFixed;
        column.Precision = static_cast<int>(std::min<std::int64_t>(size, 255));
    };
    switch (sqlType) {
    case SQL_CHAR:
        sized(adChar, adFldFixed);
        break;
    case SQL_VARCHAR:
        sized(adVarChar, 0);
        break;
    case SQL_LONGVARCHAR:
        sized(adLongVarChar, 0);
        break;
    case SQL_WCHAR:
        sized(adWChar, adFldFixed);
        break;
    case SQL_WVARCHAR:
        sized(adVarWChar, 0);
        break;
    case SQL_WLONGVARCHAR:
        sized(adLongVarWChar, 0);
        break;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        exact(adNumeric);
        column.NumericScale = decimalDigits;
        break;
    case SQL_SMALLINT:
        exact(isUnsigned ? adUnsignedSmallInt : adSmallInt);
        break;
    case SQL_INTEGER:
        exact(isUnsigned ? adUnsignedInt : adInteger);
        break;
    case SQL_REAL:
        exact(adSingle);
        break;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        exact(adDouble);
        break;
    case SQL_BIT:
        set(adBoolean, adFldFixed);
        break;
    case SQL_TINYINT:
        exact(isUnsigned ? adUnsignedTinyInt : adTinyInt);
        break;
    case SQL_BIGINT:
        exact(isUnsigned ? adUnsignedBigInt : adBigInt);
        break;
    case SQL_BINARY:
        sized(adBinary, adFldFixed);
        break;
    case SQL_VARBINARY:
        sized(adVarBinary, 0);
        break;
    case SQL_LONGVARBINARY:
        sized(adLongVarBinary, 0);
        break;
    case SQL_TYPE_DATE:
        set(adDBDate, adFldFixed);
        break;
    case SQL_TYPE_TIME:
        set(adDBTime, adFldFixed);
        break;
    case SQL_TYPE_TIMESTAMP:
        set(adDBTimeStamp, adFldFixed);
        column.NumericScale = decimalDigits;
        break;
    case SQL_GUID:
        set(adGUID, adFldFixed);
        column.DefinedSize = GuidByteSize;
        break;
    default:
        break; // adEmpty: a type the OLE DB provider for ODBC has no code for gives no field
    }
    return column;
}

std::unique_ptr<ISchemaSource> OpenOdbcSchemaSource(const std::string& connectionString,
                                                    const std::string& description,
                                                    std::chrono::milliseconds answerLimit) {
    const std::string failure = "Cannot connect to " + description + ".";
    TPasswordScrubber scrubber(connectionString);

    // From the driver manager's start to the end of the login: unixODBC and the drivers read
    // their configuration then.
    std::optional<TOdbcConfigurationGuard> configuration(std::in_place);
    TEnvironmentHandle environment;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, environment.Out()))) {
        throw EDatabaseError(failure + " The ODBC driver manager cannot be started.");
    }
    auto check = [&](SQLRETURN result, SQLSMALLINT handleType, SQLHANDLE handle) {
        if (!SQL_SUCCEEDED(result)) {
            throw EDatabaseError(failure + " " + DiagnosticText(handleType, handle, scrubber));
        }
    };
    check(SQLSetEnvAttr(environment.Get(), SQL_ATTR_ODBC_VERSION,
                        reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
          SQL_HANDLE_ENV, environment.Get());

    TConnectionHandle connection;
    check(SQLAllocHandle(SQL_HANDLE_DBC, environment.Get(), connection.Out()), SQL_HANDLE_ENV,
          environment.Get());
    // A driver without these time-outs says so here; it then waits as long as the network does.
    SQLSetConnectAttrW(connection.Get(), SQL_ATTR_LOGIN_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(OdbcLoginTimeoutSeconds)),
                       0);
    SQLSetConnectAttrW(
        connection.Get(), SQL_ATTR_CONNECTION_TIMEOUT,
        reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(OdbcConnectionTimeoutSeconds)), 0);

    TWideString wideString = Utf8ToWide(connectionString);
    const std::vector<TSocketId> socketsBefore = OpenSockets();
    // The login is watched too: a server that accepts the connection and then says nothing
    // would hold some drivers' login for ever, whatever login time-out they were given. The
    // sockets are the driver's to open, so the watchdog looks for them when the limit is
    // reached. (A socket another thread opened meanwhile would be shut down with them; that
    // happens only if this server falls silent.)
    auto watchdog = std::make_unique<TSocketWatchdog>(answerLimit);
    watchdog->WatchSocketsOpenedSince(socketsBefore);
    SQLRETURN connected = SQL_ERROR;
    {
        const TSocketWatchdog::TWatch watch(*watchdog);
        connected = SQLDriverConnectW(connection.Get(), nullptr, wideString.data(), SQL_NTS,
                                      nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    }
    configuration.reset();
    if (!SQL_SUCCEEDED(connected) && watchdog->Tripped()) {
        throw EDatabaseError(failure + " " + ServerSilenceText(answerLimit));
    }
    check(connected, SQL_HANDLE_DBC, connection.Get());
    connection.MarkConnected();
    watchdog->Watch(SocketsOpenedSince(socketsBefore));
    // The password has done its work; the copy in this buffer goes now.
    std::fill(wideString.begin(), wideString.end(), SQLWCHAR{0});

    return std::make_unique<TOdbcSchemaSource>(std::move(environment), std::move(connection),
                                               description, std::move(scrubber),
                                               std::move(watchdog));
}

} // namespace quorvane
