#pragma once

// Writes empty Access 2000 (Jet 4) databases with arbitrary table layouts and stored queries, so
// that tests can read Access schemas through libmdb without a copy of Access.

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

// The kinds of query Access saves; each has its code in the definition and its bits in the
// catalogue.
enum class TQueryKind {
    Select,
    MakeTable,
    Append,
    Update,
    Delete,
    Crosstab,
    DataDefinition,
    PassThrough,
    Union
};

enum class TJoinKind { Inner, Left, Right };

struct TQuerySource {
    std::string Name;  // a table or another query
    std::string Alias; // "" for none
};

struct TQueryColumn {
    std::string Expression; // as Access saves it: "[Orders].[OrderID]", "CCur([Amount])", "*"
    std::string Alias;      // "" for none
};

struct TQueryJoin {
    std::string Left; // source names (or aliases) as the query's FROM clause gives them
    std::string Right;
    TJoinKind Kind = TJoinKind::Inner;
    std::string Condition;
};

struct TQueryParameter {
    std::string Name;
    TAccessType Type = TAccessType::Text;
};

/// A stored query as Access keeps it: a catalogue entry and the rows of its definition, one per
/// clause part. Nothing is checked against the tables: a query may name what does not exist.
struct TStoredQuery {
    std::string Name; // a name starting with "~" is one of Access's temporary queries
    TQueryKind Kind = TQueryKind::Select;
    bool Hidden = false;    // the object's hidden attribute
    bool AllFields = false; // "SELECT *", before any Columns
    std::vector<TQueryParameter> Parameters;
    std::vector<TQuerySource> Sources;
    std::vector<TQueryColumn> Columns;
    std::vector<TQueryJoin> Joins;
    std::string Where;
    std::vector<std::string> GroupBy;
    std::string Having;
    std::vector<std::string> OrderBy;
    std::string Target; // the table a make-table or append query writes
};

/// Writes a Jet 4 database holding the tables (no rows) and the stored queries. Names are UTF-8
/// and follow Access's naming rules: 1-64 characters, no leading blank, none of . ! ` [ ] or
/// control characters, and only characters of the Basic Multilingual Plane (Jet 4 stores names
/// as UCS-2); tables and queries share one namespace. A table holds 1-255 columns. Throws
/// std::runtime_error on invalid input or when the file cannot be written.
void WriteJet4Database(const std::string& path, const std::vector<TAccessTable>& tables,
                       const std::vector<TStoredQuery>& queries = {});

} // namespace quorvane::testing
