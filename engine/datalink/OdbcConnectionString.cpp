// How a data link's provider reaches its server through ODBC: the driver, and the keys the
// provider's properties map to.

#include "datalink/OdbcConnectionString.h"

#include "datalink/ProviderFamily.h"
#include "schema/odbc/OdbcSchemaSource.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

namespace quorvane {

namespace {

// The keys under which drivers take a user name, a password and a database.
const std::vector<std::string_view> UserKeys = {"UID", "USER", "USERNAME"};
const std::vector<std::string_view> PasswordKeys = {"PWD", "PASSWORD"};
const std::vector<std::string_view> DatabaseKeys = {"DATABASE", "DB"};

void AppendKey(std::string& text, std::string_view key, const std::string& value) {
    AppendConnectionProperty(text, key, value, TConnectionSyntax::Odbc);
}

void AppendCredentials(std::string& text, const TConnectionProperties& properties) {
    const auto present = TConnectionProperties::Parse(text, TConnectionSyntax::Odbc);
    if (properties.Has("User ID") && !present.HasAny(UserKeys)) {
        AppendKey(text, "UID", properties.Get("User ID"));
    }
    if (properties.Has("Password") && !present.HasAny(PasswordKeys)) {
        AppendKey(text, "PWD", properties.Get("Password"));
    }
}

// A server name with its port: "host:port" (PostgreSQL, MySQL) or "host,port" (SQL Server).
// A bare IPv6 address has several colons and no port; "[address]:port" has one.
std::pair<std::string, std::string> SplitHostAndPort(const std::string& dataSource,
                                                     char separator) {
    const std::string source = Trim(dataSource);
    if (separator == ':' && !source.empty() && source.front() == '[') {
        const std::size_t close = source.find(']');
        if (close != std::string::npos) {
            const std::string rest = source.substr(close + 1);
            return {source.substr(1, close - 1),
                    rest.size() > 1 && rest.front() == ':' ? Trim(rest.substr(1)) : ""};
        }
    }
    const std::size_t at = source.rfind(separator);
    if (at == std::string::npos ||
        (separator == ':' && source.find(':') != at)) { // an IPv6 address
        return {source, ""};
    }
    return {Trim(source.substr(0, at)), Trim(source.substr(at + 1))};
}

// Debian's entries for the PostgreSQL driver turn its communication log on, and the driver then
// leaves a log file in /tmp for every connection, password exchanges included. A key the user's
// own text gives is left as it stands.
void AppendPsqlOdbcLogsOff(std::string& text) {
    const auto present = TConnectionProperties::Parse(text, TConnectionSyntax::Odbc);
    for (const std::string_view key : {"CommLog", "Debug"}) {
        if (!present.Has(key)) {
            AppendKey(text, key, "0");
        }
    }
}

// Whether an ODBC connection text names the PostgreSQL driver itself (not a DSN, whose driver
// only the DSN's own entry knows).
bool NamesPsqlOdbc(const std::string& text) {
    const std::string driver =
        LowerCaseAscii(TConnectionProperties::Parse(text, TConnectionSyntax::Odbc).Get("Driver"));
    return driver.find("postgresql") != std::string::npos ||
           driver.find("psqlodbc") != std::string::npos;
}

std::string DatabaseOf(const TConnectionProperties& properties) {
    const std::string catalog = properties.Get("Initial Catalog");
    return catalog.empty() ? properties.Get("Location") : catalog;
}

// The server's name as SQL Server's tools write it: "tcp:" and the local names of Windows.
std::string SqlServerHost(std::string host) {
    if (StartsWithText(host, "tcp:")) {
        host = Trim(host.substr(4));
    }
    if (host == "." || SameTextAscii(host, "(local)")) {
        return "localhost";
    }
    if (host.size() > 2 && host.compare(0, 2, ".\\") == 0) {
        return "localhost" + host.substr(1);
    }
    if (StartsWithText(host, "(local)\\")) {
        return "localhost" + host.substr(7);
    }
    return host;
}

// "Driver={driver};Server=...", then the port and the database when there are any.
std::string DriverConnectionText(std::string_view driver, const std::string& server,
                                 const std::string& port, const std::string& database) {
    std::string text = "Driver={" + std::string(driver) + "}";
    AppendKey(text, "Server", server);
    if (!port.empty()) {
        AppendKey(text, "Port", port);
    }
    if (!database.empty()) {
        AppendKey(text, "Database", database);
    }
    return text;
}

// The port written after the host, else the data link's own "Port" property.
std::string PortOf(const std::string& portAfterHost, const TConnectionProperties& properties) {
    return portAfterHost.empty() ? Trim(properties.Get("Port")) : portAfterHost;
}

} // namespace

std::string OdbcConnectionStringFor(const TConnectionProperties& properties) {
    const std::string provider = properties.Get("Provider");
    const std::string dataSource = Trim(properties.Get("Data Source"));
    const std::string database = DatabaseOf(properties);
    std::string text;
    switch (ProviderFamilyOf(provider)) {
    case TProviderFamily::Odbc: {
        const std::string extended = Trim(properties.Get("Extended Properties"));
        if (!extended.empty()) {
            text = extended;
        } else {
            AppendKey(text, "DSN", dataSource);
        }
        if (NamesPsqlOdbc(text)) {
            AppendPsqlOdbcLogsOff(text);
        }
        // The OLE DB provider for ODBC makes "Initial Catalog" the connection's database.
        if (!database.empty() &&
            !TConnectionProperties::Parse(text, TConnectionSyntax::Odbc).HasAny(DatabaseKeys)) {
            AppendKey(text, "Database", database);
        }
        break;
    }
    case TProviderFamily::SqlServer: {
        const auto [host, port] = SplitHostAndPort(dataSource, ',');
        text = DriverConnectionText("FreeTDS", SqlServerHost(host), port, database);
        break;
    }
    case TProviderFamily::PostgreSql: {
        const auto [host, port] = SplitHostAndPort(dataSource, ':');
        text = DriverConnectionText("PostgreSQL Unicode", host, PortOf(port, properties), database);
        // The OLE DB providers for PostgreSQL report a boolean column as a boolean; the ODBC
        // driver does so only when told, and otherwise reports it as text.
        AppendKey(text, "BoolsAsChar", "0");
        AppendPsqlOdbcLogsOff(text);
        break;
    }
    case TProviderFamily::MariaDb: {
        const auto [host, port] = SplitHostAndPort(dataSource, ':');
        text = DriverConnectionText("MariaDB Unicode", host, PortOf(port, properties), database);
        // This driver leaves the ODBC login time-out aside while it waits for the server's
        // greeting, and has no query time-out of the client's: its own keys bound both waits.
        AppendKey(text, "CONN_TIMEOUT", std::to_string(OdbcLoginTimeoutSeconds));
        AppendKey(text, "READ_TIMEOUT", std::to_string(OdbcQueryTimeoutSeconds));
        AppendKey(text, "WRITE_TIMEOUT", std::to_string(OdbcQueryTimeoutSeconds));
        break;
    }
    default:
        throw EDatabaseError("The provider \"" + provider + "\" is not reached through ODBC.");
    }
    AppendCredentials(text, properties);
    return text;
}

} // namespace quorvane
