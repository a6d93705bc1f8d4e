#include "generate/ServerConnectionFiles.h"

#include "datalink/DataLink.h"
#include "datalink/ServerConnection.h"

namespace quorvane {

void WriteServerConnectionFiles(TOutputTree& tree, std::string_view serverFolder,
                                const std::string& databaseFile, const std::string& copyName,
                                bool templateReadsDbExpressSettings) {
    const auto inFolder = [serverFolder](std::string_view name) {
        std::string path(serverFolder);
        path.append("/").append(name);
        return path;
    };
    // The template's own link names a Jet file: left in place, the server would open a database
    // that is not there instead of the copy.
    if (const auto link = ServerDataLinkFor(databaseFile, copyName)) {
        tree.WriteBytes(inFolder(ServerDataLinkName), DataLinkFileBytes(*link));
    }
    // The settings file belongs to the template, which decides its keys: a template that has
    // none reads none, and gets none.
    if (!templateReadsDbExpressSettings) {
        return;
    }
    if (const auto settings = DbExpressSettingsFor(databaseFile, copyName)) {
        tree.WriteBytes(inFolder(ServerDbExpressSettingsName),
                        FormatDbExpressSettings(*settings, ServerDbExpressSection));
    }
}

} // namespace quorvane
