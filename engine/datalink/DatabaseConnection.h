#pragma once

#include "schema/SchemaSnapshot.h"
#include "schema/SchemaSource.h"
#include "schema/TableSelection.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quorvane {

/// The engine's database connection: a connection string and, while open, the schema source it
/// names and the snapshot of the database that a run reads.
class TADOConnection {
public:
    using TOpener = std::function<std::unique_ptr<ISchemaSource>(const std::string&)>;

    std::string ConnectionString;
    /// The tables and views the snapshot holds; by default every one. The others are never
    /// described.
    TTableSelection Selection;

    /// Opens the connection with the current connection string (nothing when already open).
    void Open();
    /// Closes it and forgets its snapshot; nothing happens when it is closed.
    void Close() noexcept;
    bool Connected() const { return FOpened; }

    /// The schema source of the connection; opened anew when the snapshot has been taken.
    ISchemaSource& Source();

    /// The database's chosen tables and views with their fields, read once per connection: the
    /// catalogue once and each chosen table once, however often it is asked for. Throws
    /// EOptionsError when Selection names what the database does not hold. Once it is taken the
    /// schema source is let go: the run asks the database nothing more.
    const TSchemaSnapshot& Snapshot();

    /// How often the database itself was asked, over the life of this object.
    struct TStatistics {
        std::uint64_t CatalogueReads = 0;
        std::uint64_t TableDescriptions = 0;
        /// Statements sent to a database server (none for a file), those of the drivers'
        /// own making left out.
        std::uint64_t StatementsSent = 0;
    };
    const TStatistics& Statistics() const { return FStatistics; }

    /// Replaces the way connection strings are turned into schema sources (tests use it to put an
    /// in-memory database behind the engine).
    void SetOpener(TOpener opener) { FOpener = std::move(opener); }

private:
    TOpener FOpener = OpenSchemaSourceByDefault;
    std::unique_ptr<ISchemaSource> FSource;
    std::optional<TSchemaSnapshot> FSnapshot;
    bool FOpened = false;
    TStatistics FStatistics;

    static std::unique_ptr<ISchemaSource> OpenSchemaSourceByDefault(const std::string& text);
};

} // namespace quorvane
