#pragma once

#include "text/ConnectionText.h"

#include <string>

namespace quorvane {

/// The ODBC connection string for the properties of a data link whose provider is served through
/// ODBC: MSDASQL (its "Extended Properties", else "Data Source" as a DSN), the SQL Server
/// providers (driver "FreeTDS"), PostgreSQL (driver "PostgreSQL Unicode") and MySQL or MariaDB
/// (driver "MariaDB Unicode"). "User ID" and "Password" become UID and PWD. PostgreSQL links also
/// ask for booleans as booleans, as the OLE DB providers for PostgreSQL report them, and MariaDB
/// links carry that driver's own connect and read time-outs. Throws EDatabaseError for any other
/// provider.
std::string OdbcConnectionStringFor(const TConnectionProperties& properties);

} // namespace quorvane
