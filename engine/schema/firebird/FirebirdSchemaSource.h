#pragma once

#include "schema/FieldTypes.h"
#include "schema/SchemaSource.h"
#include "schema/SocketWatchdog.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

/// A column's type as Firebird's system tables hold it (RDB$FIELDS of its domain, which for a
/// column made without a domain is one of the system's own making).
struct TFirebirdColumnType {
    int FieldType = 0; ///< RDB$FIELD_TYPE: 7 SMALLINT, 8 INTEGER, 14 CHAR, 37 VARCHAR, ...
    int SubType = 0;   ///< RDB$FIELD_SUB_TYPE: NUMERIC 1, DECIMAL 2; BLOB SUB_TYPE TEXT 1
    int Length = 0;    ///< RDB$FIELD_LENGTH, in bytes
    int Precision = 0; ///< RDB$FIELD_PRECISION; 0 when not recorded
    int Scale = 0;     ///< RDB$FIELD_SCALE: minus the digits after the point
    std::optional<int> CharacterLength; ///< RDB$CHARACTER_LENGTH, missing for computed text
    int CharacterSetId = 0;             ///< 0 NONE, 1 OCTETS, 3 UNICODE_FSS, 4 UTF8, ...
    int BytesPerCharacter = 1;          ///< of that character set
    bool IsArray = false;               ///< RDB$DIMENSIONS given
};

/// The ADO column as an OLE DB provider for Firebird reports a column of that type: type code,
/// size (characters for text, bytes for binary), precision, scale and the fixed-length
/// attribute. Types it has no code for (arrays, DECFLOAT) give adEmpty, which gives no field.
TColumnInfo MapFirebirdColumnType(const TFirebirdColumnType& type);

/// Whether a Firebird database name reaches a server ("host:path", "host/port:path",
/// "inet://host:port/path") rather than naming a file for the embedded engine. A Windows drive
/// ("C:\data\x.fdb") and a path whose first ":" follows a "/" are files.
bool IsFirebirdServerAddress(std::string_view database);

/// What a connection to a Firebird database needs. User, password and role may be empty; the
/// embedded engine checks no password.
struct TFirebirdLogin {
    std::string Database; ///< a file path, or a server address (IsFirebirdServerAddress)
    std::string User;
    std::string Password;
    std::string Role;
};

/// How long a Firebird server may take to accept a connection, as long as ODBC servers.
inline constexpr int FirebirdConnectTimeoutSeconds = 15;
/// How long the whole login to a Firebird server may take, however the server answers.
inline constexpr std::chrono::milliseconds FirebirdLoginLimit =
    std::chrono::seconds(FirebirdConnectTimeoutSeconds);

/// Opens a Firebird or InterBase database through libfbclient: a file through the embedded
/// engine, a server address through the network. `description` names the database in messages
/// (never the password). The embedded engine opens a copy of the file, made in a private
/// temporary folder that goes with the source, so that nothing is written to the file itself;
/// a file another program or a server holds open is refused. A login to a server that takes
/// longer than `loginLimit`, and a request to which the server stops answering for
/// `answerLimit` once connected, end with an error saying so. The lock folder the embedded
/// engine needs is chosen by ChooseFirebirdLockFolder and set for this process, unless
/// FIREBIRD_LOCK names one. Throws EDatabaseError with Firebird's own message.
std::unique_ptr<ISchemaSource>
OpenFirebirdSchemaSource(const TFirebirdLogin& login, const std::string& description,
                         std::chrono::milliseconds answerLimit = ServerAnswerLimit,
                         std::chrono::milliseconds loginLimit = FirebirdLoginLimit);

/// The folder the embedded engine keeps its lock files in (never the shared /tmp/firebird): the
/// first of `candidates` that is this user's own folder, made when it is missing; one that is a
/// link, no folder, another user's or writable by others is refused. Without one, a private
/// folder is made in the temporary folder (kept until the process ends, removed by a later
/// run). Throws EFileError when even that cannot be made.
std::string ChooseFirebirdLockFolder(const std::vector<std::string>& candidates);

} // namespace quorvane
