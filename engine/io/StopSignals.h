#pragma once

#include <string_view>
#include <sys/types.h>

namespace quorvane {

/// Makes SIGINT, SIGTERM and SIGHUP end the process as a failed run ends: every file registered
/// below is removed, every registered child process is killed, "<program>: Stopped by SIGxxx;
/// the run did not finish." goes to standard error, and the process then ends by that signal's
/// default action (so a shell sees 128 + its number). It works wherever the run is, blocked in a
/// login, on a child process or in a write included: the handler does all of it itself, with
/// async-signal-safe calls only. A signal ignored when this is called stays ignored (nohup, a
/// background job). Call once, early in main, before other threads start.
void InstallStopSignalHandlers(std::string_view program);

/// While it lives, a stop signal removes the file `name` in the open folder `folder`, the folder
/// `name` in it with the files it holds, or kills the child process `pid`; processes first, then
/// files, then folders. The folder descriptor must stay open for as long. Registration takes
/// one of a fixed number of places and never allocates; when all are taken, nothing is
/// registered (the next run still removes a temporary file that is left).
class TStopCleanup {
public:
    static TStopCleanup RemoveFile(int folder, std::string_view name) noexcept;
    /// The folder's own files are removed, and then the folder; a folder inside it stays.
    static TStopCleanup RemoveFolder(int folder, std::string_view name) noexcept;
    static TStopCleanup KillProcess(pid_t pid) noexcept;

    TStopCleanup() noexcept = default;
    TStopCleanup(TStopCleanup&& other) noexcept : FSlot(other.FSlot) { other.FSlot = -1; }
    TStopCleanup& operator=(TStopCleanup&& other) noexcept;
    TStopCleanup(const TStopCleanup&) = delete;
    TStopCleanup& operator=(const TStopCleanup&) = delete;
    ~TStopCleanup() { Release(); }

    /// Forgets the file or process: a stop signal leaves it alone from now on.
    void Release() noexcept;

private:
    explicit TStopCleanup(int slot) noexcept : FSlot(slot) {}
    static TStopCleanup Register(int folder, std::string_view name, bool tree) noexcept;
    int FSlot = -1;
};

} // namespace quorvane
