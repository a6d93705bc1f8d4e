#include "io/FileCopy.h"

#include "io/AtomicFileWriter.h"
#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

using TFileIdentity = std::pair<dev_t, ino_t>;

[[noreturn]] void RaiseCopyError(const fs::path& path, const std::string& reason) {
    throw EFileError("\"" + path.string() + "\": " + reason);
}

// The reason of a writer's "Cannot create file "path". reason": the caller names the files.
std::string ReasonOf(const EFileError& error) {
    const std::string message = error.what();
    const std::size_t reason = message.find("\". ");
    return reason == std::string::npos ? message : message.substr(reason + 3);
}

void RemoveLeftoverTemporaryFiles(int folder) {
    const int copy = ::dup(folder);
    DIR* entries = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (entries == nullptr) {
        if (copy >= 0) {
            ::close(copy);
        }
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        struct stat status {};
        // A temporary file of an earlier run, killed before it renamed it; only that exact
        // shape, so that a user's ".quorvane-tmp-notes.txt" stays.
        if (IsTemporaryFileName(entry->d_name) &&
            ::fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode)) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

class TTreeCopy {
public:
    TTreeCopy(const fs::path& source, const TCopyLimits& limits) : FLimits(limits) {
        std::error_code error;
        FSourceRoot = fs::canonical(source, error);
        if (error) {
            RaiseCopyError(source, error.message());
        }
    }

    void CopyFolder(const fs::path& source, const TOutputPath& target, int depth) {
        if (depth > FLimits.Depth) {
            RaiseCopyError(source, "the template nests folders deeper than " +
                                       std::to_string(FLimits.Depth) + " levels.");
        }
        struct stat status {};
        if (::stat(source.c_str(), &status) != 0) {
            RaiseCopyError(source, SystemErrorText(errno));
        }
        // A link back to a folder the copy is inside of would copy it into itself without end:
        // it is passed over. A link to any other folder of the template is copied as it.
        const TFileIdentity identity{status.st_dev, status.st_ino};
        if (std::find(FOpenFolders.begin(), FOpenFolders.end(), identity) != FOpenFolders.end()) {
            return;
        }
        const TFileDescriptor folder = OpenOutputFolder(target, true);
        RemoveLeftoverTemporaryFiles(folder.Get());
        std::error_code error;
        fs::directory_iterator entries(source, error);
        if (error) {
            RaiseCopyError(source, error.message());
        }
        FOpenFolders.push_back(identity);
        for (const fs::directory_entry& entry : entries) {
            CopyEntry(entry.path(), target.Child(entry.path().filename().string()), depth);
        }
        FOpenFolders.pop_back();
    }

private:
    const TCopyLimits FLimits;
    fs::path FSourceRoot;
    std::vector<TFileIdentity> FOpenFolders; // the folders being copied, outermost first
    std::uint64_t FFiles = 0;
    std::uint64_t FBytes = 0;

    void CopyEntry(const fs::path& source, const TOutputPath& target, int depth) {
        struct stat status {};
        if (::lstat(source.c_str(), &status) != 0) {
            RaiseCopyError(source, SystemErrorText(errno));
        }
        if (S_ISLNK(status.st_mode)) {
            std::error_code error;
            const fs::path pointed = fs::canonical(source, error);
            if (error) {
                return; // a dangling link carries no template text
            }
            const auto [end, _] = std::mismatch(FSourceRoot.begin(), FSourceRoot.end(),
                                                pointed.begin(), pointed.end());
            if (end != FSourceRoot.end()) {
                RaiseCopyError(source, "the link leads out of the template, to \"" +
                                           pointed.string() +
                                           "\"; put what it points to into the template "
                                           "instead.");
            }
            if (::stat(source.c_str(), &status) != 0) {
                RaiseCopyError(source, SystemErrorText(errno));
            }
        }
        if (S_ISDIR(status.st_mode)) {
            CopyFolder(source, target, depth + 1);
        } else if (S_ISREG(status.st_mode)) {
            if (++FFiles > FLimits.Files) {
                RaiseCopyError(source, "the template holds more than " +
                                           std::to_string(FLimits.Files) + " files.");
            }
            try {
                FBytes += CopyFile(source, target, FLimits.Bytes - std::min(FBytes, FLimits.Bytes));
            } catch (const EFileError& copyError) {
                RaiseCopyError(source, ReasonOf(copyError));
            }
        }
        // Sockets, pipes and devices carry no template text: they are passed over.
    }

public:
    // Copies the data of one file, keeping holes as holes; the bytes of data copied. More data
    // than `budget` ends the copy.
    static std::uint64_t CopyFile(const fs::path& source, const TOutputPath& target,
                                  std::uint64_t budget) {
        const TFileDescriptor input(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        if (!input.Valid()) {
            throw EFileError(SystemErrorText(errno));
        }
        struct stat status {};
        if (::fstat(input.Get(), &status) != 0) {
            throw EFileError(SystemErrorText(errno));
        }
        if (!S_ISREG(status.st_mode)) {
            throw EFileError("It is no regular file.");
        }
        TAtomicFileWriter output(target, status.st_mode & 0777);
        std::uint64_t copied = 0;
        std::array<char, 1 << 16> buffer{};
        off_t at = 0;
        while (at < status.st_size) {
            // The next stretch of data; a file system without holes has one stretch.
            off_t data = ::lseek(input.Get(), at, SEEK_DATA);
            if (data < 0) {
                data = errno == ENXIO ? status.st_size : at;
            }
            if (data > at) {
                output.Skip(data - at);
                at = data;
            }
            off_t hole = ::lseek(input.Get(), at, SEEK_HOLE);
            if (hole < 0) {
                hole = status.st_size;
            }
            if (::lseek(input.Get(), at, SEEK_SET) < 0) {
                throw EFileError(SystemErrorText(errno));
            }
            while (at < hole) {
                const auto wanted = static_cast<std::size_t>(
                    std::min<off_t>(static_cast<off_t>(buffer.size()), hole - at));
                const ssize_t count = ::read(input.Get(), buffer.data(), wanted);
                if (count < 0 && errno == EINTR) {
                    continue;
                }
                if (count < 0) {
                    throw EFileError(SystemErrorText(errno));
                }
                if (count == 0) {
                    hole = at; // the file shrank meanwhile
                    status.st_size = at;
                    break;
                }
                copied += static_cast<std::uint64_t>(count);
                if (copied > budget) {
                    throw EFileError("The template holds more than " +
                                     std::to_string((budget >> 20)) +
                                     " MiB of data; a project template is far smaller.");
                }
                output.Write(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
                at += count;
            }
        }
        output.Commit();
        return copied;
    }
};

} // namespace

void CopyDirectoryTree(const fs::path& source, const TOutputPath& target,
                       const TCopyLimits& limits) {
    TTreeCopy(source, limits).CopyFolder(source, target, 0);
}

void CopyOneFile(const fs::path& source, const TOutputPath& target) {
    try {
        TTreeCopy::CopyFile(source, target, UINT64_MAX);
    } catch (const EFileError& error) {
        throw EFileError(ReasonOf(error));
    }
}

bool IsSameFolderOrInside(const fs::path& inner, const fs::path& outer) {
    struct stat outerStatus {};
    if (::stat(outer.c_str(), &outerStatus) != 0) {
        return false;
    }
    std::error_code error;
    fs::path folder = fs::weakly_canonical(fs::absolute(inner, error), error);
    for (;;) {
        struct stat status {};
        if (::stat(folder.c_str(), &status) == 0 && status.st_dev == outerStatus.st_dev &&
            status.st_ino == outerStatus.st_ino) {
            return true;
        }
        if (!folder.has_parent_path() || folder.parent_path() == folder) {
            return false;
        }
        folder = folder.parent_path();
    }
}

} // namespace quorvane
