#pragma once

#include "schema/FieldTypes.h"
#include "schema/SqlDialect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quorvane {

/// One row of a database's table catalogue.
struct TCatalogRow {
    std::string TableName;
    std::string TableType; ///< "TABLE", "VIEW", "SYSTEM TABLE", ...
};

/// What the engine asks of a database: its table catalogue and the columns of one table. Each
/// back-end (SQLite, ODBC, Access files) implements it; tests use an in-memory one.
class ISchemaSource {
public:
    virtual ~ISchemaSource() = default;

    /// The catalogue rows in the order the database delivers them.
    virtual std::vector<TCatalogRow> ReadCatalogue() = 0;

    /// The columns of the table or view named exactly `tableName` (no brackets, no quoting).
    /// Throws EDatabaseError when there is no such table.
    virtual TTableDescription DescribeTable(const std::string& tableName) = 0;

    /// The columns of each of `tableNames`, in that order, each exactly as DescribeTable gives
    /// it. A database server is asked in a fixed number of statements where its back-end can
    /// read the whole catalogue at once; this default describes one table after the other.
    virtual std::vector<TTableDescription>
    DescribeTables(const std::vector<std::string>& tableNames) {
        std::vector<TTableDescription> tables;
        tables.reserve(tableNames.size());
        for (const std::string& name : tableNames) {
            tables.push_back(DescribeTable(name));
        }
        return tables;
    }

    /// How many statements the source has sent to a database server; 0 for a file it reads.
    virtual std::uint64_t StatementsSent() const { return 0; }

    /// What the source left out of its catalogue instead of failing (a damaged part of a file
    /// whose tables still read), one text each: the database file, ": " and what was left out.
    virtual std::vector<std::string> Warnings() const { return {}; }

    /// How the database quotes the names of its tables in SQL.
    virtual TIdentifierQuoting IdentifierQuoting() const = 0;

    /// The schema (or, on MySQL and MariaDB, the database) that SQL must name before the table
    /// `tableName` of the catalogue for the connection to find it; empty where the name alone
    /// finds it. A name listed twice is the one listed first, as DescribeTable opens it.
    virtual std::string QualifierOf(const std::string& /*tableName*/) const { return {}; }
};

} // namespace quorvane
