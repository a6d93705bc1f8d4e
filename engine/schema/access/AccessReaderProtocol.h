#pragma once

// The line protocol between the Access reader program (reader/main.cpp), which runs libmdb in a
// process of its own, and the Access back-end that starts it. One record per line, names in
// hexadecimal so that any byte survives:
//
//   V <version byte>
//   T <hex name> <1 for a system table, else 0>
//   C <hex name> <type> <size> <precision> <scale> <fixed> <auto number> <auto GUID>
//   F <hex column name> <required> <has default> <hex description>
//                          (a column's field properties; absent when the table has none)
//   P [<hex column name> ...]  (the primary key, in key order; "P" alone: the table has none.
//                          Absent when the table's indexes cannot be read)
//   A                      (every table is listed; the relationships follow)
//   K <hex table> <hex column> <hex referenced table> <hex referenced column>
//     <hex relationship> <column count> <column number> <flags>
//                          (a row of MSysRelationships)
//   L                      (every relationship is listed; the query definitions follow.
//                          Without it the relationships are unknown)
//   Q <hex name> <object id> <flags>          (a query object of MSysObjects)
//   R <object id> <attribute> <flag> <hex expression> <hex name1> <hex name2>
//                          (a row of MSysQueries, in the table's order)
//   W <message>            (the query definitions cannot be read; the tables stand)
//   E <message>            (and exit status 1)
//   D                      (the end of a complete listing)
//
// The tables come first and the queries after "A", so that a file whose query definitions are
// damaged, even so badly that the reader crashes or hangs on them, still gives its tables.

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::access_reader {

/// The program's file name; it stands beside the programs that link the engine.
inline constexpr std::string_view ProgramName = "quorvane-mdb-reader";

inline constexpr char VersionRecord = 'V';
inline constexpr char TableRecord = 'T';
inline constexpr char ColumnRecord = 'C';
inline constexpr char FieldPropertiesRecord = 'F';
inline constexpr char PrimaryKeyRecord = 'P';
inline constexpr char TablesListedRecord = 'A';
inline constexpr char RelationshipRecord = 'K';
inline constexpr char RelationshipsListedRecord = 'L';
inline constexpr char QueryObjectRecord = 'Q';
inline constexpr char QueryRowRecord = 'R';
inline constexpr char QueryWarningRecord = 'W';
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

/// A stored query as MSysObjects lists it.
struct TQueryObjectRecord {
    std::string Name;
    long long Id = 0;
    long long Flags = 0; ///< the query's kind and its hidden and temporary bits
};

inline std::string QueryObjectLine(const TQueryObjectRecord& query) {
    return std::string(1, QueryObjectRecord) + " " + HexName(query.Name) + " " +
           std::to_string(query.Id) + " " + std::to_string(query.Flags);
}

/// The query object of a "Q" line's fields (the text after "Q ").
inline TQueryObjectRecord ParseQueryObjectFields(const std::string& fields) {
    std::istringstream in(fields);
    TQueryObjectRecord query;
    std::string hexName;
    in >> hexName >> query.Id >> query.Flags;
    query.Name = NameFromHex(hexName);
    return query;
}

/// One row of MSysQueries: a piece of a query's definition.
struct TQueryRowRecord {
    long long ObjectId = 0;
    int Attribute = 0;
    long long Flag = 0;
    std::string Expression;
    std::string Name1;
    std::string Name2;
};

inline std::string QueryRowLine(const TQueryRowRecord& row) {
    return std::string(1, QueryRowRecord) + " " + std::to_string(row.ObjectId) + " " +
           std::to_string(row.Attribute) + " " + std::to_string(row.Flag) + " " +
           HexName(row.Expression) + " " + HexName(row.Name1) + " " + HexName(row.Name2);
}

/// The query row of an "R" line's fields (the text after "R ").
inline TQueryRowRecord ParseQueryRowFields(const std::string& fields) {
    std::istringstream in(fields);
    TQueryRowRecord row;
    std::string expression;
    std::string name1;
    std::string name2;
    in >> row.ObjectId >> row.Attribute >> row.Flag >> expression >> name1 >> name2;
    row.Expression = NameFromHex(expression);
    row.Name1 = NameFromHex(name1);
    row.Name2 = NameFromHex(name2);
    return row;
}

/// What a column's field properties say.
struct TFieldPropertiesRecord {
    std::string Column;
    bool Required = false;
    bool HasDefault = false;
    std::string Description;
};

inline std::string FieldPropertiesLine(const TFieldPropertiesRecord& field) {
    return std::string(1, FieldPropertiesRecord) + " " + HexName(field.Column) + " " +
           (field.Required ? "1" : "0") + " " + (field.HasDefault ? "1" : "0") + " " +
           HexName(field.Description);
}

/// The field properties of an "F" line's fields (the text after "F ").
inline TFieldPropertiesRecord ParseFieldPropertiesFields(const std::string& fields) {
    std::istringstream in(fields);
    TFieldPropertiesRecord field;
    std::string column;
    int required = 0;
    int hasDefault = 0;
    std::string description;
    in >> column >> required >> hasDefault >> description;
    field.Column = NameFromHex(column);
    field.Required = required != 0;
    field.HasDefault = hasDefault != 0;
    field.Description = NameFromHex(description);
    return field;
}

inline std::string PrimaryKeyLine(const std::vector<std::string>& columns) {
    std::string line(1, PrimaryKeyRecord);
    for (const std::string& column : columns) {
        // Appended piece by piece: GCC 12 at -O3 takes " " + a temporary for an overlapping
        // copy (a false -Wrestrict).
        line += ' ';
        line += HexName(column);
    }
    return line;
}

/// The columns of a "P" line's fields (the text after "P ", empty for none).
inline std::vector<std::string> ParsePrimaryKeyFields(const std::string& fields) {
    std::istringstream in(fields);
    std::vector<std::string> columns;
    for (std::string hex; in >> hex;) {
        columns.push_back(NameFromHex(hex));
    }
    return columns;
}

/// One row of MSysRelationships: one column pair of a relationship.
struct TRelationshipRecord {
    std::string Table;
    std::string Column;
    std::string ReferencedTable;
    std::string ReferencedColumn;
    std::string Name;
    long long ColumnCount = 0;
    long long ColumnNumber = 0; ///< the pair's place in the relationship, from 0
    long long Flags = 0;
};

inline std::string RelationshipLine(const TRelationshipRecord& row) {
    return std::string(1, RelationshipRecord) + " " + HexName(row.Table) + " " +
           HexName(row.Column) + " " + HexName(row.ReferencedTable) + " " +
           HexName(row.ReferencedColumn) + " " + HexName(row.Name) + " " +
           std::to_string(row.ColumnCount) + " " + std::to_string(row.ColumnNumber) + " " +
           std::to_string(row.Flags);
}

/// The relationship row of a "K" line's fields (the text after "K "); false when a field is
/// missing.
inline bool ParseRelationshipFields(const std::string& fields, TRelationshipRecord& row) {
    std::istringstream in(fields);
    std::string table;
    std::string column;
    std::string referencedTable;
    std::string referencedColumn;
    std::string name;
    if (!(in >> table >> column >> referencedTable >> referencedColumn >> name >> row.ColumnCount >>
          row.ColumnNumber >> row.Flags)) {
        return false;
    }
    row.Table = NameFromHex(table);
    row.Column = NameFromHex(column);
    row.ReferencedTable = NameFromHex(referencedTable);
    row.ReferencedColumn = NameFromHex(referencedColumn);
    row.Name = NameFromHex(name);
    return true;
}

} // namespace quorvane::access_reader
