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

const TTableDescription& TADOConnection::Describe(const std::string& tableName) {
    ISchemaSource& source = Source();
    auto found = FTables.find(tableName);
    if (found == FTables.end()) {
        ++FStatistics.TableDescriptions;
        found = FTables.emplace(tableName, source.DescribeTable(tableName)).first;
    }
    return found->second;
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
    FFields = DescribeFields(FConnection.Describe(name));
    FActive = true;
}

void TTableReader::Close() noexcept {
    FFields.clear();
    FActive = false;
}

} // namespace quorvane
