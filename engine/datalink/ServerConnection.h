#pragma once

#include "text/ConnectionText.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvane {

// How the generated application server reaches the database that a run copies beside its
// executable. The server runs on Windows, where our own back-ends do not exist: what it opens is
// named the way Windows names it (an OLE DB provider, a dbExpress driver), and the copy is named
// by its file name alone, relative to the server's folder, so that the folder can be moved.

/// The OLE DB provider of the usual Windows route to a database file without a provider of its
/// own: the provider for ODBC drivers.
inline constexpr const char* WindowsOdbcProvider = "MSDASQL.1";
/// The name the common SQLite ODBC driver registers on Windows.
inline constexpr const char* WindowsSqliteOdbcDriver = "SQLite3 ODBC Driver";
/// The name the Firebird ODBC driver registers on Windows.
inline constexpr const char* WindowsFirebirdOdbcDriver = "Firebird/InterBase(r) driver";
/// The user a Firebird database is reached as when the input names none.
inline constexpr const char* FirebirdDefaultUser = "SYSDBA";

/// The data link the server should open for the database input `databaseFile`, copied beside it as
/// `copyName` ("Database.sqlite"): for a SQLite or Firebird file, its ODBC driver through MSDASQL;
/// for an Access 2007 file (.accdb), the ACE provider. Nothing for a Jet file (.mdb) or a data-link
/// file: the server opens a Jet file by itself, and the copied data link serves as it is.
std::optional<TConnectionProperties> ServerDataLinkFor(const std::string& databaseFile,
                                                       const std::string& copyName);

/// The settings a dbExpress server reads from its connection file: comment lines (without the
/// ";") that go above the section, and the keys of the section, in order.
struct TDbExpressSettings {
    std::vector<std::string> Comments;
    std::vector<std::pair<std::string, std::string>> Keys;
};

/// The dbExpress driver and parameters for the database input `databaseFile`, copied beside the
/// server as `copyName`: a SQLite or Firebird file, or a data-link file (".udl") whose provider
/// has a dbExpress driver (SQLite, Firebird and InterBase, MySQL and MariaDB, SQL Server,
/// PostgreSQL), its values as the link holds them. Nothing for an Access file, a link through
/// ODBC or another provider: no dbExpress driver serves them as they are. Throws EDatabaseError
/// when a data-link file cannot be read.
std::optional<TDbExpressSettings> DbExpressSettingsFor(const std::string& databaseFile,
                                                       const std::string& copyName);

/// The text of a connection file with `settings` in the section `section`, as Windows profile
/// files are: comments first, then the section, CR LF line ends. A value that the profile
/// functions would trim or unquote is put between double quotes, which they take off again.
std::string FormatDbExpressSettings(const TDbExpressSettings& settings, const std::string& section);

} // namespace quorvane
