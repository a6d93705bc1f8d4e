#pragma once

#include "io/OutputPath.h"
#include "schema/SchemaSource.h"

#include <memory>
#include <string>
#include <string_view>

namespace quorvane {

/// How a SQLite column's declared type reads as an ADO column: type code, size, precision, scale
/// and attributes (the name and auto-increment flag are the caller's).
TColumnInfo MapSqliteDeclaredType(std::string_view declaredType);

/// Opens the SQLite database file at `path` read-only, so that nothing is written to it or
/// beside it: in place (immutable when it is in WAL mode and no "-wal" beside it holds changes),
/// or, when a "-wal" does, as a private copy of the file and its "-wal" in a temporary folder
/// that goes with the source. The changes in the "-wal" are read either way. Throws
/// EDatabaseError naming the file when it does not exist or is no SQLite database.
std::unique_ptr<ISchemaSource> OpenSqliteSchemaSource(const std::string& path);

/// Writes a consistent copy of the SQLite database at `path` to `target` through SQLite's backup
/// API: the input read as OpenSqliteSchemaSource reads it (its "-wal" included), the copy one
/// file with the input's permission bits, written atomically. Throws EFileError with the reason
/// alone.
void BackUpSqliteDatabase(const std::string& path, const TOutputPath& target);

} // namespace quorvane
