#pragma once

#include "schema/FieldTypes.h"
#include "schema/SchemaSource.h"

#include <memory>
#include <string>

namespace quorvane {

/// Opens an Access database file (Jet 3, Jet 4 or ACE) read-only through libmdb. Throws
/// EDatabaseError naming the file when it is missing, damaged, encrypted or no Access file.
std::unique_ptr<ISchemaSource> OpenAccessSchemaSource(const std::string& path);

} // namespace quorvane
