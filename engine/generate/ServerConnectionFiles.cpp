#include "generate/ServerConnectionFiles.h"

#include "datalink/DataLink.h"
#include "datalink/ServerConnection.h"
#include "io/AtomicFileWriter.h"

namespace quorvane {

void WriteServerConnectionFiles(const TOutputPath& serverFolder, const std::string& databaseFile,
                                const std::string& copyName, bool templateReadsDbExpressSettings) {
    // The template's own link names a Jet file: left in place, the server would open a database
    // that is not there instead of the copy.
    if (const auto link = ServerDataLinkFor(databaseFile, copyName)) {
        WriteDataLinkFile(serverFolder.Child(ServerDataLinkName), *link);
    }
    // The settings file belongs to the template, which decides its keys: a template that has
    // none reads none, and gets none.
    if (!templateReadsDbExpressSettings) {
        return;
    }
    if (const auto settings = DbExpressSettingsFor(databaseFile, copyName)) {
        WriteBytesToFile(serverFolder.Child(ServerDbExpressSettingsName),
                         FormatDbExpressSettings(*settings, ServerDbExpressSection));
    }
}

} // namespace quorvane
