#include "datalink/ServerConnection.h"

#include "datalink/DataLink.h"
#include "datalink/ProviderFamily.h"
#include "text/StringUtils.h"

namespace quorvane {

namespace {

constexpr std::string_view FileNameKey = "FILE NAME=";

// What a database input is, as the engine itself connects to it.
enum class TInputKind { Sqlite, Firebird, Jet, Ace, DataLink, Other };

TInputKind InputKindOf(const std::string& databaseFile) {
    const std::string connection = ConnectionStringForDatabase(databaseFile);
    if (StartsWithText(connection, FileNameKey)) {
        // Any other path is taken for a data link too, but the server looks for its link under
        // the name "Database.udl" only: a link copied under another name is not read there.
        return EndsWithText(databaseFile, ".udl") ? TInputKind::DataLink : TInputKind::Other;
    }
    const std::string provider = TConnectionProperties::Parse(connection).Get("Provider");
    switch (ProviderFamilyOf(provider)) {
    case TProviderFamily::Sqlite:
        return TInputKind::Sqlite;
    case TProviderFamily::Firebird:
        return TInputKind::Firebird;
    case TProviderFamily::Access:
        return StartsWithText(provider, "Microsoft.ACE") ? TInputKind::Ace : TInputKind::Jet;
    default:
        return TInputKind::Other;
    }
}

// A link through the provider for ODBC drivers: the driver and the copy's file name make the ODBC
// connection string, and MSDASQL passes the user on as UID.
TConnectionProperties OdbcLink(const std::string& driver, const std::string& fileKey,
                               const std::string& copyName, const std::string& user = {}) {
    std::string odbc;
    AppendConnectionProperty(odbc, "DRIVER", driver, TConnectionSyntax::Odbc);
    AppendConnectionProperty(odbc, fileKey, copyName, TConnectionSyntax::Odbc);
    TConnectionProperties link;
    link.Set("Provider", WindowsOdbcProvider);
    if (!user.empty()) {
        link.Set("User ID", user);
    }
    link.Set("Extended Properties", odbc);
    return link;
}

// The driver keys of the dbExpress drivers, as Delphi's own driver registry names them. They are
// written out because the server sets DriverName at run time, when a deployed machine has no
// driver registry to look them up in.
struct TDbExpressDriver {
    const char* DriverName;
    const char* GetDriverFunc;
    const char* LibraryName;
    const char* VendorLib;
};

// Firebird's own client library: gds32.dll is InterBase's name, which a Firebird installation
// only provides when asked to, while fbclient.dll also carries the embedded engine.
constexpr TDbExpressDriver InterbaseDriver = {"Interbase", "getSQLDriverINTERBASE", "dbexpint.dll",
                                              "fbclient.dll"};
constexpr TDbExpressDriver MySqlDriver = {"MySQL", "getSQLDriverMYSQL", "dbexpmysql.dll",
                                          "libmysql.dll"};
constexpr TDbExpressDriver MsSqlDriver = {"MSSQL", "getSQLDriverMSSQL", "dbexpmss.dll", "oledb"};
// Delphi ships no PostgreSQL driver; Devart's is the one most used. It speaks the server's
// protocol itself and needs no client library; VendorLib holds a placeholder rather than
// nothing, as Devart's own driver entries do, for the TSQLConnection versions that want one.
constexpr TDbExpressDriver PostgreSqlDriver = {"DevartPostgreSQL", "getSQLDriverPostgreSQL",
                                               "dbexppgsql.dll", "not used"};

void AddKey(TDbExpressSettings& settings, std::string key, std::string value) {
    settings.Keys.emplace_back(std::move(key), std::move(value));
}

void AddDriver(TDbExpressSettings& settings, const TDbExpressDriver& driver) {
    AddKey(settings, "DriverName", driver.DriverName);
    AddKey(settings, "GetDriverFunc", driver.GetDriverFunc);
    AddKey(settings, "LibraryName", driver.LibraryName);
    AddKey(settings, "VendorLib", driver.VendorLib);
}

// The user and password of a data link, when it names them.
void AddLogin(TDbExpressSettings& settings, const TConnectionProperties& link) {
    if (!Trim(link.Get("User ID")).empty()) {
        AddKey(settings, "User_Name", link.Get("User ID"));
    }
    if (link.Has("Password")) {
        AddKey(settings, "Password", link.Get("Password"));
    }
}

TDbExpressSettings FirebirdSettings(const std::string& database, const TConnectionProperties& link,
                                    std::vector<std::string> comments) {
    TDbExpressSettings settings{std::move(comments), {}};
    AddDriver(settings, InterbaseDriver);
    AddKey(settings, "Database", database);
    const std::string user = Trim(link.Get("User ID"));
    AddKey(settings, "User_Name", user.empty() ? std::string(FirebirdDefaultUser) : user);
    if (link.Has("Password")) {
        AddKey(settings, "Password", link.Get("Password"));
    }
    if (!Trim(link.Get("Role")).empty()) {
        AddKey(settings, "RoleName", link.Get("Role"));
    }
    // Every database Firebird has made by default since its first version is of dialect 3.
    AddKey(settings, "SQLDialect", "3");
    return settings;
}

TDbExpressSettings SqliteSettings(const std::string& database, std::vector<std::string> comments) {
    TDbExpressSettings settings{std::move(comments), {}};
    // Delphi's SQLite driver is a unit linked into the program, not a library: the driver name
    // alone chooses it.
    AddKey(settings, "DriverName", "Sqlite");
    AddKey(settings, "Database", database);
    // The driver would otherwise make an empty database where the file is missing, and the
    // server would start without a table.
    AddKey(settings, "FailIfMissing", "True");
    return settings;
}

const std::vector<std::string> SqliteDriverNote = {
    "Delphi's SQLite driver comes with Delphi XE3 and later; the server must use",
    "its unit Data.DbxSqlite."};

std::vector<std::string> Lines(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

std::optional<TDbExpressSettings> DataLinkSettings(const std::string& databaseFile) {
    const TConnectionProperties link = ReadDataLinkFileAsWritten(databaseFile);
    const std::string provider = link.Get("Provider");
    const std::string dataSource = link.Get("Data Source");
    const std::vector<std::string> head = {
        "The database the application server reads, through a dbExpress driver:",
        "the one the data link Database.udl names (provider " + provider + ")."};
    TDbExpressSettings settings{head, {}};
    const auto serverSettings = [&](const TDbExpressDriver& driver) {
        AddDriver(settings, driver);
        AddKey(settings, "HostName", dataSource);
        const std::string catalog = link.Get("Initial Catalog");
        AddKey(settings, "Database", catalog.empty() ? link.Get("Location") : catalog);
        AddLogin(settings, link);
        return settings;
    };
    switch (ProviderFamilyOf(provider)) {
    case TProviderFamily::Sqlite:
        return SqliteSettings(dataSource, Lines({head, SqliteDriverNote}));
    case TProviderFamily::Firebird:
        return FirebirdSettings(dataSource, link, head);
    case TProviderFamily::MariaDb:
        return serverSettings(MySqlDriver);
    case TProviderFamily::SqlServer:
        return serverSettings(MsSqlDriver);
    case TProviderFamily::PostgreSql:
        settings.Comments.push_back("Delphi ships no PostgreSQL driver: these keys name Devart's "
                                    "dbExpress driver");
        settings.Comments.push_back("for PostgreSQL; change them for another driver.");
        return serverSettings(PostgreSqlDriver);
    default:
        return std::nullopt;
    }
}

// A value the profile functions give back as written: they drop blanks around a value and one
// pair of quotes around it.
std::string ProfileValue(const std::string& value) {
    const bool trimmed = !value.empty() && (static_cast<unsigned char>(value.front()) <= ' ' ||
                                            static_cast<unsigned char>(value.back()) <= ' ');
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return trimmed || quoted ? "\"" + value + "\"" : value;
}

} // namespace

std::optional<TConnectionProperties> ServerDataLinkFor(const std::string& databaseFile,
                                                       const std::string& copyName) {
    switch (InputKindOf(databaseFile)) {
    case TInputKind::Sqlite:
        return OdbcLink(WindowsSqliteOdbcDriver, "Database", copyName);
    case TInputKind::Firebird:
        // A file given by its path carries no login. Firebird's embedded engine, which opens a
        // local file without a server, takes the user name alone and asks for no password; a
        // password written here would be a guess, and a server's administrator adds the real one.
        // SYSDBA is the user every Firebird database has.
        return OdbcLink(WindowsFirebirdOdbcDriver, "DBNAME", copyName, FirebirdDefaultUser);
    case TInputKind::Ace: {
        // The server opens a Jet file (.mdb) by itself, but not an Access 2007 file: it gets the
        // link the Jet file would have, with the provider that reads it.
        TConnectionProperties link;
        link.Set("Provider", "Microsoft.ACE.OLEDB.12.0");
        link.Set("Data Source", copyName);
        link.Set("Persist Security Info", "False");
        return link;
    }
    default:
        return std::nullopt;
    }
}

std::optional<TDbExpressSettings> DbExpressSettingsFor(const std::string& databaseFile,
                                                       const std::string& copyName) {
    switch (InputKindOf(databaseFile)) {
    case TInputKind::Sqlite:
        return SqliteSettings(
            copyName, Lines({{"The database the application server reads, through a dbExpress "
                              "driver:",
                              copyName + " beside the server."},
                             SqliteDriverNote}));
    case TInputKind::Firebird:
        return FirebirdSettings(
            copyName, {},
            {"The database the application server reads, through a dbExpress driver:",
             copyName + " beside the server, by the InterBase driver and Firebird's client",
             "library fbclient.dll (with its embedded engine, or a local server).",
             "No password is written: the embedded engine asks for none. For a server,",
             "add Password=..."});
    case TInputKind::DataLink:
        return DataLinkSettings(databaseFile);
    default:
        return std::nullopt;
    }
}

std::string FormatDbExpressSettings(const TDbExpressSettings& settings,
                                    const std::string& section) {
    std::string text;
    for (const std::string& comment : settings.Comments) {
        text += "; " + comment + "\r\n";
    }
    text += "[" + section + "]\r\n";
    for (const auto& [key, value] : settings.Keys) {
        text += key + "=" + ProfileValue(value) + "\r\n";
    }
    return text;
}

} // namespace quorvane
