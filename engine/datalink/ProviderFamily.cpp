#include "datalink/ProviderFamily.h"

#include "text/StringUtils.h"

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

} // namespace quorvane
