#pragma once

#include "schema/FieldTypes.h"
#include "schema/SchemaSource.h"
#include "schema/SocketWatchdog.h"

#include <chrono>
#include <memory>
#include <string>

namespace quorvane {

/// The ADO column as the OLE DB provider for ODBC reports an ODBC column: type code from the SQL
/// type (an integer's unsigned type where the driver calls the column unsigned), defined size,
/// precision, scale and the fixed-length attribute.
TColumnInfo MapOdbcColumnType(int sqlType, long long columnSize, int decimalDigits,
                              bool isUnsigned = false);

/// How long a connected server may stay silent during one request before the request fails.
inline constexpr std::chrono::milliseconds DefaultAnswerLimit = ServerAnswerLimit;

/// Time-outs, so that a server that refuses or stops answering ends the run instead of hanging
/// it. Drivers that ignore the ODBC attributes take them as keys of their own connection string.
inline constexpr int OdbcLoginTimeoutSeconds = 15;
inline constexpr int OdbcConnectionTimeoutSeconds = 30;
inline constexpr int OdbcQueryTimeoutSeconds =
    static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(DefaultAnswerLimit).count());

/// Connects through unixODBC with a login and query time-out. `description` names the database
/// in messages (never the connection string, which may hold a password). A server that stops
/// answering for `answerLimit` once connected ends the request with an error saying so, even
/// when the driver's own query time-out is kept by the (silent) server. Throws EDatabaseError
/// with the driver's message.
std::unique_ptr<ISchemaSource>
OpenOdbcSchemaSource(const std::string& connectionString, const std::string& description,
                     std::chrono::milliseconds answerLimit = DefaultAnswerLimit);

} // namespace quorvane
