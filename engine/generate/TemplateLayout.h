#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvane {

/// What a file of a project template is to a run.
enum class TTemplateRole {
    ServerUnit, ///< the server's remote data module
    ServerForm,
    ClientUnit, ///< the client's data module
    ClientForm,
    TableUnit, ///< the form of one table, written once per table
    TableForm,
    GridsUnit, ///< the form with a grid of every table
    GridsForm,
    MainUnit, ///< the client's main form
    MainForm,
    ClientProject ///< the client's project file
};

/// One file of the layout: its role, its path relative to the template directory (and to the
/// copy of it in the output), and whether the run writes it once per table under the table's
/// form unit name instead of in place.
struct TLayoutFile {
    TTemplateRole Role;
    std::string_view Path;
    bool PerTable;
};

/// The layout of a project template: the one place that names its folders and files. The
/// template reader, the plan, its checks and the run all take their paths from here.
struct TTemplateLayout {
    std::string_view ServerFolder;    ///< the application server's project
    std::string_view ServerExeFolder; ///< where the server runs: the database copy goes here
    std::string_view ClientFolder;    ///< the client's project
    std::array<TLayoutFile, 11> Files;

    /// The entry of `role`.
    const TLayoutFile& File(TTemplateRole role) const;
    /// Where the run writes the file of `role`: its own path, or for a per-table file the
    /// table's form unit name in the same folder with the same extension.
    std::string OutputPath(TTemplateRole role, std::string_view formUnit = {}) const;
    /// The path of `name` in the client's folder.
    std::string ClientPath(std::string_view name) const;
};

/// The layout every project template has.
const TTemplateLayout& ProjectLayout();

} // namespace quorvane
