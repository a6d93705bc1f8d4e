#pragma once

#include "FieldTypes.h"
#include "SchemaSource.h"

#include <functional>
#include <memory>
#include <string>
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

    /// Replaces the way connection strings are turned into schema sources (tests use it to put an
    /// in-memory database behind the engine).
    void SetOpener(TOpener opener) { FOpener = std::move(opener); }

private:
    TOpener FOpener = OpenSchemaSourceByDefault;
    std::unique_ptr<ISchemaSource> FSource;

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

    std::size_t FieldCount() const { return FFields.size(); }
    const TFieldDescriptor& Field(std::size_t index) const { return FFields.at(index); }
    const std::vector<TFieldDescriptor>& Fields() const { return FFields; }

private:
    TADOConnection& FConnection;
    std::vector<TFieldDescriptor> FFields;
    bool FActive = false;
};

} // namespace quorvane
