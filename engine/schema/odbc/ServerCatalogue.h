#pragma once

// How the rows of a server's own catalogue become the columns its ODBC driver reports for a
// table's result set. The ODBC back-end reads a whole catalogue in one statement and must give
// every column exactly as describing the table one statement at a time would: these functions
// reproduce each driver's answer from the catalogue's facts.

#include "schema/FieldTypes.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

/// The tables a run chose, by their schema (MariaDB: their database) and name as TCatalogRow
/// gives them: what the catalogue queries are narrowed to when they are not every table.
using TChosenTables = std::vector<std::pair<std::string, std::string>>;

// --- MariaDB and MySQL, as the MariaDB Connector/ODBC Unicode driver reports them --------------

/// One row of information_schema.COLUMNS, with the character sets' longest characters.
struct TMariaDbCatalogueColumn {
    std::string Name;
    std::string DataType;   ///< DATA_TYPE, as the server writes it ("varchar", "int", ...)
    std::string ColumnType; ///< COLUMN_TYPE ("int(10) unsigned")
    std::optional<std::int64_t> CharacterMaximumLength;
    std::optional<std::int64_t> NumericPrecision;
    std::optional<std::int64_t> NumericScale;
    std::optional<std::int64_t> DatetimePrecision;
    /// Bytes of the column's character set's longest character; 0 for binary columns.
    int CharsetMaxLength = 0;
    bool IsAutoIncrement = false;
    std::string IsNullable;                   ///< IS_NULLABLE: "YES" or "NO"
    std::optional<std::string> ColumnDefault; ///< COLUMN_DEFAULT as the server writes it
    std::string Comment;                      ///< COLUMN_COMMENT; empty for none
    /// The server writes a text default in quotes and a nullable column without one as the
    /// text NULL (MariaDB from 10.2.7); MySQL and older MariaDB give SQL NULL for none.
    bool QuotesDefaults = false;
};

/// The column as the driver describes it on a connection whose results come in a character set
/// of `resultCharsetMaxLength` bytes a character at most (0: the server does not convert). None
/// for a type this function does not know: that table is then described by the driver itself.
std::optional<TColumnInfo> MariaDbColumnFromCatalogue(const TMariaDbCatalogueColumn& row,
                                                      int resultCharsetMaxLength);

/// NOT NULL, a declared default and the comment of a catalogue row.
TColumnFacts MariaDbColumnFacts(const TMariaDbCatalogueColumn& row);

/// Whether a server of this VERSION() quotes its text defaults in information_schema.COLUMNS
/// and writes NULL for a nullable column without a default.
bool MariaDbQuotesDefaults(std::string_view version);

/// Where a column reference of a view leads: a table's or a view's column.
struct TMariaDbColumnReference {
    std::string Database;
    std::string Table;
    std::string Column;
};

/// Whether the column a view names is auto-incrementing, as the server marks it in the view's
/// result: nothing when the catalogue does not know the table or column.
using TMariaDbAutoIncrementLookup =
    std::function<std::optional<bool>(const TMariaDbColumnReference&)>;

/// The auto-increment flag of each of a view's `columnCount` columns, from the definition the
/// server keeps (information_schema.VIEWS.VIEW_DEFINITION, in its own canonical writing) and
/// its algorithm. The server passes a column's flag on only when it merges the view into the
/// query and the column is a plain reference to a flagged column. Nothing when the definition
/// is of a shape this reading does not decide (derived tables, common table expressions,
/// subqueries in the select list, references it cannot resolve): the driver describes that
/// view itself.
std::optional<std::vector<bool>>
MariaDbViewAutoIncrement(const std::string& database, const std::string& definition,
                         const std::string& algorithm, std::size_t columnCount,
                         const TMariaDbAutoIncrementLookup& lookup);

/// The catalogue's columns of every table and view outside the server's own databases, and the
/// longest character of the connection's result character set, in one statement.
extern const char* const MariaDbColumnsQuery;
/// The definitions of every view outside the server's own databases.
extern const char* const MariaDbViewsQuery;
/// The primary and foreign key columns of every table outside the server's own databases.
extern const char* const MariaDbKeysQuery;
/// What narrows each of the three to the connection's current database.
extern const char* const MariaDbCurrentDatabaseColumns;
extern const char* const MariaDbCurrentDatabaseViews;
extern const char* const MariaDbCurrentDatabaseKeys;

/// A text as a MariaDB string of its UTF-8 bytes (a hexadecimal literal), which reads the same
/// whatever the server's SQL mode does with backslashes and quotes.
std::string MariaDbLiteral(std::string_view text);
/// What narrows the columns query to the `chosen` tables. With `viewsChosen`, the columns of
/// every view and every auto-increment column stay too: a chosen view's flags follow from the
/// views and tables it names.
std::string MariaDbChosenColumns(const TChosenTables& chosen, bool viewsChosen);
/// What narrows the views query or the keys query to the `chosen` tables.
std::string MariaDbChosenTables(const TChosenTables& chosen);

// --- Keys as MariaDB's and SQL Server's catalogues list them: a row a key column ---------------

struct TKeyColumnRow {
    std::string Schema; ///< as TCatalogRow::Schema names it (MariaDB: the database)
    std::string Table;
    std::string Constraint;
    bool Primary = false; ///< else a foreign key
    std::string Column;
    std::int64_t Position = 0; ///< the column's place in its key, from 1
    std::string ReferencedSchema;
    std::string ReferencedTable;
    std::string ReferencedColumn;
};

/// Each table's keys from its key columns' rows, in any order: the primary key's columns in
/// key order (an empty list for a table with only foreign keys), the foreign keys by their
/// constraints' names. Tables without rows are not in the answer.
std::map<std::pair<std::string, std::string>, TTableKeys>
TableKeysFromRows(const std::vector<TKeyColumnRow>& rows);

// --- SQL Server, as the FreeTDS driver reports it ------------------------------------------------

/// One column of sys.columns with its system type.
struct TSqlServerCatalogueColumn {
    std::string Name;
    std::string TypeName;       ///< the system type's name ("nvarchar", "int", ...)
    std::int64_t MaxLength = 0; ///< bytes; -1 for the (max) types
    int Precision = 0;
    int Scale = 0;
    bool IsIdentity = false;
    bool IsNullable = true;
    std::int64_t DefaultObjectId = 0;       ///< the column's default constraint; 0 for none
    std::optional<std::string> Description; ///< its MS_Description extended property
};

/// NOT NULL, a declared default and the MS_Description of a sys.columns row.
TColumnFacts SqlServerColumnFacts(const TSqlServerCatalogueColumn& row);

/// The column as FreeTDS describes it in a result set; none for a type it has no code for.
std::optional<TColumnInfo> SqlServerColumnFromCatalogue(const TSqlServerCatalogueColumn& row);

/// Whether a SQL Server type is one of its currencies: ODBC calls them decimals, but SQL Server's
/// OLE DB providers give them ADO's currency type, which Delphi makes a TBCDField of.
bool IsSqlServerMoneyType(std::string_view typeName);

/// The columns of every user table and view of the connection's database (of the `chosen` ones
/// when given), in one statement: schema, table, column, ordinal, type, length, precision,
/// scale, identity, nullable, default constraint, description, and the object's type ("U " for
/// a table, "V " for a view).
std::string SqlServerColumnsQuery(const TChosenTables* chosen = nullptr);
/// The primary and foreign key columns of every user table of the connection's database (of the
/// `chosen` ones when given): schema, table, constraint, "P" or "F", column, place in the key,
/// referenced schema, table, column.
std::string SqlServerKeysQuery(const TChosenTables* chosen = nullptr);

// --- PostgreSQL, as psqlODBC reports it ---------------------------------------------------------

/// One column as the catalogue query gives it: the facts a result set's description carries.
struct TPostgreSqlCatalogueColumn {
    std::string Name;
    /// The type a result reports: a domain's base type. 0 for a type whose description this
    /// reading does not reproduce (a domain over a domain, the large-object type "lo").
    std::int64_t TypeOid = 0;
    /// pg_attribute.atttypmod, or the domain's own for a column of a domain; -1 for none.
    std::int64_t TypeModifier = -1;
    /// An identity column, or one NOT NULL with a nextval() default: what psqlODBC calls
    /// auto-incrementing on a 32- or 64-bit integer.
    bool IdentityOrSerial = false;
    /// NOT NULL, a declared default, the comment ("" for none).
    TColumnFacts Facts;
};

/// The column as psqlODBC (its Unicode driver, default settings, booleans as booleans)
/// describes it in a result set; none for a type this function does not reproduce, whose
/// table the driver then describes itself. `maxIdentifierLength` is the server's.
std::optional<TColumnInfo> PsqlOdbcColumnFromCatalogue(const TPostgreSqlCatalogueColumn& row,
                                                       int maxIdentifierLength);

/// A table's columns as the columns query packs them into one text, with their ordinal
/// positions; none when the text is not of that form.
std::optional<std::vector<std::pair<std::int64_t, TPostgreSqlCatalogueColumn>>>
ParsePostgreSqlColumnList(const std::string& text);

/// A typed NULL that the columns query carries as a result column of its own: how the driver
/// describes it tells whether its settings and version are those PsqlOdbcColumnFromCatalogue
/// reproduces.
struct TPsqlOdbcProbe {
    const char* Expression; ///< "NULL::varchar(300)"
    std::int64_t TypeOid;
    std::int64_t TypeModifier; ///< as the catalogue would give it for a column of the type
};
const std::vector<TPsqlOdbcProbe>& PsqlOdbcProbes();

/// One primary or foreign key of a table, as the columns query packs them: columns by their
/// ordinal positions, the referenced table by its oid.
struct TPostgreSqlConstraint {
    bool Primary = false;
    std::int64_t ReferencedTable = 0; ///< pg_class oid; 0 for a primary key
    std::vector<std::int64_t> Columns;
    std::vector<std::int64_t> ReferencedColumns;
};

/// A table's keys as the columns query packs them into one text; none when the text is not of
/// that form.
std::optional<std::vector<TPostgreSqlConstraint>> ParsePostgreSqlKeyList(const std::string& text);

/// A relation of the columns query by its oid: where it is, and its columns' names by ordinal.
struct TPostgreSqlRelation {
    std::string Schema;
    std::string Table;
    std::map<std::int64_t, std::string> Columns;
};

/// The keys of the table `owner`, its columns and the referenced ones named; none when a
/// column or a referenced table is not among `relations`.
std::optional<TTableKeys>
PostgreSqlTableKeys(const std::vector<TPostgreSqlConstraint>& constraints, std::int64_t owner,
                    const std::map<std::int64_t, TPostgreSqlRelation>& relations);

/// Result columns of the columns query before the probes: schema, table, the packed columns,
/// max_identifier_length, the relation's oid, its kind (pg_class.relkind), its packed keys.
constexpr int PostgreSqlColumnsQueryFacts = 7;

/// One row per table, view, materialized view, foreign or partitioned table outside the
/// server's own schemas: its columns packed into one text, then the probes. One text a table
/// keeps the driver's copy of the result (it holds every row in memory) small. With `chosen`,
/// only those tables and the tables their foreign keys refer to, whose columns name the keys'
/// ends.
std::string PostgreSqlColumnsQuery(const TChosenTables* chosen = nullptr);

/// A text as a PostgreSQL string literal, which reads the same whatever the server's
/// standard_conforming_strings.
std::string PostgreSqlLiteral(std::string_view text);

/// psqlODBC describes a few types differently in a result set than in its own column catalogue;
/// a table with such a column is described by the driver itself. `typeOid` is the column's type.
/// (For the driver's column catalogue, read when the columns query's probes do not match.)
bool PsqlOdbcCatalogueDiffers(std::int64_t typeOid);

/// Whether psqlODBC calls a column of the type unsigned (oid, xid), which its column catalogue
/// does not say.
bool PsqlOdbcTypeIsUnsigned(std::int64_t typeOid);

/// The tables and views (of the `chosen` ones when given) the connection's user may not read:
/// describing them fails, and must go on failing with the server's own message.
std::string PostgreSqlUnreadableTablesQuery(const TChosenTables* chosen = nullptr);

} // namespace quorvane
