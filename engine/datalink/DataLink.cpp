#include "datalink/DataLink.h"

#include "datalink/DatabaseFile.h"
#include "datalink/OdbcConnectionString.h"
#include "datalink/ProviderFamily.h"

#include "io/AtomicFileWriter.h"
#include "schema/access/AccessSchemaSource.h"
#include "schema/firebird/FirebirdSchemaSource.h"
#include "schema/odbc/OdbcSchemaSource.h"
#include "schema/sqlite/SqliteSchemaSource.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace quorvane {

namespace {

constexpr std::string_view FileNameKey = "FILE NAME=";
// A data-link file holds one line of properties; one of a megabyte is no data-link file.
constexpr std::size_t DataLinkSizeLimit = std::size_t{1} << 20;

// A database file named by a connection must be a regular file: a device or a pipe would be
// read without end or block the run, and a folder is no database.
void ExpectRegularDatabaseFile(const std::string& path, const std::string& kind) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        throw EDatabaseError("Cannot open " + kind + " \"" + path + "\". " +
                             (S_ISDIR(status.st_mode)
                                  ? SystemErrorText(EISDIR)
                                  : std::string("It is no regular file (a device, a pipe or a "
                                                "socket).")));
    }
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

TConnectionProperties ReadDataLinkFile(const std::string& path) {
    TConnectionProperties properties = ReadDataLinkFileAsWritten(path);
    // Only file databases have a path to resolve; a server name stays as it is.
    const TProviderFamily family = ProviderFamilyOf(properties.Get("Provider"));
    const bool firebirdFile = family == TProviderFamily::Firebird &&
                              !IsFirebirdServerAddress(properties.Get("Data Source"));
    if ((family == TProviderFamily::Sqlite || family == TProviderFamily::Access || firebirdFile) &&
        properties.Has("Data Source")) {
        properties.Set("Data Source", ResolveRelativeTo(properties.Get("Data Source"), path));
    }
    return properties;
}

void WriteDataLinkFile(const std::string& path, const TConnectionProperties& properties) {
    WriteDataLinkFile(TOutputPath{{}, path}, properties);
}

void WriteDataLinkFile(const TOutputPath& path, const TConnectionProperties& properties) {
    WriteBytesToFile(path, DataLinkFileBytes(properties));
}

std::string DataLinkFileBytes(const TConnectionProperties& properties) {
    const std::string text = "[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n" +
                             FormatConnectionProperties(properties) + "\r\n";
    return EncodeUtf16LeWithBom(text);
}

TConnectionProperties ReadDataLinkFileAsWritten(const std::string& path) {
    std::string bytes;
    std::string reason;
    if (!TryReadWholeFile(path, bytes, reason, DataLinkSizeLimit)) {
        throw EDatabaseError("Cannot open data-link file \"" + path + "\". " + reason);
    }
    if (const std::string encoding = UnreadableEncodingOf(bytes); !encoding.empty()) {
        throw EDatabaseError("The data-link file \"" + path +
                             "\" is in an encoding Quorvane does not read (" + encoding +
                             "); save it as UTF-16LE with byte-order mark, as Windows does, or "
                             "as UTF-8.");
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

std::string ConnectionStringForDatabase(const std::string& udlFile) {
    const auto endsWith = [&udlFile](std::string_view suffix) {
        return EndsWithText(udlFile, suffix);
    };
    // What the file holds decides before its name does: a SQLite file without an extension is
    // a SQLite database, not a data-link file in an odd encoding.
    const auto fileFor = [&udlFile](std::string_view provider) {
        std::string text(provider);
        text += QuoteConnectionValue(udlFile);
        return text;
    };
    const TDatabaseFileKind kind = SniffDatabaseFile(udlFile);
    switch (kind) {
    case TDatabaseFileKind::Sqlite:
        return fileFor("Provider=SQLite;Data Source=");
    case TDatabaseFileKind::Firebird:
        return fileFor("Provider=Firebird;Data Source=");
    case TDatabaseFileKind::Jet:
    case TDatabaseFileKind::Ace:
        // Where the name says which, it decides: the ACE provider reads a Jet file too.
        return endsWith(".accdb") || (!endsWith(".mdb") && kind == TDatabaseFileKind::Ace)
                   ? fileFor("Provider=Microsoft.ACE.OLEDB.12.0;User ID=Admin;Data Source=")
                   : fileFor("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=");
    case TDatabaseFileKind::DataLink:
        return "FILE NAME=" + udlFile;
    case TDatabaseFileKind::Unknown:
        break;
    }
    switch (DatabaseFileKindOfName(udlFile)) {
    case TDatabaseFileKind::DataLink:
        // A data-link file whose folder merely has ".mdb" in its name is still a data-link file.
        return "FILE NAME=" + udlFile;
    case TDatabaseFileKind::Sqlite:
        return fileFor("Provider=SQLite;Data Source=");
    case TDatabaseFileKind::Firebird:
        // A Firebird or InterBase file, opened by the embedded engine.
        return fileFor("Provider=Firebird;Data Source=");
    case TDatabaseFileKind::Ace:
        return fileFor("Provider=Microsoft.ACE.OLEDB.12.0;User ID=Admin;Data Source=");
    case TDatabaseFileKind::Jet:
    case TDatabaseFileKind::Unknown:
        break;
    }
    if (LowerCaseAscii(udlFile).find(".mdb") != std::string::npos) {
        return fileFor("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=");
    }
    return "FILE NAME=" + udlFile;
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
    switch (ProviderFamilyOf(provider)) {
    case TProviderFamily::Sqlite:
        if (Trim(dataSource).empty()) {
            throw EDatabaseError("The SQLite connection of " + SourceDescription(dataLinkPath) +
                                 " names no \"Data Source\" file.");
        }
        ExpectRegularDatabaseFile(dataSource, "SQLite database");
        return OpenSqliteSchemaSource(dataSource);
    case TProviderFamily::Access:
        if (Trim(dataSource).empty()) {
            throw EDatabaseError("The Access connection of " + SourceDescription(dataLinkPath) +
                                 " names no \"Data Source\" file.");
        }
        ExpectRegularDatabaseFile(dataSource, "Access database");
        return OpenAccessSchemaSource(dataSource);
    case TProviderFamily::Firebird: {
        if (Trim(dataSource).empty()) {
            throw EDatabaseError("The Firebird connection of " + SourceDescription(dataLinkPath) +
                                 " names no \"Data Source\" database.");
        }
        const std::string description =
            "Firebird database \"" + dataSource + "\"" +
            (dataLinkPath.empty()
                 ? std::string()
                 : " (provider \"" + provider + "\" of " + SourceDescription(dataLinkPath) + ")");
        return OpenFirebirdSchemaSource({dataSource, properties.Get("User ID"),
                                         properties.Get("Password"), properties.Get("Role")},
                                        description);
    }
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
