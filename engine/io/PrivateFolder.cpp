#include "io/PrivateFolder.h"

#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quorvane {

namespace {

// Whether the process `process` has ended (one of another user that runs still counts as
// running: kill then fails with EPERM, not ESRCH).
bool HasEnded(long process) {
    return process > 0 && ::kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH;
}

// Removes the folders "<kind>-<process>-XXXXXX" in `temporary` that are this user's own and
// whose process has ended.
void RemoveFoldersOfEndedProcesses(const std::string& temporary, std::string_view kind) noexcept {
    DIR* listing = ::opendir(temporary.c_str());
    if (listing == nullptr) {
        return;
    }
    const std::string prefix = std::string(kind) + "-";
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, prefix.size()) != prefix) {
            continue;
        }
        const std::string rest(name.substr(prefix.size()));
        char* end = nullptr;
        const long process = std::strtol(rest.c_str(), &end, 10);
        // Exactly "<process>-" and the six characters mkdtemp chose: another kind whose name
        // merely starts like this one ("kind-extra-...") is not taken for it.
        if (end == rest.c_str() || *end != '-' || std::string_view(end + 1).size() != 6 ||
            !HasEnded(process)) {
            continue;
        }
        const std::string folder = temporary + "/" + std::string(name);
        struct stat status {};
        if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
            status.st_uid != ::getuid()) {
            continue;
        }
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    ::closedir(listing);
}

} // namespace

TPrivateFolder::TPrivateFolder(std::string_view kind) {
    std::error_code error;
    const std::string temporary = std::filesystem::temp_directory_path(error).string();
    if (error) {
        // Only a TMPDIR that names no folder fails here.
        const char* named = std::getenv("TMPDIR");
        std::string message = "Cannot create a temporary folder in \"";
        message += named != nullptr ? named : "/tmp";
        message += "\". ";
        message += error.message();
        throw EFileError(message);
    }
    RemoveFoldersOfEndedProcesses(temporary, kind);
    std::string folder = temporary;
    folder += '/';
    folder += kind;
    folder += '-';
    folder += std::to_string(::getpid());
    folder += "-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) {
        throw EFileError("Cannot create a temporary folder in \"" + temporary + "\". " +
                         SystemErrorText(errno));
    }
    FPath = std::move(folder);
    // A run stopped by a signal takes the folder, and the database copy in it, with it.
    FParent = ::open(temporary.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    FStopCleanup = TStopCleanup::RemoveFolder(
        FParent, std::string_view(FPath).substr(FPath.find_last_of('/') + 1));
}

TPrivateFolder::~TPrivateFolder() {
    Remove();
}

TPrivateFolder::TPrivateFolder(TPrivateFolder&& other) noexcept
    : FPath(std::exchange(other.FPath, {})), FParent(std::exchange(other.FParent, -1)),
      FStopCleanup(std::move(other.FStopCleanup)) {}

TPrivateFolder& TPrivateFolder::operator=(TPrivateFolder&& other) noexcept {
    if (this != &other) {
        Remove();
        FPath = std::exchange(other.FPath, {});
        FParent = std::exchange(other.FParent, -1);
        FStopCleanup = std::move(other.FStopCleanup);
    }
    return *this;
}

std::string TPrivateFolder::File(std::string_view name) const {
    std::string path = FPath;
    path += '/';
    path += name;
    return path;
}

std::string TPrivateFolder::Keep() noexcept {
    ForgetParent();
    return std::exchange(FPath, {});
}

void TPrivateFolder::Remove() noexcept {
    ForgetParent();
    if (!FPath.empty()) {
        std::error_code error;
        std::filesystem::remove_all(FPath, error);
        FPath.clear();
    }
}

void TPrivateFolder::ForgetParent() noexcept {
    // The signal's clean-up goes before the descriptor it uses.
    FStopCleanup.Release();
    if (FParent >= 0) {
        ::close(FParent);
        FParent = -1;
    }
}

} // namespace quorvane
