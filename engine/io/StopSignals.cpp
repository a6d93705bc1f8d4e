#include "io/StopSignals.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace quorvane {

namespace {

// A place of the registry. The handler may interrupt any thread anywhere, so a place is claimed,
// filled and armed through its state alone, and the handler touches only armed places.
enum TSlotState : int { Free, Filling, Armed, Taken };

static_assert(std::atomic<int>::is_always_lock_free,
              "the signal handler may only use lock-free atomics");

struct TSlot {
    std::atomic<int> State{Free};
    int Folder = -1;
    pid_t Pid = -1;
    bool Tree = false; // Name is a folder, removed with its files
    std::array<char, NAME_MAX + 1> Name{};
};

// A run holds the output lock, one temporary file per writing thread and one reader process at a
// time; a window may run one generation while it describes another database.
constexpr std::size_t SlotCount = 64;
TSlot Slots[SlotCount];

struct TStopSignal {
    int Number;
    const char* Name;
};

constexpr std::array<TStopSignal, 3> StopSignals{{
    {SIGINT, "SIGINT"},
    {SIGTERM, "SIGTERM"},
    {SIGHUP, "SIGHUP"},
}};

// The message for each stop signal, made before the handlers are installed: the handler only
// writes it.
struct TStopMessage {
    std::array<char, 256> Text{};
    std::size_t Length = 0;
};
std::array<TStopMessage, StopSignals.size()> StopMessages;

int TakeSlot() noexcept {
    for (std::size_t i = 0; i < SlotCount; ++i) {
        int expected = Free;
        if (Slots[i].State.compare_exchange_strong(expected, Filling)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void WriteAll(const char* text, std::size_t length) noexcept {
    while (length > 0) {
        const ssize_t written = ::write(STDERR_FILENO, text, length);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}

// Removes the files of the folder `name` in `parent`, then the folder. The listing is read with
// the system call itself: opendir and readdir may allocate, which a signal handler must not.
void RemoveFolderTree(int parent, const char* name) noexcept {
    const int folder = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder >= 0) {
        alignas(8) char listing[4096];
        for (;;) {
            const long length = ::syscall(SYS_getdents64, folder, listing, sizeof listing);
            if (length <= 0) {
                break;
            }
            for (long offset = 0; offset < length;) {
                // struct linux_dirent64: inode (8), offset (8), record length (2), type (1), name.
                unsigned short record = 0;
                std::memcpy(&record, listing + offset + 16, sizeof record);
                const char* entry = listing + offset + 19;
                if (std::strcmp(entry, ".") != 0 && std::strcmp(entry, "..") != 0) {
                    ::unlinkat(folder, entry, 0);
                }
                offset += record;
            }
        }
        ::close(folder);
    }
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

extern "C" void OnStopSignal(int number) {
    // Each place once, whichever thread gets here first: a second signal handled on another
    // thread meanwhile finds it taken. Processes go first, so that no reader still writes into
    // a folder that is being emptied; folders last, once the files in them are gone.
    bool folders[SlotCount] = {};
    for (std::size_t i = 0; i < SlotCount; ++i) {
        TSlot& slot = Slots[i];
        int expected = Armed;
        if (slot.Pid > 0 && slot.State.compare_exchange_strong(expected, Taken)) {
            ::kill(slot.Pid, SIGKILL);
        }
    }
    for (std::size_t i = 0; i < SlotCount; ++i) {
        TSlot& slot = Slots[i];
        int expected = Armed;
        if (!slot.State.compare_exchange_strong(expected, Taken)) {
            continue;
        }
        if (slot.Pid > 0) {
            ::kill(slot.Pid, SIGKILL);
        } else if (slot.Tree) {
            folders[i] = true;
        } else {
            ::unlinkat(slot.Folder, slot.Name.data(), 0);
        }
    }
    for (std::size_t i = 0; i < SlotCount; ++i) {
        if (folders[i]) {
            RemoveFolderTree(Slots[i].Folder, Slots[i].Name.data());
        }
    }
    for (std::size_t i = 0; i < StopSignals.size(); ++i) {
        if (StopSignals[i].Number == number) {
            WriteAll(StopMessages[i].Text.data(), StopMessages[i].Length);
        }
    }
    // Ended by the signal itself, as without a handler: the parent sees which signal it was.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(number, &fallback, nullptr);
    sigset_t unblocked;
    sigemptyset(&unblocked);
    sigaddset(&unblocked, number);
    ::pthread_sigmask(SIG_UNBLOCK, &unblocked, nullptr);
    ::raise(number);
}

} // namespace

void InstallStopSignalHandlers(std::string_view program) {
    for (std::size_t i = 0; i < StopSignals.size(); ++i) {
        std::string text(program);
        text += ": Stopped by ";
        text += StopSignals[i].Name;
        text += "; the run did not finish.\n";
        TStopMessage& message = StopMessages[i];
        message.Length = std::min(text.size(), message.Text.size());
        std::memcpy(message.Text.data(), text.data(), message.Length);
    }
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    // One stop signal at a time per thread: a second Ctrl+C waits for the first clean-up.
    sigemptyset(&action.sa_mask);
    for (const TStopSignal& stop : StopSignals) {
        sigaddset(&action.sa_mask, stop.Number);
    }
    for (const TStopSignal& stop : StopSignals) {
        struct sigaction previous {};
        if (::sigaction(stop.Number, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) {
            continue;
        }
        ::sigaction(stop.Number, &action, nullptr);
    }
}

TStopCleanup TStopCleanup::RemoveFile(int folder, std::string_view name) noexcept {
    return Register(folder, name, false);
}

TStopCleanup TStopCleanup::RemoveFolder(int folder, std::string_view name) noexcept {
    return Register(folder, name, true);
}

TStopCleanup TStopCleanup::Register(int folder, std::string_view name, bool tree) noexcept {
    if (folder < 0 || name.empty() || name.size() > NAME_MAX) {
        return {};
    }
    const int index = TakeSlot();
    if (index < 0) {
        return {};
    }
    TSlot& slot = Slots[index];
    slot.Folder = folder;
    slot.Pid = -1;
    slot.Tree = tree;
    std::memcpy(slot.Name.data(), name.data(), name.size());
    slot.Name[name.size()] = '\0';
    slot.State.store(Armed);
    return TStopCleanup(index);
}

TStopCleanup TStopCleanup::KillProcess(pid_t pid) noexcept {
    if (pid <= 0) {
        return {};
    }
    const int index = TakeSlot();
    if (index < 0) {
        return {};
    }
    TSlot& slot = Slots[index];
    slot.Folder = -1;
    slot.Pid = pid;
    slot.Tree = false;
    slot.Name[0] = '\0';
    slot.State.store(Armed);
    return TStopCleanup(index);
}

TStopCleanup& TStopCleanup::operator=(TStopCleanup&& other) noexcept {
    if (this != &other) {
        Release();
        FSlot = other.FSlot;
        other.FSlot = -1;
    }
    return *this;
}

void TStopCleanup::Release() noexcept {
    if (FSlot < 0) {
        return;
    }
    TSlot& slot = Slots[FSlot];
    FSlot = -1;
    int expected = Armed;
    if (slot.State.compare_exchange_strong(expected, Free)) {
        return;
    }
    // A handler on another thread is removing the file or killing the process and then ends
    // this one: the folder must stay open and the child unreaped (its pid unused) until then.
    for (;;) {
        ::sched_yield();
    }
}

} // namespace quorvane
