#include "schema/SocketWatchdog.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

constexpr std::chrono::milliseconds RetryShutDownInterval{50};

// The socket behind `descriptor`, or nothing when it is no socket (or no longer open).
std::optional<TSocketId> SocketBehind(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISSOCK(status.st_mode)) {
        return std::nullopt;
    }
    return TSocketId{descriptor, static_cast<unsigned long long>(status.st_ino)};
}

} // namespace

std::string ServerSilenceText(std::chrono::milliseconds limit) {
    const auto count = limit.count();
    std::string seconds = std::to_string(count / 1000);
    if (count % 1000 != 0) {
        std::string fraction = std::to_string(1000 + count % 1000).substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        seconds += "." + fraction;
    }
    return "The server did not answer within " + seconds +
           (count == 1000 ? " second." : " seconds.");
}

std::vector<TSocketId> OpenSockets() {
    std::vector<TSocketId> sockets;
    DIR* folder = ::opendir("/proc/self/fd");
    if (folder == nullptr) {
        return sockets;
    }
    const int own = ::dirfd(folder);
    while (const dirent* entry = ::readdir(folder)) {
        char* end = nullptr;
        errno = 0;
        const long descriptor = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || errno != 0 || descriptor < 0 ||
            descriptor > INT_MAX || descriptor == own) {
            continue;
        }
        if (const auto socket = SocketBehind(static_cast<int>(descriptor))) {
            sockets.push_back(*socket);
        }
    }
    ::closedir(folder);
    return sockets;
}

std::vector<TSocketId> SocketsOpenedSince(const std::vector<TSocketId>& before) {
    std::vector<TSocketId> opened = OpenSockets();
    std::erase_if(opened, [&before](const TSocketId& socket) {
        return std::find(before.begin(), before.end(), socket) != before.end();
    });
    return opened;
}

TSocketWatchdog::TSocketWatchdog(std::chrono::milliseconds limit)
    : FLimit(limit), FThread([this] { Run(); }) {}

TSocketWatchdog::~TSocketWatchdog() {
    {
        const std::lock_guard lock(FLock);
        FStopping = true;
    }
    FChanged.notify_all();
    FThread.join();
}

void TSocketWatchdog::Watch(std::vector<TSocketId> sockets) {
    const std::lock_guard lock(FLock);
    FSockets = std::move(sockets);
    FSocketsBefore.reset();
}

void TSocketWatchdog::WatchSocketsOpenedSince(std::vector<TSocketId> before) {
    const std::lock_guard lock(FLock);
    FSockets.clear();
    FSocketsBefore = std::move(before);
}

bool TSocketWatchdog::Tripped() const {
    const std::lock_guard lock(FLock);
    return FTripped;
}

void TSocketWatchdog::Arm() {
    bool wasArmed = false;
    {
        const std::lock_guard lock(FLock);
        wasArmed = FArmed;
        FArmed = true;
        FDeadline = TClock::now() + FLimit;
    }
    // A later deadline needs no wake-up: the thread finds it when the earlier one comes.
    if (!wasArmed) {
        FChanged.notify_all();
    }
}

void TSocketWatchdog::Disarm() noexcept {
    const std::lock_guard lock(FLock);
    FArmed = false;
}

void TSocketWatchdog::Run() {
    std::unique_lock lock(FLock);
    while (!FStopping) {
        if (!FArmed) {
            FChanged.wait(lock, [this] { return FStopping || FArmed; });
            continue;
        }
        const TClock::time_point deadline = FDeadline;
        if (TClock::now() < deadline) {
            FChanged.wait_until(lock, deadline);
            continue;
        }
        if (!FTripped || FSocketsBefore) {
            FTripped = true;
            ShutDownSockets();
        }
        if (FSocketsBefore) {
            // A driver whose login failed may try again on a new socket (FreeTDS goes through
            // its protocol versions): until the watched call returns, each is shut down soon.
            FDeadline = TClock::now() + RetryShutDownInterval;
        } else {
            FArmed = false;
        }
    }
}

void TSocketWatchdog::ShutDownSockets() {
    if (FSocketsBefore) {
        FSockets = SocketsOpenedSince(*FSocketsBefore);
    }
    for (const TSocketId& socket : FSockets) {
        // Only the very socket that was watched: its descriptor may have been closed since and
        // given to another file or connection.
        if (SocketBehind(socket.Descriptor) == socket) {
            ::shutdown(socket.Descriptor, SHUT_RDWR);
        }
    }
}

} // namespace quorvane
