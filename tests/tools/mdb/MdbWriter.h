#pragma once

// Writes empty Access 2000 (Jet 4) databases with arbitrary table layouts, so that tests can read
// Access schemas through libmdb without a copy of Access.

#include <string>
#include <vector>

namespace quorvane::testing {

// The field types Access offers in table design view (Jet 4 has no Large Number).
enum class TAccessType {
    YesNo,
    Byte,
    Integer,
    LongInteger,
    AutoNumber,
    Currency,
    Single,
    Double,
    DateTime,
    Text,
    Memo,
    Hyperlink,
    OleObject,
    Binary,
    ReplicationId,
    Decimal
};

struct TAccessColumn {
    std::string Name;
    TAccessType Type = TAccessType::LongInteger;
    int Size = 0;       // Text: characters (1-255); Binary: bytes (1-255)
    int Precision = 18; // Decimal: total digits (1-28)
    int Scale = 0;      // Decimal: digits after the point (0-Precision)
};

struct TAccessTable {
    std::string Name;
    std::vector<TAccessColumn> Columns;
};

/// Writes a Jet 4 database holding the tables (no rows). Names are UTF-8 and follow Access's
/// naming rules: 1-64 characters, no leading blank, none of . ! ` [ ] or control characters,
/// and only characters of the Basic Multilingual Plane (Jet 4 stores names as UCS-2). A table
/// holds 1-255 columns. Throws std::runtime_error on invalid input or when the file cannot be
/// written.
void WriteJet4Database(const std::string& path, const std::vector<TAccessTable>& tables);

} // namespace quorvane::testing
