#pragma once

// The line protocol between the Access reader program (reader/main.cpp), which runs libmdb in a
// process of its own, and the Access back-end that starts it. One record per line, names in
// hexadecimal so that any byte survives:
//
//   V <version byte>
//   T <hex name> <1 for a system table, else 0>
//   C <hex name> <type> <size> <precision> <scale> <fixed> <auto number> <auto GUID>
//   E <message>            (and exit status 1)
//   D                      (the end of a complete listing)

#include <sstream>
#include <string>
#include <string_view>

namespace quorvane::access_reader {

/// The program's file name; it stands beside the programs that link the engine.
inline constexpr std::string_view ProgramName = "quorvane-mdb-reader";

inline constexpr char VersionRecord = 'V';
inline constexpr char TableRecord = 'T';
inline constexpr char ColumnRecord = 'C';
inline constexpr char ErrorRecord = 'E';
inline constexpr char DoneRecord = 'D';

/// A name as the protocol carries it: hexadecimal bytes, "-" for an empty name.
inline std::string HexName(std::string_view name) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(name.size() * 2);
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        hex += Digits[byte >> 4];
        hex += Digits[byte & 0x0F];
    }
    return hex.empty() ? std::string("-") : hex;
}

/// The name a HexName stands for; digits that are not hexadecimal give nothing.
inline std::string NameFromHex(std::string_view hex) {
    const auto value = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return -1;
    };
    std::string name;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int high = value(hex[i]);
        const int low = value(hex[i + 1]);
        if (high < 0 || low < 0) {
            return {};
        }
        name += static_cast<char>(high * 16 + low);
    }
    return name;
}

/// One column of a table as libmdb reads it.
struct TColumnRecord {
    std::string Name;
    int Type = 0;
    int Size = 0;
    int Precision = 0;
    int Scale = 0;
    bool Fixed = false;
    bool AutoNumber = false;
    bool AutoGuid = false;
};

inline std::string ColumnLine(const TColumnRecord& column) {
    return std::string(1, ColumnRecord) + " " + HexName(column.Name) + " " +
           std::to_string(column.Type) + " " + std::to_string(column.Size) + " " +
           std::to_string(column.Precision) + " " + std::to_string(column.Scale) + " " +
           (column.Fixed ? "1" : "0") + " " + (column.AutoNumber ? "1" : "0") + " " +
           (column.AutoGuid ? "1" : "0");
}

/// The column of a "C" line's fields (the text after "C ").
inline TColumnRecord ParseColumnFields(const std::string& fields) {
    std::istringstream in(fields);
    TColumnRecord column;
    std::string hexName;
    int fixed = 0;
    int autoNumber = 0;
    int autoGuid = 0;
    in >> hexName >> column.Type >> column.Size >> column.Precision >> column.Scale >> fixed >>
        autoNumber >> autoGuid;
    column.Name = NameFromHex(hexName);
    column.Fixed = fixed != 0;
    column.AutoNumber = autoNumber != 0;
    column.AutoGuid = autoGuid != 0;
    return column;
}

inline std::string TableLine(std::string_view name, bool system) {
    return std::string(1, TableRecord) + " " + HexName(name) + (system ? " 1" : " 0");
}

} // namespace quorvane::access_reader
