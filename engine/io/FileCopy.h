#pragma once

#include <filesystem>
#include <string>

namespace quorvane {

/// Copies the directory `source` recursively to `target`, creating it and replacing files of the
/// same names. Symbolic links are followed (the copy holds their content, never a link, so no
/// later write can reach outside the output); a linked folder is copied once, so a link loop
/// ends. Throws EFileError with the failing path and the system's reason.
void CopyDirectoryTree(const std::filesystem::path& source, const std::filesystem::path& target);

/// Copies one file over `target`; a link at `target` is replaced, not written through. Throws
/// EFileError with the system's reason.
void CopyOneFile(const std::filesystem::path& source, const std::filesystem::path& target);

} // namespace quorvane
