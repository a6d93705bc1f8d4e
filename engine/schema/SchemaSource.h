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
    /// The schema that holds it (on MySQL and MariaDB, its database); empty where the database
    /// has no schemas. Two tables of one name in two schemas are two rows.
    std::string Schema;
};

/// What the engine asks of a database: its table catalogue and the columns of one table. Each
/// back-end (SQLite, ODBC, Access files) implements it; tests use an in-memory one.
class ISchemaSource {
public:
    virtual ~ISchemaSource() = default;

    /// The catalogue rows in the order the database delivers them.
    virtual std::vector<TCatalogRow> ReadCatalogue() = 0;

    /// The columns of the table or view named exactly `tableName` (no brackets, no quoting); of
    /// a name listed in several schemas, the one listed first. Throws EDatabaseError when there
    /// is no such table.
    virtual TTableDescription DescribeTable(const std::string& tableName) = 0;

    /// The columns of each of `tables` (rows of ReadCatalogue), in that order, each read from
    /// its own schema. A database server is asked in a fixed number of statements where its
    /// back-end can read the whole catalogue at once, and about these tables only when they are
    /// not the whole catalogue; this default, for sources without schemas, describes one table
    /// after the other by name.
    virtual std::vector<TTableDescription> DescribeTables(const std::vector<TCatalogRow>& tables) {
        std::vector<TTableDescription> described;
        described.reserve(tables.size());
        for (const TCatalogRow& table : tables) {
            described.push_back(DescribeTable(table.TableName));
        }
        return described;
    }

    /// How many statements the source has sent to a database server; 0 for a file it reads.
    virtual std::uint64_t StatementsSent() const { return 0; }

    /// What the source left out of its catalogue instead of failing (a damaged part of a file
    /// whose tables still read), one text each: the database file, ": " and what was left out.
    virtual std::vector<std::string> Warnings() const { return {}; }

    /// How the database quotes the names of its tables in SQL.
    virtual TIdentifierQuoting IdentifierQuoting() const = 0;

    /// The schema (or, on MySQL and MariaDB, the database) that SQL must name before the
    /// catalogue's table `table` for the connection to find it; empty where the name alone
    /// finds it.
    virtual std::string QualifierOf(const TCatalogRow& /*table*/) const { return {}; }
};

} // namespace quorvane
