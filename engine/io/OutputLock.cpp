#include "io/OutputLock.h"

#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

constexpr char LockFileName[] = ".quorvane-lock";

} // namespace

TOutputLock::TOutputLock(const TOutputPath& folder) : FFolder(OpenOutputFolder(folder, true)) {
    const auto fail = [&folder](const std::string& reason) {
        throw EFileError("Cannot write into \"" + folder.Full() + "\". " + reason);
    };
    // The lock file may be replaced between opening and locking it by a run that ends and
    // removes it: then the lock held is on a file no one else sees, so it is taken again.
    for (int attempt = 0;; ++attempt) {
        FLock = TFileDescriptor(
            ::openat(FFolder.Get(), LockFileName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!FLock.Valid()) {
            fail(SystemErrorText(errno));
        }
        if (::flock(FLock.Get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) {
                fail("Another run is writing into it now; wait until that run has ended.");
            }
            fail(SystemErrorText(errno));
        }
        struct stat held {};
        struct stat named {};
        if (::fstat(FLock.Get(), &held) == 0 &&
            ::fstatat(FFolder.Get(), LockFileName, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            // Only the lock this run holds: a run that found another's lock leaves it.
            FStopRemoval = TStopCleanup::RemoveFile(FFolder.Get(), LockFileName);
            return;
        }
        if (attempt > 100) {
            fail("Its lock file keeps changing.");
        }
    }
}

TOutputLock::~TOutputLock() {
    // Forgotten by the stop handler first: once removed, the name may be another run's lock.
    FStopRemoval.Release();
    // Removed while still held, so that no other run can take the lock on the name being removed.
    ::unlinkat(FFolder.Get(), LockFileName, 0);
}

} // namespace quorvane
