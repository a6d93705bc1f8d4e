#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace quorvane {

/// An open file descriptor, closed when it goes.
class TFileDescriptor {
public:
    TFileDescriptor() = default;
    explicit TFileDescriptor(int descriptor) : FDescriptor(descriptor) {}
    ~TFileDescriptor();
    TFileDescriptor(TFileDescriptor&& other) noexcept : FDescriptor(other.Release()) {}
    TFileDescriptor& operator=(TFileDescriptor&& other) noexcept;
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return FDescriptor; }
    bool Valid() const { return FDescriptor >= 0; }
    int Release() noexcept;

private:
    int FDescriptor = -1;
};

/// A path a run writes to. `Root` is a folder the user named, whose own path may lead through
/// links; below it, `Relative` is walked without following any link, so that a link planted in
/// an earlier copy cannot lead a write out of the copy. With an empty `Root`, `Relative` is a
/// path of its own, followed as the system follows paths.
struct TOutputPath {
    std::string Root;
    std::string Relative;

    /// The path as the user reads it in messages.
    std::string Full() const;
    /// The path of `name` inside this folder.
    TOutputPath Child(std::string_view name) const;
    /// The folder the path lies in, and its last name.
    TOutputPath Parent() const;
    std::string Name() const;
};

class TOutputFolderCache;

/// Opens the folder `folder` names, making the folders of it that are missing when `create` is
/// set, without following a link below its root. With `folders`, a folder opened before through
/// the same cache is not walked again. Throws EFileError "Cannot create folder "%s". %s", saying
/// which part is a link or no folder.
TFileDescriptor OpenOutputFolder(const TOutputPath& folder, bool create,
                                 TOutputFolderCache* folders = nullptr);

/// The folders a writer has opened, each walked once and then handed out as copies of the
/// descriptor: a run writes thousands of files into a handful of folders. Only for the writing
/// part of a run, while the output lock is held: a folder removed meanwhile is not seen again,
/// and writing into it fails.
class TOutputFolderCache {
public:
    TOutputFolderCache() = default;
    TOutputFolderCache(const TOutputFolderCache&) = delete;
    TOutputFolderCache& operator=(const TOutputFolderCache&) = delete;

private:
    friend TFileDescriptor OpenOutputFolder(const TOutputPath& folder, bool create,
                                            TOutputFolderCache* folders);

    std::map<std::pair<std::string, std::string>, TFileDescriptor> FFolders;
};

/// The prefix of the temporary files a run writes before renaming them into place, followed by
/// TemporaryFileDigits lower-case hexadecimal digits; those of an earlier run that was killed
/// are removed by the next one.
inline constexpr std::string_view TemporaryFilePrefix = ".quorvane-tmp-";
inline constexpr std::size_t TemporaryFileDigits = 16;

/// A fresh name for a temporary file beside the files of a folder.
std::string TemporaryFileName();

/// Whether `name` has exactly the shape of TemporaryFileName's names: a user's own file that
/// merely starts the same way is not one.
bool IsTemporaryFileName(std::string_view name);

} // namespace quorvane
