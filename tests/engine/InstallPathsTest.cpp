// Where the programs look for NameFormat.ini and for their helper programs: in a build tree, in
// a copy of the programs, in an installation under /usr or another prefix, and in an unpacked
// package, whose configuration sits beside its usr/ rather than in /etc.

#include "io/InstallPaths.h"
#include "TempDir.h"
#include "generate/NameFormats.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

class InstallPathsTest : public ::testing::Test {
protected:
    TTempDir Folder;

    std::string Root() const { return Folder.Path().string() + "/"; }

    TInstallLayout Layout(const std::string& executableFolder) const {
        fs::create_directories(Root() + executableFolder);
        TInstallLayout layout;
        layout.ExecutableDirectory = Root() + executableFolder;
        layout.XdgConfigHome = Root() + "xdg";
        layout.Home = Root() + "home";
        return layout;
    }

    void WriteFormats(const std::string& folder, const std::string& clientDataSetName) {
        WriteFile(Root() + folder + "NameFormat.ini",
                  "[NameFormatStrings]\r\nClientDataSetName=" + clientDataSetName + "\r\n");
    }

    // The ClientDataSetName format of the file the layout finds, "" for none.
    static std::string FoundFormat(const TInstallLayout& layout) {
        const auto path = FindNameFormatFile(layout);
        return path ? ReadNameFormats(*path).ClientDataSetName : std::string();
    }
};

TEST_F(InstallPathsTest, NameFormatFoldersRunFromTheProgramToTheUserToTheSystem) {
    // A build tree, or a copy of the programs: nothing is installed around them, so the system
    // folder is /etc/quorvane/.
    TInstallLayout layout = Layout("build/bin/");
    EXPECT_EQ(NameFormatFolders(layout),
              (std::vector<std::string>{Root() + "build/bin/", Root() + "xdg/quorvane/",
                                        "/etc/quorvane/"}));

    // The user's folder: $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
    layout.XdgConfigHome = "";
    EXPECT_EQ(NameFormatFolders(layout).at(1), Root() + "home/.config/quorvane/");
    layout.XdgConfigHome = "relative/config";
    EXPECT_EQ(NameFormatFolders(layout).at(1), Root() + "home/.config/quorvane/");
    layout.Home = "";
    EXPECT_EQ(NameFormatFolders(layout).size(), 2u);

    // An installation under a prefix keeps its configuration in PREFIX/etc, one under usr/ (the
    // package, also unpacked anywhere) in the etc/ beside usr/.
    fs::create_directories(Root() + "opt/quorvane/share/quorvane");
    EXPECT_EQ(NameFormatFolders(Layout("opt/quorvane/bin/")).back(),
              Root() + "opt/quorvane/etc/quorvane/");
    fs::create_directories(Root() + "unpacked/usr/share/quorvane");
    EXPECT_EQ(NameFormatFolders(Layout("unpacked/usr/bin/")).back(),
              Root() + "unpacked/etc/quorvane/");
}

TEST_F(InstallPathsTest, TheFirstNameFormatFileFoundIsUsedWhole) {
    fs::create_directories(Root() + "root/usr/share/quorvane");
    const TInstallLayout layout = Layout("root/usr/bin/");
    EXPECT_EQ(FindNameFormatFile(layout), std::nullopt);

    WriteFile(Root() + "root/etc/quorvane/NameFormat.ini",
              "[NameFormatStrings]\r\nClientDataSetName=%s_System\r\nDataSetName=%s_SystemD\r\n");
    EXPECT_EQ(FoundFormat(layout), "%s_System");

    // The user's file wins over the system's, and keys it lacks take the defaults, not the
    // values of the system's file.
    WriteFormats("xdg/quorvane/", "%s_User");
    EXPECT_EQ(FoundFormat(layout), "%s_User");
    EXPECT_EQ(ReadNameFormats(*FindNameFormatFile(layout)).DataSetName, "%s_D");

    WriteFormats("root/usr/bin/", "%s_Beside");
    EXPECT_EQ(FoundFormat(layout), "%s_Beside");

    // A folder of that name is no file.
    fs::remove(Root() + "root/usr/bin/NameFormat.ini");
    fs::create_directories(Root() + "root/usr/bin/NameFormat.ini");
    EXPECT_EQ(FoundFormat(layout), "%s_User");
}

TEST_F(InstallPathsTest, HelperProgramsAreFoundBesideTheProgramOrInTheInstallationsLib) {
    const auto writeProgram = [&](const std::string& path, fs::perms permissions) {
        WriteFile(Root() + path, "#!/bin/sh\n");
        fs::permissions(Root() + path, permissions);
    };
    const fs::perms executable = fs::perms::owner_all;
    const TInstallLayout installed = Layout("usr/bin/");
    EXPECT_EQ(FindHelperProgram(installed, "quorvane-mdb-reader"), std::nullopt);

    writeProgram("usr/lib/quorvane/quorvane-mdb-reader", executable);
    EXPECT_EQ(FindHelperProgram(installed, "quorvane-mdb-reader"),
              Root() + "usr/lib/quorvane/quorvane-mdb-reader");

    // Beside the program first, as in a build tree; a file there that cannot run is passed by.
    writeProgram("usr/bin/quorvane-mdb-reader", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FindHelperProgram(installed, "quorvane-mdb-reader"),
              Root() + "usr/lib/quorvane/quorvane-mdb-reader");
    fs::permissions(Root() + "usr/bin/quorvane-mdb-reader", executable);
    EXPECT_EQ(FindHelperProgram(installed, "quorvane-mdb-reader"),
              Root() + "usr/bin/quorvane-mdb-reader");

    // A program outside any bin/ folder has only its own folder.
    EXPECT_EQ(HelperProgramFolders(Layout("portable/")),
              std::vector<std::string>{Root() + "portable/"});
}

TEST_F(InstallPathsTest, TheSampleTemplateIsTheInstallationsOwn) {
    const TInstallLayout installed = Layout("opt/q/bin/");
    EXPECT_EQ(FindSampleTemplate(installed), std::nullopt);
    // A file where the folder belongs is no template.
    WriteFile(Root() + "opt/q/share/quorvane/templates/MidasProject", "");
    EXPECT_EQ(FindSampleTemplate(installed), std::nullopt);
    fs::remove(Root() + "opt/q/share/quorvane/templates/MidasProject");
    fs::create_directories(Root() + "opt/q/share/quorvane/templates/MidasProject/Midas_Client");
    EXPECT_EQ(FindSampleTemplate(installed),
              Root() + "opt/q/share/quorvane/templates/MidasProject");

    // A program outside a bin/ folder belongs to no installation, even beside a share/ folder.
    fs::create_directories(Root() + "share/quorvane/templates/MidasProject");
    EXPECT_EQ(FindSampleTemplate(Layout("portable/")), std::nullopt);
}

} // namespace
} // namespace quorvane
