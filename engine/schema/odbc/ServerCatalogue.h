#pragma once

// How the rows of a server's own catalogue become the columns its ODBC driver reports for a
// table's result set. The ODBC back-end reads a whole catalogue in one statement and must give
// every column exactly as describing the table one statement at a time would: these functions
// reproduce each driver's answer from the catalogue's facts.

#include "schema/FieldTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

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
};

/// The column as the driver describes it on a connection whose results come in a character set
/// of `resultCharsetMaxLength` bytes a character at most (0: the server does not convert). None
/// for a type this function does not know: that table is then described by the driver itself.
std::optional<TColumnInfo> MariaDbColumnFromCatalogue(const TMariaDbCatalogueColumn& row,
                                                      int resultCharsetMaxLength);

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
/// What narrows each of the two to the connection's current database.
extern const char* const MariaDbCurrentDatabaseColumns;
extern const char* const MariaDbCurrentDatabaseViews;

// --- SQL Server, as the FreeTDS driver reports it ------------------------------------------------

/// One column of sys.columns with its system type.
struct TSqlServerCatalogueColumn {
    std::string Name;
    std::string TypeName;       ///< the system type's name ("nvarchar", "int", ...)
    std::int64_t MaxLength = 0; ///< bytes; -1 for the (max) types
    int Precision = 0;
    int Scale = 0;
    bool IsIdentity = false;
};

/// The column as FreeTDS describes it in a result set; none for a type it has no code for.
std::optional<TColumnInfo> SqlServerColumnFromCatalogue(const TSqlServerCatalogueColumn& row);

/// Whether a SQL Server type is one of its currencies: ODBC calls them decimals, but SQL Server's
/// OLE DB providers give them ADO's currency type, which Delphi makes a TBCDField of.
bool IsSqlServerMoneyType(std::string_view typeName);

/// The columns of every user table and view of the connection's database, in one statement.
extern const char* const SqlServerColumnsQuery;

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

/// Result columns of the columns query before the probes: schema, table, the packed columns,
/// max_identifier_length.
constexpr int PostgreSqlColumnsQueryFacts = 4;

/// One row per table, view, materialized view, foreign or partitioned table outside the
/// server's own schemas: its columns packed into one text, then the probes. One text a table
/// keeps the driver's copy of the result (it holds every row in memory) small.
std::string PostgreSqlColumnsQuery();

/// psqlODBC describes a few types differently in a result set than in its own column catalogue;
/// a table with such a column is described by the driver itself. `typeOid` is the column's type.
/// (For the driver's column catalogue, read when the columns query's probes do not match.)
bool PsqlOdbcCatalogueDiffers(std::int64_t typeOid);

/// Whether psqlODBC calls a column of the type unsigned (oid, xid), which its column catalogue
/// does not say.
bool PsqlOdbcTypeIsUnsigned(std::int64_t typeOid);

/// The tables and views the connection's user may not read: describing them fails, and must go
/// on failing with the server's own message.
extern const char* const PostgreSqlUnreadableTablesQuery;

} // namespace quorvane
