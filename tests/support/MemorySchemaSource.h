#pragma once

// An in-memory database behind the engine's schema seam, for tests of the run and the builders.

#include "datalink/DatabaseConnection.h"
#include "schema/SchemaSource.h"
#include "text/EngineErrors.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quorvane::testing {

struct TMemoryDatabase {
    std::vector<TCatalogRow> Catalogue;
    std::map<std::string, TTableDescription> Tables;
    std::vector<std::string> ConnectionStrings; ///< every connection string that was opened
    int CatalogueReads = 0;
    int TableOpens = 0;
    /// As the database quotes names; the Access provider's by default.
    TIdentifierQuoting Quoting{TSqlDialect::Access, "["};

    /// Adds a table (or a view) with its columns to the catalogue.
    void AddTable(const std::string& name, std::vector<TColumnInfo> columns,
                  const std::string& type = "TABLE") {
        Catalogue.push_back({name, type, ""});
        Tables[name] = TTableDescription{std::move(columns), true};
    }
};

inline TColumnInfo Column(std::string name, int adoType, std::int64_t size = 0) {
    TColumnInfo column;
    column.Name = std::move(name);
    column.Type = adoType;
    column.DefinedSize = size;
    return column;
}

class TMemorySchemaSource final : public ISchemaSource {
public:
    explicit TMemorySchemaSource(std::shared_ptr<TMemoryDatabase> database)
        : FDatabase(std::move(database)) {}

    std::vector<TCatalogRow> ReadCatalogue() override {
        ++FDatabase->CatalogueReads;
        return FDatabase->Catalogue;
    }

    TIdentifierQuoting IdentifierQuoting() const override { return FDatabase->Quoting; }

    TTableDescription DescribeTable(const std::string& tableName) override {
        ++FDatabase->TableOpens;
        const auto found = FDatabase->Tables.find(tableName);
        if (found == FDatabase->Tables.end()) {
            throw EDatabaseError("No such table: " + tableName);
        }
        return found->second;
    }

private:
    std::shared_ptr<TMemoryDatabase> FDatabase;
};

/// An opener that connects every connection string to `database` and records the string.
inline TADOConnection::TOpener MemoryOpener(std::shared_ptr<TMemoryDatabase> database) {
    return [database](const std::string& connectionString) {
        database->ConnectionStrings.push_back(connectionString);
        return std::make_unique<TMemorySchemaSource>(database);
    };
}

} // namespace quorvane::testing
