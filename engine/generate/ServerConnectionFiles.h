#pragma once

#include "io/OutputTree.h"

#include <string>
#include <string_view>

namespace quorvane {

/// The data link the ADO server opens from its folder when it finds no Jet file there.
inline constexpr const char* ServerDataLinkName = "Database.udl";
/// The file a dbExpress server reads its driver and parameters from, and its section.
inline constexpr const char* ServerDbExpressSettingsName = "Database.ini";
inline constexpr const char* ServerDbExpressSection = "Connection";

/// Writes, into the server's executable folder `serverFolder` of `tree` that holds the copy
/// `copyName` of the database input `databaseFile`, what the generated server reads to open that
/// copy: the data link, for the inputs ServerDataLinkFor gives one, and the dbExpress settings,
/// when `templateReadsDbExpressSettings` (the template's server has such a file) and the input
/// gives them. Any other file stays as the template has it. Each file is written atomically;
/// throws EFileError when one cannot be written, EDatabaseError when a data-link input cannot be
/// read.
void WriteServerConnectionFiles(TOutputTree& tree, std::string_view serverFolder,
                                const std::string& databaseFile, const std::string& copyName,
                                bool templateReadsDbExpressSettings);

} // namespace quorvane
