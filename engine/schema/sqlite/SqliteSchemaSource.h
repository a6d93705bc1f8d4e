#pragma once

#include "schema/SchemaSource.h"

#include <memory>
#include <string>
#include <string_view>

namespace quorvane {

/// How a SQLite column's declared type reads as an ADO column: type code, size, precision, scale
/// and attributes (the name and auto-increment flag are the caller's).
TColumnInfo MapSqliteDeclaredType(std::string_view declaredType);

/// Opens the SQLite database file at `path` read-only. Throws EDatabaseError naming the file
/// when it does not exist or is no SQLite database.
std::unique_ptr<ISchemaSource> OpenSqliteSchemaSource(const std::string& path);

} // namespace quorvane
