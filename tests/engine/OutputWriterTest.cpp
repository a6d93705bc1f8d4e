// The writer every output file goes through: the permissions a file is given, holes at its end,
// and the folders a run keeps open while it writes.

#include "TempDir.h"
#include "io/AtomicFileWriter.h"
#include "io/OutputPath.h"
#include "io/OutputTree.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

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

} // namespace
} // namespace quorvane
