#pragma once

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

} // namespace quorvane
