#pragma once

#include "FieldTypes.h"
#include "SchemaSource.h"

#include <chrono>
#include <memory>
#include <string>

namespace quorvane {

class TConnectionProperties;

/// The ODBC connection string for the properties of a data link whose provider is served through
/// ODBC: MSDASQL (its "Extended Properties", else "Data Source" as a DSN), the SQL Server
/// providers (driver "FreeTDS"), PostgreSQL (driver "PostgreSQL Unicode") and MySQL or MariaDB
/// (driver "MariaDB Unicode"). "User ID" and "Password" become UID and PWD. PostgreSQL links also
/// ask for booleans as booleans, as the OLE DB providers for PostgreSQL report them, and MariaDB
/// links carry that driver's own connect and read time-outs. Throws EDatabaseError for any other
/// provider.
std::string OdbcConnectionStringFor(const TConnectionProperties& properties);

/// The ADO column as the OLE DB provider for ODBC reports an ODBC column: type code from the SQL
/// type, defined size, precision, scale and the fixed-length attribute.
TColumnInfo MapOdbcColumnType(int sqlType, long long columnSize, int decimalDigits);

/// How long a connected server may stay silent during one request before the request fails.
inline constexpr std::chrono::milliseconds DefaultAnswerLimit = std::chrono::seconds(30);

/// Connects through unixODBC with a login and query time-out. `description` names the database
/// in messages (never the connection string, which may hold a password). A server that stops
/// answering for `answerLimit` once connected ends the request with an error saying so, even
/// when the driver's own query time-out is kept by the (silent) server. Throws EDatabaseError
/// with the driver's message.
std::unique_ptr<ISchemaSource>
OpenOdbcSchemaSource(const std::string& connectionString, const std::string& description,
                     std::chrono::milliseconds answerLimit = DefaultAnswerLimit);

} // namespace quorvane
