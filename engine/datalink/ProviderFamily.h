#pragma once

#include <span>
#include <string_view>

namespace quorvane {

/// The back-ends a data link's provider can be served by.
enum class TProviderFamily {
    Sqlite,
    Access,
    Odbc,
    SqlServer,
    PostgreSql,
    MariaDb,
    Firebird,
    Unknown
};

/// The family of an OLE DB provider name, matched by prefix without regard to letter case; no
/// provider at all means the OLE DB provider for ODBC, as on Windows. The Firebird providers are
/// the IBProvider family ("LCPI.IBProvider.5") and any provider whose name has "Firebird" or
/// "InterBase" in it.
TProviderFamily ProviderFamilyOf(std::string_view provider);

/// A provider the data-link editor offers: the ProgID a data-link file names it by, and the name
/// its maker gives it, which is what a user recognises in a list.
struct TKnownProvider {
    std::string_view ProgId = {};
    std::string_view Name = {};
};

/// The providers Quorvane can serve, one or more of each family, in the order the editor lists
/// them: the database files first, then ODBC, then the servers.
std::span<const TKnownProvider> KnownProviders();

} // namespace quorvane
