#pragma once

#include "io/OutputPath.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace quorvane {

/// How much a template may hold: a template is the user's folder of project sources, and a link
/// to "/" or a runaway folder must end the copy with an error, not fill the disk.
struct TCopyLimits {
    int Depth = 32;
    std::uint64_t Files = 100000;
    std::uint64_t Bytes = std::uint64_t{1} << 30; ///< of data: the holes of sparse files are free
};

/// Walks the directory `source` as CopyDirectoryTree copies it, writing nothing, and throws the
/// EFileError the copy would end with on a template it refuses: one nested deeper, holding more
/// files or more data than `limits` allow, a link that leads out of it, a file it cannot read.
void CheckDirectoryTree(const std::filesystem::path& source, const TCopyLimits& limits = {});

/// Copies the directory `source` recursively into the folder `target`, making it and replacing
/// files of the same names, each file through a temporary file renamed into place with the
/// source's permission bits (less the umask). The whole template is walked first
/// (CheckDirectoryTree), so one it refuses leaves nothing copied. Below the target's root no link
/// is followed or written through: a link in an earlier copy where a folder or file goes ends
/// the copy with an error naming it. A link inside the template is copied as what it points to
/// when that lies inside the template too (a link back to a folder it lies in is passed over, so
/// a loop ends), and refused, naming the link, when it leads out of it. Sparse files stay sparse.
/// Temporary files that a killed run left in the copy are removed. Throws EFileError
/// ""<path>": <reason>", the path being the template's file when reading it failed, the output
/// file when writing it did, and the template folder for a limit on the whole template.
void CopyDirectoryTree(const std::filesystem::path& source, const TOutputPath& target,
                       const TCopyLimits& limits = {});

/// Copies one regular file to `target` in the same way. Throws EFileError with the system's
/// reason alone.
void CopyOneFile(const std::filesystem::path& source, const TOutputPath& target);

/// Whether `inner` is the folder `outer` or lies inside it, told by the files themselves (device
/// and inode), so that another path to the same folder (a link, a bind mount) is seen through.
/// `inner` need not exist yet: its nearest existing folder counts.
bool IsSameFolderOrInside(const std::filesystem::path& inner, const std::filesystem::path& outer);

} // namespace quorvane
