#pragma once

// Writes empty Access 2000 (Jet 4) databases with arbitrary table layouts and stored queries, so
// that tests can read Access schemas through libmdb without a copy of Access.

#include <cstdint>
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
    // Field properties, kept in the table's catalogue row (MSysObjects.LvProp) as Access keeps
    // them; a table none of whose columns has one keeps an empty property list.
    bool Required = false;
    std::string DefaultValue{}; // the expression as Access saves it ("0", "\"x\"", "Now()")
    std::string Description{};
};

/// A relationship with the table holding its foreign key, one row of MSysRelationships per
/// column pair. Only the rows are written: Access also gives an enforced relationship an index
/// on each side, which libmdb does not need to read it.
struct TAccessRelationship {
    std::string Name;
    std::vector<std::string> Columns;
    std::string ReferencedTable;
    std::vector<std::string> ReferencedColumns; // in the order of Columns
    bool Enforced = true; // referential integrity; a relationship without it sets flag 2
};

struct TAccessTable {
    std::string Name;
    std::vector<TAccessColumn> Columns;
    /// The primary key's columns in key order, written as the table's primary-key index (its
    /// definition and an empty leaf page); none when empty.
    std::vector<std::string> PrimaryKey{};
    std::vector<TAccessRelationship> Relationships{};
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

/// The engine version a file's header names.
enum class TAccessFileFormat {
    Jet4,   // Access 2000 to 2003 (.mdb)
    Ace2010 // Access 2010 and later (.accdb); the pages are laid out as Jet 4 lays them out
};

/// How the header marks the file.
struct TAccessFileOptions {
    TAccessFileFormat Format = TAccessFileFormat::Jet4;
    /// A database password (Jet 4 only, up to 20 characters of ASCII), kept in the header as
    /// Access 2000 keeps it; the pages stay in clear, as Access leaves them for a password alone.
    std::string Password;
    /// The page encoding key in the header; 0 for none. Jet 4: every page after the header is
    /// RC4-encoded under the key combined with the page number, as an encoded Jet 4 file is.
    /// ACE: the file is marked encrypted with a database password as Access 2010 marks it: the
    /// key, and the encryption header (agile encryption, version 4.4) after the masked part of
    /// the header. The pages are left as written: no reader is meant to decrypt them.
    std::uint32_t EncodingKey = 0;
};

/// Writes a Jet 4 database holding the tables (no rows) and the stored queries. Names are UTF-8
/// and follow Access's naming rules: 1-64 characters, no leading blank, none of . ! ` [ ] or
/// control characters, and only characters of the Basic Multilingual Plane (Jet 4 stores names
/// as UCS-2); tables and queries share one namespace. A table holds 1-255 columns. Throws
/// std::runtime_error on invalid input or when the file cannot be written.
void WriteJet4Database(const std::string& path, const std::vector<TAccessTable>& tables,
                       const std::vector<TStoredQuery>& queries = {},
                       const TAccessFileOptions& options = {});

} // namespace quorvane::testing
