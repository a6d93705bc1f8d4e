#pragma once

#include <string_view>

namespace quorvane {

/// The back-ends a data link's provider can be served by.
enum class TProviderFamily { Sqlite, Access, Odbc, SqlServer, PostgreSql, MariaDb, Unknown };

/// The family of an OLE DB provider name, matched by prefix without regard to letter case; no
/// provider at all means the OLE DB provider for ODBC, as on Windows.
TProviderFamily ProviderFamilyOf(std::string_view provider);

} // namespace quorvane
