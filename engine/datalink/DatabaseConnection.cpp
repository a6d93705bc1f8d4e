#include "datalink/DatabaseConnection.h"

#include "datalink/DataLink.h"

namespace quorvane {

std::unique_ptr<ISchemaSource> TADOConnection::OpenSchemaSourceByDefault(const std::string& text) {
    return OpenSchemaSource(text);
}

void TADOConnection::Open() {
    if (!FSource) {
        FSource = FOpener(ConnectionString);
    }
}

void TADOConnection::Close() noexcept {
    FSource.reset();
    FSnapshot.reset();
}

ISchemaSource& TADOConnection::Source() {
    Open();
    return *FSource;
}

const TSchemaSnapshot& TADOConnection::Snapshot() {
    ISchemaSource& source = Source();
    if (!FSnapshot) {
        FSnapshot = ReadSchemaSnapshot(source);
        ++FStatistics.CatalogueReads;
        FStatistics.TableDescriptions += FSnapshot->Tables.size();
    }
    return *FSnapshot;
}

} // namespace quorvane
