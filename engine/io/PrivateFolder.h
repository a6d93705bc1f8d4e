#pragma once

#include "io/StopSignals.h"

#include <string>
#include <string_view>

namespace quorvane {

/// A folder of this process's own in the temporary folder ($TMPDIR, else /tmp), made by mkdtemp:
/// a fresh name no other user can have taken first, open to this user alone (0700). It goes, with
/// everything in it, when the object goes. A process that is killed cannot remove its folders, so
/// each new folder of a kind first removes the folders of that kind whose process no longer runs
/// (they are named "<kind>-<process id>-XXXXXX" and must be this user's own folders). A stop
/// signal (see InstallStopSignalHandlers) removes the folder and its files too.
class TPrivateFolder {
public:
    /// Throws EFileError "Cannot create a temporary folder in "%s". %s".
    explicit TPrivateFolder(std::string_view kind);
    ~TPrivateFolder();
    TPrivateFolder(TPrivateFolder&& other) noexcept;
    TPrivateFolder& operator=(TPrivateFolder&& other) noexcept;
    TPrivateFolder(const TPrivateFolder&) = delete;
    TPrivateFolder& operator=(const TPrivateFolder&) = delete;

    const std::string& Path() const { return FPath; }
    /// The full path of `name` inside the folder.
    std::string File(std::string_view name) const;

    /// Lets the folder outlive the object, for something the process uses until it ends; a later
    /// folder of the same kind removes it once this process has ended (a stop signal leaves it
    /// too). Returns its path.
    std::string Keep() noexcept;

private:
    std::string FPath;
    int FParent = -1; // the temporary folder, open for the stop signal's clean-up
    TStopCleanup FStopCleanup;

    void Remove() noexcept;
    void ForgetParent() noexcept;
};

} // namespace quorvane
