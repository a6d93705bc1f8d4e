#include "DataLink.h"

#include "AccessSchemaSource.h"
#include "EngineErrors.h"
#include "OdbcSchemaSource.h"
#include "SqliteSchemaSource.h"
#include "StringUtils.h"
#include "TemplateText.h"
#include "TextEncoding.h"

#include <filesystem>

namespace quorvane {

namespace {

// A key without the blanks, control bytes and separators around it. A ";" that follows a control
// byte would otherwise stay at the front of the key, and be read as a separator once the
// properties are written back.
std::string_view KeyView(std::string_view text) {
    text = TrimView(text);
    while (!text.empty() &&
           (text.front() == ';' || static_cast<unsigned char>(text.front()) <= ' ')) {
        text.remove_prefix(1);
    }
    return text;
}

constexpr std::string_view FileNameKey = "FILE NAME=";

enum class TProviderFamily { Sqlite, Access, Odbc, SqlServer, PostgreSql, MariaDb, Unknown };

TProviderFamily FamilyOfProvider(std::string_view provider) {
    if (provider.empty() || StartsWithText(provider, "MSDASQL")) {
        return TProviderFamily::Odbc;
    }
    if (StartsWithText(provider, "SQLite")) {
        return TProviderFamily::Sqlite;
    }
    if (StartsWithText(provider, "Microsoft.Jet.OLEDB") ||
        StartsWithText(provider, "Microsoft.ACE.OLEDB")) {
        return TProviderFamily::Access;
    }
    if (StartsWithText(provider, "SQLOLEDB") || StartsWithText(provider, "SQLNCLI") ||
        StartsWithText(provider, "MSOLEDBSQL")) {
        return TProviderFamily::SqlServer;
    }
    if (StartsWithText(provider, "PostgreSQL") || StartsWithText(provider, "PGNP")) {
        return TProviderFamily::PostgreSql;
    }
    if (StartsWithText(provider, "MySQLProv") || StartsWithText(provider, "MySQL") ||
        StartsWithText(provider, "MariaDB")) {
        return TProviderFamily::MariaDb;
    }
    return TProviderFamily::Unknown;
}

// Names where the properties came from, for messages: the data-link file, or the connection.
std::string SourceDescription(const std::string& dataLinkPath) {
    return dataLinkPath.empty() ? std::string("the connection string")
                                : "data-link file \"" + dataLinkPath + "\"";
}

std::string ResolveRelativeTo(const std::string& path, const std::string& dataLinkPath) {
    if (path.empty() || dataLinkPath.empty() || std::filesystem::path(path).is_absolute()) {
        return path;
    }
    const std::filesystem::path folder = std::filesystem::path(dataLinkPath).parent_path();
    return (folder / path).lexically_normal().string();
}

} // namespace

TConnectionProperties TConnectionProperties::Parse(std::string_view text) {
    TConnectionProperties properties;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t equals = text.find('=', i);
        if (equals == std::string_view::npos) {
            break; // a trailing word without "=" carries no property
        }
        const std::string key(KeyView(text.substr(i, equals - i)));
        std::size_t at = equals + 1;
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
            ++at;
        }
        std::string value;
        if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
            const char quote = text[at++];
            while (at < text.size()) {
                if (text[at] == quote) {
                    if (at + 1 < text.size() && text[at + 1] == quote) {
                        value += quote;
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                value += text[at++];
            }
            const std::size_t semicolon = text.find(';', at);
            i = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
        } else {
            const std::size_t semicolon = text.find(';', at);
            const std::size_t end = semicolon == std::string_view::npos ? text.size() : semicolon;
            value = std::string(TrimView(text.substr(at, end - at)));
            i = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
        }
        if (!key.empty()) {
            properties.FItems.emplace_back(key, std::move(value));
        }
        while (i < text.size() && (text[i] == ';' || text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
    }
    return properties;
}

std::string TConnectionProperties::Get(std::string_view key) const {
    for (const auto& [name, value] : FItems) {
        if (SameTextAscii(name, key)) {
            return value;
        }
    }
    return {};
}

bool TConnectionProperties::Has(std::string_view key) const {
    for (const auto& item : FItems) {
        if (SameTextAscii(item.first, key)) {
            return true;
        }
    }
    return false;
}

void TConnectionProperties::Set(std::string key, std::string value) {
    for (auto& item : FItems) {
        if (SameTextAscii(item.first, key)) {
            item.second = std::move(value);
            return;
        }
    }
    FItems.emplace_back(std::move(key), std::move(value));
}

std::string QuoteConnectionValue(const std::string& value) {
    const bool needsQuotes = value.find_first_of(";\"'") != std::string::npos ||
                             (!value.empty() && (static_cast<unsigned char>(value.front()) <= ' ' ||
                                                 static_cast<unsigned char>(value.back()) <= ' '));
    if (!needsQuotes) {
        return value;
    }
    return "\"" + ReplaceAll(value, "\"", "\"\"") + "\"";
}

TConnectionProperties ReadDataLinkFile(const std::string& path) {
    TConnectionProperties properties = ReadDataLinkFileAsWritten(path);
    // Only file databases have a path to resolve; a server name stays as it is.
    const TProviderFamily family = FamilyOfProvider(properties.Get("Provider"));
    if ((family == TProviderFamily::Sqlite || family == TProviderFamily::Access) &&
        properties.Has("Data Source")) {
        properties.Set("Data Source", ResolveRelativeTo(properties.Get("Data Source"), path));
    }
    return properties;
}

std::string FormatConnectionProperties(const TConnectionProperties& properties) {
    std::string text;
    for (const auto& [key, value] : properties.Items()) {
        if (!text.empty()) {
            text += ';';
        }
        text += key + "=" + QuoteConnectionValue(value);
    }
    return text;
}

void WriteDataLinkFile(const std::string& path, const TConnectionProperties& properties) {
    const std::string text = "[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n" +
                             FormatConnectionProperties(properties) + "\r\n";
    WriteBytesToFile(path, EncodeUtf16LeWithBom(text));
}

TConnectionProperties ReadDataLinkFileAsWritten(const std::string& path) {
    std::string bytes;
    int errorNumber = 0;
    if (!TryReadWholeFile(path, bytes, errorNumber)) {
        throw EDatabaseError("Cannot open data-link file \"" + path + "\". " +
                             SystemErrorText(errorNumber));
    }
    const std::string text = DecodeConfigurationText(bytes);
    std::string_view rest(text);
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line =
            TrimView(rest.substr(0, end == std::string_view::npos ? rest.size() : end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        // The "[oledb]" line holds no "=": a line that starts with "[" and holds one is read,
        // as WriteDataLinkFile writes such a line for properties whose first key starts so.
        if (line.empty() || line.front() == ';' || line.find('=') == std::string_view::npos) {
            continue;
        }
        return TConnectionProperties::Parse(line);
    }
    throw EDatabaseError("The data-link file \"" + path + "\" holds no connection string.");
}

std::unique_ptr<ISchemaSource> OpenSchemaSource(const std::string& connectionString) {
    TConnectionProperties properties;
    std::string dataLinkPath;
    if (StartsWithText(connectionString, FileNameKey)) {
        // The data-link path follows the key directly and unquoted: it is the rest of the text.
        dataLinkPath = connectionString.substr(FileNameKey.size());
        if (Trim(dataLinkPath).empty()) {
            throw EDatabaseError("No data-link file or database file was given.");
        }
        properties = ReadDataLinkFile(dataLinkPath);
    } else {
        properties = TConnectionProperties::Parse(connectionString);
    }

    const std::string provider = properties.Get("Provider");
    const std::string shownProvider = provider.empty() ? std::string("MSDASQL") : provider;
    if (SameTextAscii(Trim(properties.Get("Integrated Security")), "SSPI")) {
        throw EDatabaseError("The provider \"" + shownProvider + "\" of " +
                             SourceDescription(dataLinkPath) +
                             " asks for Windows integrated security (SSPI), which cannot be "
                             "used here; give a user name and password instead.");
    }
    const std::string dataSource = properties.Get("Data Source");
    switch (FamilyOfProvider(provider)) {
    case TProviderFamily::Sqlite:
        if (Trim(dataSource).empty()) {
            throw EDatabaseError("The SQLite connection of " + SourceDescription(dataLinkPath) +
                                 " names no \"Data Source\" file.");
        }
        return OpenSqliteSchemaSource(dataSource);
    case TProviderFamily::Access:
        if (Trim(dataSource).empty()) {
            throw EDatabaseError("The Access connection of " + SourceDescription(dataLinkPath) +
                                 " names no \"Data Source\" file.");
        }
        return OpenAccessSchemaSource(dataSource);
    case TProviderFamily::Unknown:
        throw EDatabaseError("The provider \"" + provider + "\" of " +
                             SourceDescription(dataLinkPath) + " is not known to Quorvane.");
    default:
        // Servers are reached through ODBC; the message names the server, never the string.
        return OpenOdbcSchemaSource(OdbcConnectionStringFor(properties),
                                    "\"" + (dataSource.empty() ? shownProvider : dataSource) +
                                        "\" (provider \"" + shownProvider + "\" of " +
                                        SourceDescription(dataLinkPath) + ")");
    }
}

} // namespace quorvane
