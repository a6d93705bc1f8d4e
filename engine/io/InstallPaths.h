#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

/// The value of the environment variable `name`; "" when it is unset.
std::string EnvironmentValue(const char* name);

/// The folder of the running executable, with a final "/".
std::string ExecutableDirectory();

/// Where a program of ours looks for its configuration, and where an installed program finds
/// its helpers; everything is taken relative to the program's own folder, so an unpacked
/// package or a copied tree works as well as an installed one.
struct TInstallLayout {
    std::string ExecutableDirectory; // with a final "/"
    std::string XdgConfigHome;       // $XDG_CONFIG_HOME, "" when unset
    std::string Home;                // $HOME, "" when unset
};

/// The layout of the running program, from /proc/self/exe and the environment.
TInstallLayout CurrentInstallLayout();

/// The folders searched for NameFormat.ini, first to last, each with a final "/": beside the
/// executable; $XDG_CONFIG_HOME/quorvane/ (~/.config/quorvane/ when it is unset or not an
/// absolute path, as the XDG rules say); the system configuration folder quorvane/ of the
/// installation the program belongs to: /etc/quorvane/ for a program in /usr/bin, or in no
/// installation (a build tree), PREFIX/etc/quorvane/ for one in PREFIX/bin beside
/// PREFIX/share/quorvane/.
std::vector<std::string> NameFormatFolders(const TInstallLayout& layout);

/// The first NameFormat.ini found in NameFormatFolders, or none; a file found is used whole.
std::optional<std::string> FindNameFormatFile(const TInstallLayout& layout);

/// The sample template set of the installation the program belongs to:
/// PREFIX/share/quorvane/templates/MidasProject for a program in PREFIX/bin, when that folder
/// exists; none for a program in no installation (a build tree, a copy of the programs).
std::optional<std::string> FindSampleTemplate(const TInstallLayout& layout);

/// The folders searched for the helper programs (the Access reader): beside the executable,
/// as in a build tree, then the installation's lib/quorvane/ (PREFIX/lib/quorvane/ for a
/// program in PREFIX/bin).
std::vector<std::string> HelperProgramFolders(const TInstallLayout& layout);

/// The first executable file named `program` in HelperProgramFolders, or none.
std::optional<std::string> FindHelperProgram(const TInstallLayout& layout,
                                             const std::string& program);

} // namespace quorvane
