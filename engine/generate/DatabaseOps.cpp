// The data module's database side: connecting, the display-text map and the schema.

#include "datalink/DataLink.h"
#include "generate/dmCodeGenerator.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <filesystem>

namespace quorvane {

void TDM::ConnectDatabase(const std::string& udlFile, const std::string& mapFile,
                          bool nameCodeOrder) {
    ADOConnection.Close();
    ADOConnection.ConnectionString = ConnectionStringForDatabase(udlFile);
    ADOConnection.Open();
    DisplayTextMap.Clear();
    LoadDisplayTextMap(mapFile, nameCodeOrder);
}

bool TDM::LoadDisplayTextMap(const std::string& mapFile, bool nameCodeOrder) {
    // A map file that is not there means no map; one that is there but cannot be read as a
    // file (a folder, a pipe, a link loop, one too large) is an error the user must see.
    std::error_code error;
    if (mapFile.empty() ||
        !std::filesystem::exists(std::filesystem::symlink_status(mapFile, error))) {
        return false;
    }
    // Map files exported by Windows tools are often UTF-16; their text is read as UTF-8 then.
    const std::string text = DecodeByteOrderMark(ReadWholeFile(mapFile));
    DisplayTextMap.Clear();
    DisplayTextMap.AddMapFile(text, nameCodeOrder);
    return true;
}

std::string TDM::DisplayTextOf(const std::string& fieldName) const {
    return DisplayTextMap.Lookup(fieldName);
}

std::string DisplayLabelOf(const TDisplayTextMap& map, const TFieldDescriptor& field,
                           const TSchemaParam& options) {
    std::string text = DisplayTextOrComment(map, field, options.CommentLabels);
    return text.empty() ? field.FieldName : text;
}

void TDM::ListTableNames(TStringList& list) {
    const TSchemaSnapshot& snapshot = ADOConnection.Snapshot();
    list.clear();
    list.reserve(snapshot.Tables.size());
    for (const TSnapshotTable& table : snapshot.Tables) {
        list.push_back(table.Name);
    }
}

} // namespace quorvane
