#pragma once

#include "FieldTypes.h"
#include "SchemaSource.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quorvane {

/// The engine's database connection: a connection string and, while open, the schema source it
/// names.
class TADOConnection {
public:
    using TOpener = std::function<std::unique_ptr<ISchemaSource>(const std::string&)>;

    std::string ConnectionString;

    /// Opens the connection with the current connection string (nothing when already open).
    void Open();
    /// Closes it; nothing happens when it is closed.
    void Close() noexcept;
    bool Connected() const { return FSource != nullptr; }

    /// The open schema source; opens the connection first when it is closed.
    ISchemaSource& Source();

    /// The table catalogue, read from the database once per connection: every stage of a run
    /// sees the same tables, and a run reads the catalogue once however many stages ask.
    const std::vector<TCatalogRow>& Catalogue();
    /// The columns of a table, read from the database once per connection.
    const TTableDescription& Describe(const std::string& tableName);

    /// The field descriptors of a table (DescribeFields of its description), made once per
    /// connection: every stage of a run opens every table, and each would make them anew.
    std::shared_ptr<const std::vector<TFieldDescriptor>> Fields(const std::string& tableName);
    /// Changes whenever the connection is opened anew, so that what was derived from the
    /// snapshot of an earlier connection can be told apart.
    std::uint64_t Generation() const { return FGeneration; }

    /// How often the database itself was asked, over the life of this object.
    struct TStatistics {
        std::uint64_t CatalogueReads = 0;
        std::uint64_t TableDescriptions = 0;
    };
    const TStatistics& Statistics() const { return FStatistics; }

    /// Replaces the way connection strings are turned into schema sources (tests use it to put an
    /// in-memory database behind the engine).
    void SetOpener(TOpener opener) { FOpener = std::move(opener); }

private:
    TOpener FOpener = OpenSchemaSourceByDefault;
    std::unique_ptr<ISchemaSource> FSource;
    std::optional<std::vector<TCatalogRow>> FCatalogue;
    struct TTable {
        TTableDescription Description;
        std::shared_ptr<const std::vector<TFieldDescriptor>> Fields;
    };
    std::unordered_map<std::string, TTable> FTables;

    TTable& Table(const std::string& tableName);
    std::uint64_t FGeneration = 0;
    TStatistics FStatistics;

    static std::unique_ptr<ISchemaSource> OpenSchemaSourceByDefault(const std::string& text);
};

/// The table reader: opened on one table by its bracketed name, it holds that table's field
/// descriptors in field order.
class TTableReader {
public:
    explicit TTableReader(TADOConnection& connection) : FConnection(connection) {}

    std::string TableName;

    /// Closes the reader, sets TableName to `tableText` and opens it: "[Order Details]" opens the
    /// table named Order Details.
    void Open(const std::string& tableText);
    void Close() noexcept;
    bool Active() const { return FActive; }

    std::size_t FieldCount() const { return Fields().size(); }
    const TFieldDescriptor& Field(std::size_t index) const { return Fields().at(index); }
    const std::vector<TFieldDescriptor>& Fields() const;

private:
    TADOConnection& FConnection;
    // Shared with the connection, which keeps them for the tables of its snapshot.
    std::shared_ptr<const std::vector<TFieldDescriptor>> FFields;
    bool FActive = false;
};

} // namespace quorvane
