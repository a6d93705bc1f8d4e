#include "datalink/ProviderFamily.h"

#include "text/StringUtils.h"

#include <array>
#include <string>

namespace quorvane {

TProviderFamily ProviderFamilyOf(std::string_view provider) {
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
    const std::string lower = LowerCaseAscii(provider);
    if (StartsWithText(provider, "LCPI.IBProvider") || StartsWithText(provider, "IBProvider") ||
        lower.find("firebird") != std::string::npos ||
        lower.find("interbase") != std::string::npos) {
        return TProviderFamily::Firebird;
    }
    return TProviderFamily::Unknown;
}

std::span<const TKnownProvider> KnownProviders() {
    // "SQLite", "MariaDB" and "Firebird" are Quorvane's own names: no OLE DB provider has them,
    // and a data-link file that names them is read by Quorvane only.
    static constexpr std::array<TKnownProvider, 12> Providers = {{
        {"SQLite", "SQLite database file"},
        {"Microsoft.Jet.OLEDB.4.0", "Microsoft Jet 4.0 OLE DB Provider"},
        {"Microsoft.ACE.OLEDB.12.0", "Microsoft Access Database Engine OLE DB Provider"},
        {"MSDASQL.1", "Microsoft OLE DB Provider for ODBC Drivers"},
        {"SQLOLEDB.1", "Microsoft OLE DB Provider for SQL Server"},
        {"SQLNCLI11", "SQL Server Native Client 11.0"},
        {"MSOLEDBSQL", "Microsoft OLE DB Driver for SQL Server"},
        {"PostgreSQL.1", "PostgreSQL OLE DB Provider"},
        {"MySQLProv", "MySQL OLE DB Provider"},
        {"MariaDB", "MariaDB or MySQL server"},
        {"LCPI.IBProvider.5", "LCPI IBProvider for Firebird and InterBase"},
        {"Firebird", "Firebird database file or server"},
    }};
    return Providers;
}

} // namespace quorvane
