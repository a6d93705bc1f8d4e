#include "io/AtomicFileWriter.h"

#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

[[noreturn]] void RaiseCreateError(const std::string& path, int errorNumber) {
    throw EFileError("Cannot create file \"" + path + "\". " + SystemErrorText(errorNumber));
}

// What is written is gathered up to this size before it goes to the file.
constexpr std::size_t WriteBufferSize = 1 << 16;

} // namespace

TAtomicFileWriter::TAtomicFileWriter(std::string path) : FPath(std::move(path)) {
    // A new file has no earlier content to keep: it is written in place and removed again if the
    // write fails, which spares a rename per file (most files of a run are new).
    FDescriptor = ::open(FPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (FDescriptor >= 0) {
        FTemporaryPath = FPath;
        return;
    }
    if (errno != EEXIST) {
        RaiseCreateError(FPath, errno);
    }
    // The name is taken: an earlier file (or a dangling link) is replaced through a temporary
    // file renamed over it.
    struct stat existing {};
    const bool exists = ::stat(FPath.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        RaiseCreateError(FPath, EISDIR);
    }
    const std::size_t slash = FPath.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : FPath.substr(0, slash + 1);
    FTemporaryPath = folder + ".quorvane-XXXXXX";
    FDescriptor = ::mkstemp(FTemporaryPath.data());
    if (FDescriptor < 0) {
        RaiseCreateError(FPath, errno);
    }
    // mkstemp makes the file private; give it the mode the file had, or the usual one.
    mode_t mode = 0666;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(FDescriptor, mode);
}

TAtomicFileWriter::~TAtomicFileWriter() {
    if (FDescriptor >= 0) {
        ::close(FDescriptor);
    }
    if (!FCommitted) {
        ::unlink(FTemporaryPath.c_str());
    }
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

void TAtomicFileWriter::Commit() {
    Flush();
    // No fsync: a run writes thousands of files, and the rename already keeps the earlier file
    // whole when the write itself fails (a full disk, a folder turned read-only).
    const int closed = ::close(FDescriptor);
    FDescriptor = -1;
    if (closed != 0) {
        RaiseCreateError(FPath, errno);
    }
    if (FTemporaryPath != FPath && ::rename(FTemporaryPath.c_str(), FPath.c_str()) != 0) {
        RaiseCreateError(FPath, errno);
    }
    FCommitted = true;
}

void TAtomicFileWriter::Flush() {
    WriteThrough(FBuffer);
    FBuffer.clear();
}

void TAtomicFileWriter::WriteThrough(std::string_view text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(FDescriptor, text.data() + written, text.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            RaiseCreateError(FPath, errno);
        }
        written += static_cast<std::size_t>(count);
    }
}

void WriteBytesToFile(const std::string& path, const std::string& text) {
    TAtomicFileWriter file(path);
    file.Write(text);
    file.Commit();
}

void WriteLinesToFile(const std::string& path, const TStringList& lines) {
    TAtomicFileWriter file(path);
    file.WriteLines(lines);
    file.Commit();
}

} // namespace quorvane
