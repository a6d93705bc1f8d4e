#include "DatabaseConnection.h"

#include "DataLink.h"

namespace quorvane {

std::unique_ptr<ISchemaSource> TADOConnection::OpenSchemaSourceByDefault(const std::string& text) {
    return OpenSchemaSource(text);
}

void TADOConnection::Open() {
    if (!FSource) {
        FSource = FOpener(ConnectionString);
        ++FGeneration;
    }
}

void TADOConnection::Close() noexcept {
    FSource.reset();
    FCatalogue.reset();
    FTables.clear();
}

const std::vector<TCatalogRow>& TADOConnection::Catalogue() {
    ISchemaSource& source = Source();
    if (!FCatalogue) {
        ++FStatistics.CatalogueReads;
        FCatalogue = source.ReadCatalogue();
    }
    return *FCatalogue;
}

TADOConnection::TTable& TADOConnection::Table(const std::string& tableName) {
    ISchemaSource& source = Source();
    auto found = FTables.find(tableName);
    if (found == FTables.end()) {
        ++FStatistics.TableDescriptions;
        found = FTables.emplace(tableName, TTable{source.DescribeTable(tableName), nullptr}).first;
    }
    return found->second;
}

const TTableDescription& TADOConnection::Describe(const std::string& tableName) {
    return Table(tableName).Description;
}

std::shared_ptr<const std::vector<TFieldDescriptor>>
TADOConnection::Fields(const std::string& tableName) {
    TTable& table = Table(tableName);
    if (!table.Fields) {
        table.Fields = std::make_shared<const std::vector<TFieldDescriptor>>(
            DescribeFields(table.Description));
    }
    return table.Fields;
}

ISchemaSource& TADOConnection::Source() {
    Open();
    return *FSource;
}

void TTableReader::Open(const std::string& tableText) {
    Close();
    TableName = tableText;
    // The table is named in brackets so that names with blanks stay one name; the brackets are
    // not part of it.
    std::string name = tableText;
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']') {
        name = name.substr(1, name.size() - 2);
    }
    FFields = FConnection.Fields(name);
    FActive = true;
}

const std::vector<TFieldDescriptor>& TTableReader::Fields() const {
    static const std::vector<TFieldDescriptor> none;
    return FFields ? *FFields : none;
}

void TTableReader::Close() noexcept {
    FFields.reset();
    FActive = false;
}

} // namespace quorvane
