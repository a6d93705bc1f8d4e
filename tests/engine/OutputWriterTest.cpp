// The writer every output file goes through: the permissions a file is given, holes at its end,
// the folders a run keeps open while it writes, what a stop signal removes, and the private
// temporary folders readers copy databases into.

#include "TempDir.h"
#include "io/AtomicFileWriter.h"
#include "io/OutputLock.h"
#include "io/OutputPath.h"
#include "io/OutputTree.h"
#include "io/PrivateFolder.h"
#include "io/StopSignals.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

mode_t ProcessUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

TEST(OutputWriterTest, FilesGetTheirModeLessTheUmaskAndAReplacedFileKeepsItsOwn) {
    const TTempDir folder;
    const mode_t umask = ProcessUmask();
    const TOutputPath base{folder.Path().string(), ""};

    WriteBytesToFile(base.Child("new.txt"), "new");
    EXPECT_EQ(ModeOf(folder.Path() / "new.txt"), 0666 & ~umask);

    TAtomicFileWriter private_(base.Child("private.txt"), 0600);
    private_.Write("secret");
    private_.Commit();
    EXPECT_EQ(ModeOf(folder.Path() / "private.txt"), 0600 & ~umask);

    // Bits the umask would take, and the set-group-id bit, which creating never gives: the
    // file that is replaced keeps them all.
    WriteFile(folder.File("shared.txt"), "old");
    ASSERT_EQ(::chmod(folder.File("shared.txt").c_str(), 02666), 0);
    WriteBytesToFile(base.Child("shared.txt"), "new");
    EXPECT_EQ(ModeOf(folder.Path() / "shared.txt"), 02666);
    EXPECT_EQ(ReadFile(folder.File("shared.txt")), "new");
}

TEST(OutputWriterTest, AHoleAtTheEndStillGivesTheFileItsLength) {
    const TTempDir folder;
    const TOutputPath base{folder.Path().string(), ""};
    TAtomicFileWriter file(base.Child("sparse.bin"));
    file.Write("head");
    file.Skip(1 << 20);
    file.Commit();
    EXPECT_EQ(fs::file_size(folder.Path() / "sparse.bin"), (1u << 20) + 4);
    // A hole followed by data ends in data.
    TAtomicFileWriter middle(base.Child("middle.bin"));
    middle.Skip(4096);
    middle.Write("tail");
    middle.Commit();
    EXPECT_EQ(fs::file_size(folder.Path() / "middle.bin"), 4100u);
    EXPECT_EQ(ReadFile(folder.File("middle.bin")).substr(4096), "tail");
}

// While a run writes, each folder's path is walked once; what happens to the path afterwards
// cannot lead a write anywhere else: a folder moved away and replaced by a link keeps receiving
// the files, and a folder removed makes the writes fail.
TEST(OutputWriterTest, AFolderKeptOpenDuringARunIsTheFolderThatWasWalked) {
    const TTempDir folder;
    fs::create_directories(folder.Path() / "copy" / "Client");
    fs::create_directories(folder.Path() / "elsewhere");
    {
        TDiskOutputTree tree(TOutputPath{folder.Path().string(), "copy"});
        tree.WriteBytes("Client/a.txt", "a");
        fs::rename(folder.Path() / "copy" / "Client", folder.Path() / "moved");
        fs::create_directory_symlink(folder.Path() / "elsewhere",
                                     folder.Path() / "copy" / "Client");
        tree.WriteBytes("Client/b.txt", "b");
        EXPECT_TRUE(fs::exists(folder.Path() / "moved" / "b.txt"));
        EXPECT_TRUE(fs::is_empty(folder.Path() / "elsewhere"));

        fs::remove_all(folder.Path() / "moved");
        EXPECT_THROW(tree.WriteBytes("Client/c.txt", "c"), EFileError);
        EXPECT_TRUE(fs::is_empty(folder.Path() / "elsewhere"));
    }
    // A new tree (the next run) walks the path afresh, and the link is refused.
    try {
        TDiskOutputTree tree(TOutputPath{folder.Path().string(), "copy"});
        tree.WriteBytes("Client/d.txt", "d");
        ADD_FAILURE() << "a write went through a link";
    } catch (const EFileError& error) {
        EXPECT_NE(std::string(error.what()).find("is a link"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(fs::is_empty(folder.Path() / "elsewhere"));
}

// Sets TMPDIR while it lives.
class TTemporaryFolderSetting {
public:
    explicit TTemporaryFolderSetting(const fs::path& folder) {
        if (const char* value = std::getenv("TMPDIR")) {
            FSaved = value;
        }
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TTemporaryFolderSetting() {
        if (FSaved) {
            ::setenv("TMPDIR", FSaved->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    TTemporaryFolderSetting(const TTemporaryFolderSetting&) = delete;
    TTemporaryFolderSetting& operator=(const TTemporaryFolderSetting&) = delete;

private:
    std::optional<std::string> FSaved;
};

TEST(PrivateFolderTest, GoesWithItsOwnerAndTheFoldersOfEndedProcessesWithTheNextOne) {
    const TTempDir folder;
    const TTemporaryFolderSetting temporary(folder.Path());
    // Folders of this kind that a killed process left, one of a process that still runs (this
    // one), one of another kind and one that is no folder.
    const pid_t ended = ::fork();
    if (ended == 0) {
        ::_exit(0);
    }
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
    const fs::path left = folder.Path() / ("quorvane-test-" + std::to_string(ended) + "-Ab12Cd");
    const fs::path running =
        folder.Path() / ("quorvane-test-" + std::to_string(::getpid()) + "-Ef34Gh");
    const fs::path otherKind =
        folder.Path() / ("quorvane-test-other-" + std::to_string(ended) + "-Ij56Kl");
    const fs::path file = folder.Path() / ("quorvane-test-" + std::to_string(ended) + "-Mn78Op");
    for (const fs::path& path : {left, running, otherKind}) {
        WriteFile((path / "inside" / "copy.db").string(), "left over");
    }
    WriteFile(file.string(), "not a folder");

    std::string path;
    {
        TPrivateFolder made("quorvane-test");
        path = made.Path();
        EXPECT_EQ(fs::path(path).parent_path(), folder.Path());
        EXPECT_EQ(fs::path(path).filename().string().rfind(
                      "quorvane-test-" + std::to_string(::getpid()) + "-", 0),
                  0u);
        EXPECT_EQ(ModeOf(path), 0700u);
        EXPECT_EQ(made.File("x.db"), path + "/x.db");
        WriteFile(made.File("sub/x.db"), "copy");

        // Moved, it goes once, with its last owner.
        TPrivateFolder moved(std::move(made));
        EXPECT_EQ(moved.Path(), path);
        EXPECT_TRUE(made.Path().empty());
    }
    EXPECT_FALSE(fs::exists(path)) << "the folder outlived its owner";
    EXPECT_FALSE(fs::exists(left)) << "a killed process's folder stayed";
    EXPECT_TRUE(fs::exists(running / "inside" / "copy.db"));
    EXPECT_TRUE(fs::exists(otherKind / "inside" / "copy.db"));
    EXPECT_TRUE(fs::is_regular_file(file));

    // One that is kept outlives its owner.
    const std::string kept = TPrivateFolder("quorvane-test").Keep();
    EXPECT_TRUE(fs::is_directory(kept));

    // A temporary folder that is not there is a clear error.
    ::setenv("TMPDIR", (folder.Path() / "missing").c_str(), 1);
    try {
        TPrivateFolder failed("quorvane-test");
        ADD_FAILURE() << "made in " << failed.Path();
    } catch (const EFileError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot create a temporary folder in \"", 0), 0u)
            << error.what();
    }
}

// The names in `folder`.
std::set<std::string> NamesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A stop signal that comes while the process is blocked removes the output lock, the temporary
// file of a writer not yet committed and the private folder of a database copy with the copy in
// it, kills the child process registered, says so on
// standard error and ends the process by that same signal. What was committed or released stays,
// and a signal that was ignored before the handlers came stays ignored (nohup).
TEST(StopSignalTest, RemovesWhatTheRunHoldsAndEndsByTheSignal) {
    // Orphaned grandchildren come to this process, which can then see how they ended.
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const std::pair<int, const char*> stops[] = {
        {SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"}};
    for (const auto& [stop, name] : stops) {
        SCOPED_TRACE(name);
        const int ignored = stop == SIGHUP ? SIGINT : SIGHUP;
        const TTempDir folder;
        const std::string root = folder.Path().string();
        fs::create_directories(folder.Path() / "tmp");
        int ready[2];
        int never[2];
        int errors[2];
        ASSERT_EQ(::pipe(ready), 0);
        ASSERT_EQ(::pipe(never), 0);
        ASSERT_EQ(::pipe(errors), 0);
        const pid_t run = ::fork();
        ASSERT_GE(run, 0);
        if (run == 0) {
            ::dup2(errors[1], STDERR_FILENO);
            ::signal(ignored, SIG_IGN);
            InstallStopSignalHandlers("stopped-run");
            ::raise(ignored); // ignored, as before
            const TOutputLock lock(TOutputPath{root, "copy"});
            {
                TAtomicFileWriter whole(TOutputPath{root, "copy/whole.pas"});
                whole.Write("whole");
                whole.Commit();
            }
            TAtomicFileWriter unfinished(TOutputPath{root, "copy/unit.pas"});
            unfinished.Write("half");
            const pid_t reader = ::fork();
            if (reader == 0) {
                for (;;) {
                    ::pause();
                }
            }
            const TStopCleanup readerKill = TStopCleanup::KillProcess(reader);
            ::setenv("TMPDIR", (root + "/tmp").c_str(), 1);
            const TPrivateFolder databaseCopy("quorvane-sqlite");
            WriteFile(databaseCopy.File("Database.sqlite"), "a copy");
            WriteFile(databaseCopy.File("Database.sqlite-wal"), "its log");
            WriteFile(root + "/copy/kept.txt", "kept");
            TStopCleanup released =
                TStopCleanup::RemoveFile(::open((root + "/copy").c_str(), O_RDONLY), "kept.txt");
            released.Release();
            const ssize_t told = ::write(ready[1], &reader, sizeof reader);
            char byte = 0;
            const ssize_t read = ::read(never[0], &byte, 1); // never answered: blocked here
            ::_exit(told == sizeof reader && read >= 0 ? 0 : 3);
        }
        ::close(ready[1]);
        ::close(errors[1]);
        pid_t reader = -1;
        ASSERT_EQ(::read(ready[0], &reader, sizeof reader), static_cast<ssize_t>(sizeof reader));
        ASSERT_EQ(::kill(run, stop), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(run, &status, 0), run);
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(WTERMSIG(status), stop);

        EXPECT_EQ(NamesIn(folder.Path() / "copy"),
                  (std::set<std::string>{"kept.txt", "whole.pas"}));
        EXPECT_EQ(NamesIn(folder.Path() / "tmp"), std::set<std::string>{});
        int readerStatus = 0;
        ASSERT_EQ(::waitpid(reader, &readerStatus, 0), reader);
        EXPECT_TRUE(WIFSIGNALED(readerStatus) && WTERMSIG(readerStatus) == SIGKILL);

        std::string said;
        char buffer[256];
        for (ssize_t count; (count = ::read(errors[0], buffer, sizeof buffer)) > 0;) {
            said.append(buffer, static_cast<std::size_t>(count));
        }
        EXPECT_EQ(said,
                  std::string("stopped-run: Stopped by ") + name + "; the run did not finish.\n");
        for (const int end : {ready[0], never[0], never[1], errors[0]}) {
            ::close(end);
        }
    }
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
}

} // namespace
} // namespace quorvane
