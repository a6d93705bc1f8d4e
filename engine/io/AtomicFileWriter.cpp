#include "io/AtomicFileWriter.h"

#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

// What is written is gathered up to this size before it goes to the file.
constexpr std::size_t WriteBufferSize = 1 << 16;

// The process's umask, read once: reading it means setting it, and a file another thread
// created in between would get no umask at all. Nothing in the programs changes it later.
mode_t ProcessUmask() {
    static const mode_t mask = [] {
        const mode_t current = ::umask(0);
        ::umask(current);
        return current;
    }();
    return mask;
}

} // namespace

TAtomicFileWriter::TAtomicFileWriter(const TOutputPath& path, std::optional<mode_t> mode,
                                     TOutputFolderCache* folders)
    : FPath(path.Full()), FName(path.Name()) {
    const auto fail = [this](const std::string& reason) {
        throw EFileError("Cannot create file \"" + FPath + "\". " + reason);
    };
    if (FName.empty() || FName == "." || FName == "..") {
        fail(SystemErrorText(EISDIR));
    }
    try {
        FFolder = OpenOutputFolder(path.Parent(), false, folders);
    } catch (const EFileError& error) {
        // The folder's own message names the part that is wrong; the user reads the file's.
        const std::string message = error.what();
        const std::size_t reason = message.find("\". ");
        fail(reason == std::string::npos ? message : message.substr(reason + 3));
    }
    struct stat existing {};
    const bool exists =
        ::fstatat(FFolder.Get(), FName.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISLNK(existing.st_mode) && !path.Root.empty()) {
        fail("\"" + FPath +
             "\" is a link; a run writes nothing through links. Remove it, or choose another "
             "output directory.");
    }
    if (exists && S_ISDIR(existing.st_mode)) {
        fail(SystemErrorText(EISDIR));
    }
    mode_t permissions = 0666;
    if (mode) {
        permissions = *mode & 0777;
    } else if (exists && S_ISREG(existing.st_mode)) {
        permissions = existing.st_mode & 07777;
    }
    const mode_t umask = ProcessUmask();
    if (mode || !exists || !S_ISREG(existing.st_mode)) {
        permissions &= ~umask;
    }
    for (int attempt = 0; !FFile.Valid(); ++attempt) {
        FTemporaryName = TemporaryFileName();
        // Created with the permissions it keeps, less the umask: it is never more open than
        // asked for, not even while it is written.
        FFile = TFileDescriptor(::openat(FFolder.Get(), FTemporaryName.c_str(),
                                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                         permissions & 0777));
        if (!FFile.Valid() && (errno != EEXIST || attempt > 100)) {
            fail(SystemErrorText(errno));
        }
    }
    // The bits the umask took that the replaced file had (its own mode stands), and the
    // set-id and sticky bits, which creating a file does not give.
    if ((permissions & ~(0777 & ~umask)) != 0) {
        ::fchmod(FFile.Get(), permissions);
    }
    FStopRemoval = TStopCleanup::RemoveFile(FFolder.Get(), FTemporaryName);
}

TAtomicFileWriter::~TAtomicFileWriter() {
    if (!FCommitted && FFolder.Valid() && !FTemporaryName.empty()) {
        ::unlinkat(FFolder.Get(), FTemporaryName.c_str(), 0);
    }
    FStopRemoval.Release();
}

void TAtomicFileWriter::Write(std::string_view text) {
    if (FBuffer.size() + text.size() > WriteBufferSize) {
        Flush();
    }
    if (text.size() >= WriteBufferSize) {
        WriteThrough(text);
    } else {
        FBuffer.append(text);
    }
}

void TAtomicFileWriter::WriteLines(const TStringList& lines) {
    for (const std::string& line : lines) {
        if (FBuffer.size() + line.size() + 2 <= WriteBufferSize) {
            FBuffer.append(line).append("\r\n");
        } else {
            Write(line);
            Write("\r\n");
        }
    }
}

void TAtomicFileWriter::Skip(off_t size) {
    Flush();
    if (::lseek(FFile.Get(), size, SEEK_CUR) < 0) {
        throw EFileError("Cannot create file \"" + FPath + "\". " + SystemErrorText(errno));
    }
    FSize += size;
    FEndsInHole = size > 0;
}

void TAtomicFileWriter::Commit() {
    const auto fail = [this](int error) {
        throw EFileError("Cannot create file \"" + FPath + "\". " + SystemErrorText(error));
    };
    Flush();
    // A hole at the end gives the file its length only once it is set.
    if (FEndsInHole && ::ftruncate(FFile.Get(), FSize) != 0) {
        fail(errno);
    }
    // No fsync: a run writes thousands of files, and the rename already keeps the earlier file
    // whole when the write itself fails (a full disk, a folder turned read-only).
    const int closed = ::close(FFile.Release());
    if (closed != 0) {
        fail(errno);
    }
    if (::renameat(FFolder.Get(), FTemporaryName.c_str(), FFolder.Get(), FName.c_str()) != 0) {
        fail(errno);
    }
    FCommitted = true;
    // Only now: a stop signal before the rename removes the whole temporary file.
    FStopRemoval.Release();
}

void TAtomicFileWriter::Flush() {
    WriteThrough(FBuffer);
    FBuffer.clear();
}

void TAtomicFileWriter::WriteThrough(std::string_view text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(FFile.Get(), text.data() + written, text.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw EFileError("Cannot create file \"" + FPath + "\". " + SystemErrorText(errno));
        }
        written += static_cast<std::size_t>(count);
    }
    FSize += static_cast<off_t>(text.size());
    FEndsInHole = FEndsInHole && text.empty();
}

void WriteBytesToFile(const TOutputPath& path, const std::string& bytes) {
    TAtomicFileWriter file(path);
    file.Write(bytes);
    file.Commit();
}

void WriteBytesToFile(const std::string& path, const std::string& bytes) {
    WriteBytesToFile(TOutputPath{{}, path}, bytes);
}

void WriteLinesToFile(const TOutputPath& path, const TStringList& lines) {
    TAtomicFileWriter file(path);
    file.WriteLines(lines);
    file.Commit();
}

} // namespace quorvane
