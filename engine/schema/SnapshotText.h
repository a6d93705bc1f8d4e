#pragma once

// What a run sees of a database, written out for people (`--describe`) and for scripts and
// other generators (`--describe --format json`).

#include "schema/SchemaSnapshot.h"

#include <string>

namespace quorvane {

/// Each table or view on a line of its own in catalogue order, named as its select text names
/// it; one line per field: a tab, the field name, the kind, "Size=N", "Precision=N" for
/// decimals, "FixedChar=", "AutoIncrement=", then what the database says of it where it says it
/// ("NotNull=", "Default=", "Comment="); then the table's keys where the database says them
/// ("PrimaryKey=a, b", or "PrimaryKey=" for a table known to have none; one "ForeignKey=a, b ->
/// schema.table(x, y)" line each). Names and comments are shown with control characters escaped.
std::string SnapshotText(const TSchemaSnapshot& snapshot);

/// The whole snapshot as one JSON object (UTF-8, a byte that is not UTF-8 given as U+FFFD):
/// {"tables": [...], "warnings": [...]}. A fact the database does not say is null.
std::string SnapshotJson(const TSchemaSnapshot& snapshot);

} // namespace quorvane
