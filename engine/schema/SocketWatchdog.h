#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quorvane {

/// How long a connected database server may stay silent during one request before the request
/// fails: the same for every back-end that reaches a server.
inline constexpr std::chrono::milliseconds ServerAnswerLimit = std::chrono::seconds(30);

/// "The server did not answer within 30 seconds.": why a request the watchdog cut off failed.
std::string ServerSilenceText(std::chrono::milliseconds limit);

/// One open socket of this process: its descriptor and the inode behind it, so that a descriptor
/// closed and reused for something else is never taken for the socket it once was.
struct TSocketId {
    int Descriptor = -1;
    unsigned long long Inode = 0;

    friend bool operator==(const TSocketId&, const TSocketId&) = default;
};

/// The sockets this process has open now (from /proc/self/fd); none where that cannot be read.
std::vector<TSocketId> OpenSockets();

/// The sockets open now that were not in `before`: those a driver opened meanwhile.
std::vector<TSocketId> SocketsOpenedSince(const std::vector<TSocketId>& before);

/// Bounds the wait for a database server's answer where the driver cannot: a server that stops
/// answering without closing its connection (frozen, or cut off behind a silent firewall) would
/// otherwise hold a blocking driver call for ever. While a call is watched and makes no progress
/// for longer than the limit, the watched sockets are shut down from a thread of the watchdog's
/// own; the blocked call then returns with a connection error, and `Tripped()` tells the caller
/// that the silence, not the driver's message, is the cause.
class TSocketWatchdog {
public:
    explicit TSocketWatchdog(std::chrono::milliseconds limit);
    ~TSocketWatchdog();
    TSocketWatchdog(const TSocketWatchdog&) = delete;
    TSocketWatchdog& operator=(const TSocketWatchdog&) = delete;

    /// The sockets to shut down when a watched call outlasts the limit.
    void Watch(std::vector<TSocketId> sockets);

    /// For a call that opens its connection itself (a driver's login): when it outlasts the
    /// limit, the sockets opened since `before` are shut down, whichever they are by then.
    void WatchSocketsOpenedSince(std::vector<TSocketId> before);

    /// Watches the calls made while it lives; `Progress()` restarts the clock after each answer.
    /// Given no watchdog, it watches nothing: for a connection that reaches no server.
    class TWatch {
    public:
        explicit TWatch(TSocketWatchdog& watchdog) : TWatch(&watchdog) {}
        explicit TWatch(TSocketWatchdog* watchdog) : FWatchdog(watchdog) {
            if (FWatchdog != nullptr) {
                FWatchdog->Arm();
            }
        }
        ~TWatch() {
            if (FWatchdog != nullptr) {
                FWatchdog->Disarm();
            }
        }
        TWatch(const TWatch&) = delete;
        TWatch& operator=(const TWatch&) = delete;

        void Progress() {
            if (FWatchdog != nullptr) {
                FWatchdog->Arm();
            }
        }

    private:
        TSocketWatchdog* FWatchdog;
    };

    /// Whether the watched sockets were shut down because the server fell silent.
    bool Tripped() const;

    std::chrono::milliseconds Limit() const { return FLimit; }

private:
    using TClock = std::chrono::steady_clock;

    const std::chrono::milliseconds FLimit;
    mutable std::mutex FLock;
    std::condition_variable FChanged;
    std::vector<TSocketId> FSockets;
    std::optional<std::vector<TSocketId>> FSocketsBefore;
    bool FArmed = false;
    bool FTripped = false;
    bool FStopping = false;
    TClock::time_point FDeadline;
    std::thread FThread;

    void Arm();
    void Disarm() noexcept;
    void Run();
    void ShutDownSockets();
};

} // namespace quorvane
