#include "io/InstallPaths.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace quorvane {

namespace {

constexpr const char* ConfigFolderName = "quorvane/";
constexpr const char* NameFormatFileName = "NameFormat.ini";
// Where the package puts helper programs, relative to the installation's prefix (Debian keeps
// a package's private programs in /usr/lib/PACKAGE/).
constexpr const char* HelperFolder = "lib/quorvane/";
// The templates and examples of an installation, which tell an installed program from a
// build tree's.
constexpr const char* SharedDataFolder = "share/quorvane/";
// The template set a new user starts from, as the package installs it in the shared data.
constexpr const char* SampleTemplateFolder = "templates/MidasProject";

std::string WithFinalSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// The installation prefix of a program in PREFIX/bin/, with a final "/"; none for a program in
// any other folder.
std::optional<std::string> InstallPrefix(const std::string& executableDirectory) {
    const std::filesystem::path folder =
        std::filesystem::path(executableDirectory).lexically_normal().parent_path();
    if (folder.filename() != "bin") {
        return std::nullopt;
    }
    return WithFinalSlash(folder.parent_path().string());
}

// The file system hierarchy keeps the configuration of /usr in /etc, of any other prefix in
// PREFIX/etc. A program outside an installation of ours (a build tree's bin/ has no
// share/quorvane/ beside it) uses /etc.
std::string SystemConfigFolder(const std::string& executableDirectory) {
    const std::optional<std::string> prefix = InstallPrefix(executableDirectory);
    std::error_code error;
    if (!prefix || !std::filesystem::is_directory(*prefix + SharedDataFolder, error)) {
        return "/etc/";
    }
    const std::filesystem::path prefixPath = std::filesystem::path(*prefix).parent_path();
    if (prefixPath.filename() == "usr") {
        return WithFinalSlash(prefixPath.parent_path().string()) + "etc/";
    }
    return *prefix + "etc/";
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return WithFinalSlash(executable.parent_path().string());
}

TInstallLayout CurrentInstallLayout() {
    TInstallLayout layout;
    layout.ExecutableDirectory = ExecutableDirectory();
    layout.XdgConfigHome = EnvironmentValue("XDG_CONFIG_HOME");
    layout.Home = EnvironmentValue("HOME");
    return layout;
}

std::vector<std::string> NameFormatFolders(const TInstallLayout& layout) {
    std::vector<std::string> folders{WithFinalSlash(layout.ExecutableDirectory)};
    // A relative XDG_CONFIG_HOME is invalid and to be ignored; without a home folder there is
    // no user configuration at all.
    if (!layout.XdgConfigHome.empty() && layout.XdgConfigHome.front() == '/') {
        folders.push_back(WithFinalSlash(layout.XdgConfigHome) + ConfigFolderName);
    } else if (!layout.Home.empty()) {
        folders.push_back(WithFinalSlash(layout.Home) + ".config/" + ConfigFolderName);
    }
    folders.push_back(SystemConfigFolder(layout.ExecutableDirectory) + ConfigFolderName);
    return folders;
}

std::optional<std::string> FindNameFormatFile(const TInstallLayout& layout) {
    for (const std::string& folder : NameFormatFolders(layout)) {
        std::string path = folder + NameFormatFileName;
        if (IsRegularFile(path)) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindSampleTemplate(const TInstallLayout& layout) {
    const std::optional<std::string> prefix = InstallPrefix(layout.ExecutableDirectory);
    if (!prefix) {
        return std::nullopt;
    }
    std::string folder = *prefix + SharedDataFolder + SampleTemplateFolder;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        return std::nullopt;
    }
    return folder;
}

std::vector<std::string> HelperProgramFolders(const TInstallLayout& layout) {
    std::vector<std::string> folders{WithFinalSlash(layout.ExecutableDirectory)};
    if (const std::optional<std::string> prefix = InstallPrefix(layout.ExecutableDirectory)) {
        folders.push_back(*prefix + HelperFolder);
    }
    return folders;
}

std::optional<std::string> FindHelperProgram(const TInstallLayout& layout,
                                             const std::string& program) {
    for (const std::string& folder : HelperProgramFolders(layout)) {
        std::string path = folder + program;
        if (IsRegularFile(path) && ::access(path.c_str(), X_OK) == 0) {
            return path;
        }
    }
    return std::nullopt;
}

} // namespace quorvane
