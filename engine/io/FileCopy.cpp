#include "io/FileCopy.h"

#include "io/AtomicFileWriter.h"
#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <array>
#include <fcntl.h>
#include <unistd.h>

#include <set>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void RaiseCopyError(const fs::path& path, const std::error_code& error) {
    throw EFileError("\"" + path.string() + "\": " + error.message());
}

void CopyTree(const fs::path& source, const fs::path& target, std::set<fs::path>& visited) {
    std::error_code error;
    const fs::path canonical = fs::canonical(source, error);
    if (error) {
        RaiseCopyError(source, error);
    }
    if (!visited.insert(canonical).second) {
        return;
    }
    fs::create_directories(target, error);
    if (error) {
        RaiseCopyError(target, error);
    }
    if (!fs::is_directory(target, error)) {
        RaiseCopyError(target, std::make_error_code(std::errc::not_a_directory));
    }
    fs::directory_iterator entries(source, error);
    if (error) {
        RaiseCopyError(source, error);
    }
    for (const fs::directory_entry& entry : entries) {
        const fs::file_status status = entry.status(error); // follows links
        const fs::path destination = target / entry.path().filename();
        if (fs::is_directory(status)) {
            CopyTree(entry.path(), destination, visited);
        } else if (fs::is_regular_file(status)) {
            try {
                CopyOneFile(entry.path(), destination);
            } catch (const EFileError& copyError) {
                throw EFileError("\"" + entry.path().string() + "\": " + copyError.what());
            }
        }
        // Sockets, pipes and dangling links carry no template text: they are passed over.
    }
}

} // namespace

void CopyOneFile(const fs::path& source, const fs::path& target) {
    // Through a temporary file renamed into place, like every other file the run writes: a copy
    // that fails half-way (a full disk) leaves no half-copied file, and a link at the target is
    // replaced rather than written through.
    const int input = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (input < 0) {
        throw EFileError(SystemErrorText(errno));
    }
    struct TDescriptorCloser {
        int Descriptor;
        ~TDescriptorCloser() { ::close(Descriptor); }
    } closer{input};
    try {
        TAtomicFileWriter output(target.string());
        std::array<char, 1 << 16> buffer{};
        for (;;) {
            const ssize_t count = ::read(input, buffer.data(), buffer.size());
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0) {
                throw EFileError(SystemErrorText(errno));
            }
            if (count == 0) {
                break;
            }
            output.Write(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
        }
        output.Commit();
    } catch (const EFileError& error) {
        // The writer names the target; the caller names both files, so keep just the reason.
        const std::string message = error.what();
        const std::size_t reason = message.find("\". ");
        throw EFileError(reason == std::string::npos ? message : message.substr(reason + 3));
    }
}

void CopyDirectoryTree(const fs::path& source, const fs::path& target) {
    std::set<fs::path> visited;
    CopyTree(source, target, visited);
}

} // namespace quorvane
