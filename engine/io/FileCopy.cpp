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

// A copy that failed at one file: the template's file when reading failed, the output file
// when writing did. The tree copy reports both, CopyOneFile the reason alone.
class ECopyFailure : public EFileError {
public:
    ECopyFailure(const std::string& path, const std::string& reason)
        : EFileError("\"" + path + "\": " + reason), Reason(reason) {}
    std::string Reason;
};

[[noreturn]] void RaiseCopyError(const fs::path& path, const std::string& reason) {
    throw ECopyFailure(path.string(), reason);
}

// The reason of a writer's "Cannot create file "path". reason": the caller names the files.
std::string ReasonOf(const EFileError& error) {
    const std::string message = error.what();
    const std::size_t reason = message.find("\". ");
    return reason == std::string::npos ? message : message.substr(reason + 3);
}

// A size as the limits are given: whole GiB or MiB where it is one, else bytes.
std::string SizeText(std::uint64_t bytes) {
    constexpr std::uint64_t GiB = std::uint64_t{1} << 30;
    constexpr std::uint64_t MiB = std::uint64_t{1} << 20;
    if (bytes >= GiB && bytes % GiB == 0) {
        return std::to_string(bytes / GiB) + " GiB";
    }
    if (bytes >= MiB && bytes % MiB == 0) {
        return std::to_string(bytes / MiB) + " MiB";
    }
    return std::to_string(bytes) + " bytes";
}

// The bytes of data of a file open for reading, its holes left out, as the copy reads them.
std::uint64_t DataBytesOf(int file, off_t size) {
    std::uint64_t bytes = 0;
    off_t at = 0;
    while (at < size) {
        off_t data = ::lseek(file, at, SEEK_DATA);
        if (data < 0) {
            if (errno == ENXIO) {
                break; // only a hole is left
            }
            data = at; // a file system without holes
        }
        off_t hole = ::lseek(file, data, SEEK_HOLE);
        if (hole < 0 || hole > size) {
            hole = size;
        }
        if (hole <= data) {
            break;
        }
        bytes += static_cast<std::uint64_t>(hole - data);
        at = hole;
    }
    return bytes;
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

// Walks a template tree twice the same way: first to measure it (its depth, its files and their
// data, its links), so that a template the limits refuse is refused before anything is copied;
// then to copy it. The copy checks the limits again, as the template may grow in between.
class TTreeCopy {
public:
    TTreeCopy(const fs::path& source, const TCopyLimits& limits)
        : FLimits(limits), FSource(source) {
        std::error_code error;
        FSourceRoot = fs::canonical(source, error);
        if (error) {
            RaiseCopyError(source, error.message());
        }
    }

    void Measure() {
        FWriting = false;
        Walk();
    }

    void Copy(const TOutputPath& target) {
        FWriting = true;
        Walk(target);
    }

private:
    const TCopyLimits FLimits;
    const fs::path FSource;
    fs::path FSourceRoot;
    bool FWriting = false;
    std::vector<TFileIdentity> FOpenFolders; // the folders being walked, outermost first
    std::uint64_t FFiles = 0;
    std::uint64_t FBytes = 0;

    void Walk(const TOutputPath& target = {}) {
        FFiles = 0;
        FBytes = 0;
        FOpenFolders.clear();
        CopyFolder(FSource, target, 0);
    }

    [[noreturn]] void RaiseTooMuchData() const {
        RaiseCopyError(FSource, "The template holds more than " + SizeText(FLimits.Bytes) +
                                    " of data; a project template is far smaller.");
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
        if (FWriting) {
            const TFileDescriptor folder = OpenOutputFolder(target, true);
            RemoveLeftoverTemporaryFiles(folder.Get());
        }
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
                RaiseCopyError(FSource, "the template holds more than " +
                                            std::to_string(FLimits.Files) + " files.");
            }
            const std::uint64_t budget = FLimits.Bytes - std::min(FBytes, FLimits.Bytes);
            const std::uint64_t bytes =
                FWriting ? CopyFile(source, target, budget) : MeasureFile(source);
            if (bytes > budget) {
                RaiseTooMuchData();
            }
            FBytes += bytes;
        }
        // Sockets, pipes and devices carry no template text: they are passed over.
    }

    // Opens a file of the template to read, refusing what is no regular file.
    static TFileDescriptor OpenToRead(const fs::path& source, struct stat& status) {
        TFileDescriptor input(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        if (!input.Valid()) {
            RaiseCopyError(source, SystemErrorText(errno));
        }
        if (::fstat(input.Get(), &status) != 0) {
            RaiseCopyError(source, SystemErrorText(errno));
        }
        if (!S_ISREG(status.st_mode)) {
            RaiseCopyError(source, "It is no regular file.");
        }
        return input;
    }

    // The bytes of data of a file, opened as the copy opens it, so that one the copy could not
    // read is refused before anything is copied too.
    static std::uint64_t MeasureFile(const fs::path& source) {
        struct stat status {};
        const TFileDescriptor input = OpenToRead(source, status);
        return DataBytesOf(input.Get(), status.st_size);
    }

public:
    // Copies the data of one file, keeping holes as holes; the bytes of data copied. More data
    // than `budget` ends the copy with that count (more than the budget) before it is written.
    static std::uint64_t CopyFile(const fs::path& source, const TOutputPath& target,
                                  std::uint64_t budget) {
        struct stat status {};
        const TFileDescriptor input = OpenToRead(source, status);
        const auto readFailed = [&source]() { RaiseCopyError(source, SystemErrorText(errno)); };
        std::uint64_t copied = 0;
        try {
            TAtomicFileWriter output(target, status.st_mode & 0777);
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
                    readFailed();
                }
                while (at < hole) {
                    const auto wanted = static_cast<std::size_t>(
                        std::min<off_t>(static_cast<off_t>(buffer.size()), hole - at));
                    const ssize_t count = ::read(input.Get(), buffer.data(), wanted);
                    if (count < 0 && errno == EINTR) {
                        continue;
                    }
                    if (count < 0) {
                        readFailed();
                    }
                    if (count == 0) {
                        hole = at; // the file shrank meanwhile
                        status.st_size = at;
                        break;
                    }
                    copied += static_cast<std::uint64_t>(count);
                    if (copied > budget) {
                        return copied; // the file grew after it was measured
                    }
                    output.Write(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
                    at += count;
                }
            }
            output.Commit();
        } catch (const ECopyFailure&) {
            throw;
        } catch (const EFileError& writeError) {
            // The writer names the output file: that is the one that could not be written.
            RaiseCopyError(target.Full(), ReasonOf(writeError));
        }
        return copied;
    }
};

} // namespace

void CheckDirectoryTree(const fs::path& source, const TCopyLimits& limits) {
    TTreeCopy(source, limits).Measure();
}

void CopyDirectoryTree(const fs::path& source, const TOutputPath& target,
                       const TCopyLimits& limits) {
    TTreeCopy copy(source, limits);
    copy.Measure();
    copy.Copy(target);
}

void CopyOneFile(const fs::path& source, const TOutputPath& target) {
    try {
        TTreeCopy::CopyFile(source, target, UINT64_MAX);
    } catch (const ECopyFailure& error) {
        throw EFileError(error.Reason);
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
