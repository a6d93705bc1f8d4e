#pragma once

// A scratch folder for tests that need real files, and a pair of byte-exact file helpers.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

#include <sys/stat.h>

namespace quorvane {

/// Makes a folder of its own under the system's temporary directory and removes it, with
/// everything in it, when it goes out of scope. Folders that a test made read-only are made
/// writable again first, so that the clean-up never leaves anything behind.
class TTempDir {
public:
    TTempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quorvane-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("Cannot make a temporary folder from " + pattern);
        }
        FPath = pattern;
    }
    ~TTempDir() {
        namespace fs = std::filesystem;
        std::error_code error;
        fs::permissions(FPath, fs::perms::owner_all, fs::perm_options::add, error);
        for (auto it = fs::recursive_directory_iterator(FPath, error);
             !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            if (it->is_directory(error)) {
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
            }
        }
        fs::remove_all(FPath, error);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    /// The full path of `name` inside the folder (the file need not exist).
    std::string File(const std::string& name) const { return (FPath / name).string(); }

private:
    std::filesystem::path FPath;
};

/// Writes `bytes` to `path` exactly as given, replacing any earlier content; missing parent
/// folders are made.
inline void WriteFile(const std::string& path, const std::string& bytes) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::filesystem::create_directories(parent);
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("Cannot write test file " + path);
    }
}

/// The bytes of the file at `path`.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("Cannot read test file " + path);
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file in `folder` with its bytes, permission bits and time of change: what a reader that
// must leave its inputs alone is compared by.
inline std::map<std::string, std::string> FolderState(const std::filesystem::path& folder) {
    std::map<std::string, std::string> state;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        struct stat status {};
        ::lstat(entry.path().c_str(), &status);
        state[entry.path().filename().string()] =
            std::to_string(status.st_mode) + ":" + std::to_string(status.st_mtim.tv_sec) + "." +
            std::to_string(status.st_mtim.tv_nsec) + ":" +
            (entry.is_regular_file() ? ReadFile(entry.path().string()) : std::string());
    }
    return state;
}

} // namespace quorvane
