#pragma once

#include <string>
#include <string_view>

namespace quorvane {

/// The SQL a database speaks, as far as naming a table in a select text goes.
enum class TSqlDialect { Access, SqlServer, Sqlite, PostgreSql, MySql, Firebird, Other };

/// How a database quotes identifiers: its dialect and, for another database, the quote
/// character its ODBC driver names (empty when the driver cannot quote).
struct TIdentifierQuoting {
    TSqlDialect Dialect = TSqlDialect::Other;
    std::string QuoteCharacter = "\"";

    friend bool operator==(const TIdentifierQuoting&, const TIdentifierQuoting&) = default;
};

/// Whether `word` is reserved in SQL:2016 or in the dialect's own SQL (any letter case).
bool IsSqlReservedWord(std::string_view word, TSqlDialect dialect);

/// A table's name as a select text names it. Unquoted it reaches the table when it is made of
/// letters, digits and "_" only, does not start with a digit, is no reserved word and, where the
/// database folds unquoted names (PostgreSQL to lower, Firebird to upper case), keeps its letter
/// case through the folding. Any other name is quoted as the database quotes identifiers:
/// brackets for Access, SQL Server and SQLite (double quotes for a SQLite name holding a "]",
/// which its brackets cannot hold), double quotes for PostgreSQL and Firebird,
/// back-ticks for MySQL and MariaDB, the driver's quote character for another database.
std::string SqlTableName(const std::string& name, const TIdentifierQuoting& quoting);

/// The same, after the schema or database `qualifier` and a "." when there is one.
std::string SqlTableName(const std::string& qualifier, const std::string& name,
                         const TIdentifierQuoting& quoting);

} // namespace quorvane
