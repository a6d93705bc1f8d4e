#include "FileCopy.h"

#include "EngineErrors.h"

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
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        fs::remove(target, error);
    }
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    if (error) {
        throw EFileError(error.message());
    }
}

void CopyDirectoryTree(const fs::path& source, const fs::path& target) {
    std::set<fs::path> visited;
    CopyTree(source, target, visited);
}

} // namespace quorvane
