#pragma once

#include "io/OutputPath.h"
#include "schema/SchemaSource.h"
#include "text/ConnectionText.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane {

/// Reads a data-link (.udl) file: UTF-16LE with byte-order mark, UTF-8 or 8-bit, a "[oledb]"
/// line, comment lines starting with ";" and one line holding the initialisation string. A
/// relative "Data Source" file path is taken relative to the data-link file's own folder.
/// Throws EDatabaseError when the file cannot be read or holds no initialisation string.
TConnectionProperties ReadDataLinkFile(const std::string& path);

/// The properties of a data-link file as they stand in it, paths not resolved (for editing).
TConnectionProperties ReadDataLinkFileAsWritten(const std::string& path);

/// Writes a data-link file as Windows does: UTF-16LE with byte-order mark, the "[oledb]" line, the
/// comment line and the initialisation string, CR LF line ends. Throws EFileError.
void WriteDataLinkFile(const std::string& path, const TConnectionProperties& properties);
/// The same, into a run's output, atomically.
void WriteDataLinkFile(const TOutputPath& path, const TConnectionProperties& properties);
/// The bytes of a data-link file naming `properties`, as Windows writes one.
std::string DataLinkFileBytes(const TConnectionProperties& properties);

/// The connection string for a database path: "FILE NAME=" for a data-link file (read when the
/// connection opens), a Jet or ACE provider string for an Access file, the SQLite provider for a
/// SQLite file, the Firebird provider for a Firebird or InterBase file. What the file's first
/// bytes show decides (SniffDatabaseFile); where they show none of these, the extension does
/// (.sqlite, .sqlite3, .db; .fdb, .gdb, .ib; .accdb, .mdb); any other path is taken for a
/// data-link file.
std::string ConnectionStringForDatabase(const std::string& path);

/// Opens the schema source a connection string names: "FILE NAME=" a data-link file, a Jet or
/// ACE provider string for Access files, "Provider=SQLite;Data Source=" a SQLite file, or a
/// Firebird provider with a database file or server address in "Data Source". Throws
/// EDatabaseError with a message naming the provider when it cannot be served. Passwords never
/// appear in a message.
std::unique_ptr<ISchemaSource> OpenSchemaSource(const std::string& connectionString);

} // namespace quorvane
