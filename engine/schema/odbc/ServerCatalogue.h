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

/// The columns of every user table and view of the connection's database, in one statement.
extern const char* const SqlServerColumnsQuery;

// --- PostgreSQL, as psqlODBC reports it
// ------------------------------------------------------------

/// psqlODBC describes a few types differently in a result set than in its own column catalogue;
/// a table with such a column is described by the driver itself. `typeOid` is the column's type.
bool PsqlOdbcCatalogueDiffers(std::int64_t typeOid);

/// The tables and views the connection's user may not read: describing them fails, and must go
/// on failing with the server's own message.
extern const char* const PostgreSqlUnreadableTablesQuery;

} // namespace quorvane
