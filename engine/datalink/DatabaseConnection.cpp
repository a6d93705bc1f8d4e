#include "datalink/DatabaseConnection.h"

#include "datalink/DataLink.h"

namespace quorvane {

std::unique_ptr<ISchemaSource> TADOConnection::OpenSchemaSourceByDefault(const std::string& text) {
    return OpenSchemaSource(text);
}

void TADOConnection::Open() {
    if (!FOpened) {
        FSource = FOpener(ConnectionString);
        FOpened = true;
    }
}

void TADOConnection::Close() noexcept {
    FSource.reset();
    FSnapshot.reset();
    FOpened = false;
}

ISchemaSource& TADOConnection::Source() {
    if (!FSource) {
        FSource = FOpener(ConnectionString);
        FOpened = true;
    }
    return *FSource;
}

const TSchemaSnapshot& TADOConnection::Snapshot() {
    if (!FSnapshot) {
        FSnapshot = ReadSchemaSnapshot(Source(), Selection);
        ++FStatistics.CatalogueReads;
        FStatistics.TableDescriptions += FSnapshot->Tables.size();
        FStatistics.StatementsSent += FSource->StatementsSent();
        // Nothing more is asked of the database: the source goes, and with it a server's idle
        // connection and what a file's reader kept of every table while the run writes.
        FSource.reset();
    }
    return *FSnapshot;
}

} // namespace quorvane
