#include "generate/dmCodeGenerator.h"

#include "datalink/DatabaseFile.h"
#include "generate/OptionLimits.h"
#include "generate/ProjectGuids.h"
#include "generate/ServerConnectionFiles.h"
#include "generate/TemplateWriters.h"
#include "io/FileCopy.h"
#include "io/InstallPaths.h"
#include "io/OutputPath.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t MaxShortString = 255;

// Clears the run flag, and a request to stop that came too late to be seen, however the run
// ends. A request made before the run reached its first check stops it there.
class TRunGuard {
public:
    TRunGuard(std::atomic<bool>& running, std::atomic<bool>& cancelRequested)
        : FRunning(running), FCancelRequested(cancelRequested) {}
    TRunGuard(const TRunGuard&) = delete;
    TRunGuard& operator=(const TRunGuard&) = delete;
    ~TRunGuard() {
        FCancelRequested = false;
        FRunning = false;
    }

private:
    std::atomic<bool>& FRunning;
    std::atomic<bool>& FCancelRequested;
};

// The template directory as the copy reads it: trimmed, one final delimiter dropped.
std::string CopySourceOf(const std::string& sourceDir) {
    std::string source = Trim(sourceDir);
    if (!source.empty() && source.back() == '/') {
        source.pop_back();
    }
    return source;
}

// The name the copy of `source` gets inside the output directory.
std::string CopyNameOf(const std::string& source) {
    fs::path name = fs::path(source).lexically_normal().filename();
    if (name.empty()) {
        name = fs::path(source).lexically_normal().parent_path().filename();
    }
    return name.string();
}

// The output directory as the copy goes into it: with a final "/".
std::string DestinationOf(const TDirectoryParam& directories) {
    std::string destination = directories.OutputDir;
    if (destination.empty() || destination.back() != '/') {
        destination += '/';
    }
    return destination;
}

// Why the template could not be copied, named by the template and the output directory.
EFileError TemplateCopyError(const std::string& templateDir, const std::string& destination,
                             const std::string& reason) {
    std::string message = "Cannot copy the project template directory \"";
    message.append(templateDir).append("\" to \"").append(destination).append("\". ");
    message.append(reason);
    return EFileError(message);
}

} // namespace

TDM::TDM() {
    DataModuleCreate();
}

TDM::~TDM() {
    DataModuleDestroy();
}

void TDM::DataModuleCreate() {
    TableNames.clear();
    DisplayTextMap.Clear();
    LoadNameFormats();
}

void TDM::DataModuleDestroy() noexcept {
    ADOConnection.Close();
    TableNames.clear();
    DisplayTextMap.Clear();
}

void TDM::LoadNameFormats() {
    // The first file found is used whole: keys it lacks take their defaults, not the values of
    // a file further down the search.
    const std::optional<std::string> path = FindNameFormatFile(CurrentInstallLayout());
    FNameFormatsError.clear();
    try {
        NameFormats = path ? ReadNameFormats(*path) : TFormatStrings{};
    } catch (const EFileError& error) {
        // The program still starts; its runs are refused until the file is mended.
        NameFormats = TFormatStrings{};
        FNameFormatsError = error.what();
    }
}

void TDM::StopIfCancelled() const {
    if (FCancelRequested) {
        throw ECancelledError("The run was cancelled.");
    }
}

void TDM::ReportStatus(const std::string& text) {
    if (!OnStatus) {
        return;
    }
    OnStatus(*this, text);
}

void TDM::ReportProgress(std::size_t done, std::size_t total) {
    if (OnProgress) {
        OnProgress(done, total);
    }
}

std::string TDM::LastFolderName(const std::string& path) {
    std::string s = path;
    std::error_code error;
    if (fs::is_regular_file(path, error)) {
        const std::size_t slash = path.rfind('/');
        s = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    }
    if (!s.empty() && s.back() == '/') {
        s.pop_back();
    }
    const std::size_t slash = s.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    return s.substr(slash + 1, MaxShortString);
}

bool TDM::CopyTemplateDirectory(const std::string& sourceDir, const std::string& destDir) {
    FLastCopyError.clear();
    const std::string source = CopySourceOf(sourceDir);
    try {
        CopyDirectoryTree(source, TOutputPath{destDir, CopyNameOf(source)});
        return true;
    } catch (const EFileError& error) {
        FLastCopyError = error.what();
        return false;
    }
}

TProjectPlan TDM::PlanProject(const TProjectParam& options, const TTemplateSet& templates) {
    return TProjectPlan::Make(ADOConnection.Snapshot(), options, NameFormats, templates);
}

void TDM::WriteStage(TOutputTree& tree, TTemplateRole unitRole, TTemplateRole formRole,
                     const std::string& formUnit, const TBlocks& blocks,
                     const TTemplateSet& templates, const std::string& tableIdentifier) {
    const TTemplateLayout& layout = ProjectLayout();
    const std::string unitPath = layout.OutputPath(unitRole, formUnit);
    StopIfCancelled();
    ReportStatus(tree.Full(unitPath));
    WriteUnitTemplate(tree, unitPath, templates.File(unitRole), blocks.UnitLines, tableIdentifier);
    const std::string formPath = layout.OutputPath(formRole, formUnit);
    StopIfCancelled();
    ReportStatus(tree.Full(formPath));
    WriteFormTemplate(tree, formPath, templates.File(formRole), blocks.FormLines, tableIdentifier);
}

std::string TDM::EarlierCopyOf(const TProjectParam& options) const {
    const TDirectoryParam& directories = options.Directories;
    const std::string source = CopySourceOf(directories.TemplateDir);
    if (source.empty() || directories.OutputDir.empty()) {
        return {};
    }
    const fs::path copy = fs::path(DestinationOf(directories)) / CopyNameOf(source);
    std::error_code error;
    return fs::exists(fs::symlink_status(copy, error)) ? copy.string() : std::string();
}

void TDM::Generate(const TProjectParam& options) {
    Run(options, false, false);
}

std::vector<TPreviewEntry> TDM::Preview(const TProjectParam& options, bool withDiffs) {
    return Run(options, true, withDiffs);
}

std::vector<TPreviewEntry> TDM::Run(const TProjectParam& options, bool preview, bool withDiffs) {
    // A second run inside the first (from a status handler) or beside it (from another thread)
    // would share the connection, the table list and the output files.
    if (FRunning.exchange(true)) {
        throw EOptionsError("A generation run is already under way.");
    }
    TRunGuard guard(FRunning, FCancelRequested);
    FWarnings.clear();
    const TDirectoryParam& directories = options.Directories;

    ReportStatus("Copy Template Files...");
    if (!FNameFormatsError.empty()) {
        throw EFileError(FNameFormatsError);
    }
    // An empty template path would copy the current folder, an empty output path would copy
    // into the root of the file system.
    if (Trim(directories.TemplateDir).empty()) {
        throw EOptionsError("No project template directory was given.");
    }
    if (directories.OutputDir.empty()) {
        throw EOptionsError("No output directory was given.");
    }
    const std::int32_t space = options.ClientUIOptions.Space;
    if (space > MaxSpace || space < -MaxSpace) {
        throw EOptionsError("The space between label and control of " + std::to_string(space) +
                            " would put the labels beyond what a form file holds; give one "
                            "between -" +
                            std::to_string(MaxSpace) + " and " + std::to_string(MaxSpace) + ".");
    }
    // Names and the provider option set are written into the units and forms as they are; a
    // line break or a blank in one would change what those files declare.
    CheckOptionNames(options);
    ConnectDatabase(options.Database.UDLFile, options.Database.MapFile,
                    options.Database.NameCodeOrder);
    ADOConnection.Selection =
        TTableSelection(options.ClientUIOptions.OnlyTable, options.ClientUIOptions.ExcludeTables);
    ListTableNames(TableNames);
    // Told even when the run fails later on.
    FWarnings = ADOConnection.Snapshot().Warnings;

    const std::string destination = DestinationOf(directories);
    const std::string source = CopySourceOf(directories.TemplateDir);
    std::error_code error;
    if (!fs::is_directory(source, error)) {
        throw EOptionsError("The project template directory \"" + source + "\" does not exist.");
    }
    // Everything that can fail before writing fails here, while the output is untouched: the
    // templates are read, every name is settled and the references are checked.
    TTemplateSet templates = TTemplateSet::Load(source);
    TGuidRewrite guids;
    if (options.ServerOptions.ProjectGuids == TProjectGuids::New) {
        guids = RenewTemplateGuids(source);
        ApplyGuidRenewal(guids.Guids, templates);
    }
    const TProjectPlan plan = PlanProject(options, templates);
    for (std::string& warning : CheckReferences(plan)) {
        FWarnings.push_back(std::move(warning));
    }
    for (std::string& warning : guids.Warnings) {
        FWarnings.push_back(std::move(warning));
    }

    const std::string copyName = CopyNameOf(source);
    const fs::path copyTarget = fs::path(destination) / copyName;
    // Told by the files, not their paths: another path to the template (a link, a bind mount)
    // is the template all the same.
    if (IsSameFolderOrInside(copyTarget, source) || IsSameFolderOrInside(source, copyTarget)) {
        throw EOptionsError("The output directory \"" + directories.OutputDir +
                            "\" would put the copy onto or inside the project template "
                            "directory \"" +
                            source + "\"; choose an output directory outside it.");
    }
    // The copy replaces the earlier one file by file: a database or map file inside it would be
    // overwritten by the template's file of its name, and the run would copy that instead.
    for (const auto& [input, what] : {std::pair{&options.Database.UDLFile, "database"},
                                      std::pair{&options.Database.MapFile, "map file"}}) {
        if (!input->empty() && IsSameFolderOrInside(*input, copyTarget)) {
            std::string message = "The ";
            message.append(what).append(" \"").append(*input).append("\" lies inside \"");
            message.append(copyTarget.string());
            message.append("\", the copy this run replaces; move it elsewhere or choose another "
                           "output directory.");
            throw EOptionsError(message);
        }
    }
    // A template the copy would refuse is refused before the output is touched.
    try {
        CheckDirectoryTree(source);
    } catch (const EFileError& refused) {
        throw TemplateCopyError(source, destination, refused.what());
    }
    // Below the output directory the run follows no link: every file it writes lies in the copy.
    const TOutputPath copy{destination, copyName};
    StopIfCancelled();
    if (preview) {
        TPreviewOutputTree tree(copy, withDiffs);
        WriteProject(tree, options, plan, templates, guids, source);
        return tree.Entries();
    }
    if (fs::exists(fs::symlink_status(copyTarget, error)) &&
        !(OnConfirmReplace && OnConfirmReplace(copyTarget.string()))) {
        throw EExistingCopyError("The output directory already holds \"" + copyTarget.string() +
                                     "\" from an earlier run.",
                                 copyTarget.string());
    }
    TDiskOutputTree tree(copy);
    WriteProject(tree, options, plan, templates, guids, source);
    return {};
}

void TDM::WriteProject(TOutputTree& tree, const TProjectParam& options, const TProjectPlan& plan,
                       const TTemplateSet& templates, const TGuidRewrite& guids,
                       const std::string& templateDir) {
    const TTemplateLayout& layout = ProjectLayout();
    StopIfCancelled();
    try {
        tree.CopyTemplate(templateDir);
    } catch (const EFileError& copyError) {
        FLastCopyError = copyError.what();
        throw TemplateCopyError(templateDir, DestinationOf(options.Directories), FLastCopyError);
    }
    // With new GUIDs, the copied files that spell the template's ones spell the fresh ones.
    for (const auto& [relative, bytes] : guids.Files) {
        tree.WriteBytes(relative, bytes);
    }

    const std::string& databaseFile = options.Database.UDLFile;
    const std::string serverFolder(layout.ServerExeFolder);
    const std::string databaseCopyName = DatabaseCopyName(databaseFile);
    const std::string databaseCopy = serverFolder + "/" + databaseCopyName;
    try {
        tree.CopyFile(databaseFile, databaseCopy,
                      [](const fs::path& source, const TOutputPath& target) {
                          CopyDatabaseFile(source.string(), target);
                      });
    } catch (const EFileError& copyError) {
        throw EFileError("Cannot copy the database file \"" + databaseFile + "\" to \"" +
                         tree.Full(databaseCopy) + "\". " + copyError.what());
    }
    // The copy alone is not enough: the server opens what its connection files name.
    std::error_code error;
    WriteServerConnectionFiles(
        tree, serverFolder, databaseFile, databaseCopyName,
        fs::is_regular_file(fs::path(templateDir) / serverFolder / ServerDbExpressSettingsName,
                            error));

    const TDisplayTextMap& map = DisplayTextMap;
    const std::size_t tables = plan.Tables.size();
    ReportProgress(0, tables);
    ReportStatus("Generate Direct DM Code...");
    WriteStage(tree, TTemplateRole::ServerUnit, TTemplateRole::ServerForm, {},
               BuildServerDataModule(plan, map), templates, "");
    ReportProgress(tables, tables);

    ReportProgress(0, tables);
    ReportStatus("Generate Client DM Code...");
    WriteStage(tree, TTemplateRole::ClientUnit, TTemplateRole::ClientForm, {},
               BuildClientDataModule(plan, map), templates, "");
    ReportProgress(tables, tables);

    ReportProgress(0, tables);
    ReportStatus("Generate Client Forms...");
    for (std::size_t index = 0; index < tables; ++index) {
        const TPlannedTable& table = plan.Tables[index];
        WriteStage(tree, TTemplateRole::TableUnit, TTemplateRole::TableForm, table.FormUnit,
                   BuildTableForm(plan, map, table), templates, table.FormIdentifier);
        ReportProgress(index + 1, tables);
    }
    WriteStage(tree, TTemplateRole::GridsUnit, TTemplateRole::GridsForm, {},
               BuildGridsForm(plan, map), templates, plan.GridsIdentifier);

    ReportProgress(0, tables);
    ReportStatus("Generate MainForm Code...");
    const TMainFormLists mainForm = BuildMainFormLists(plan);
    const std::string mainUnit = layout.OutputPath(TTemplateRole::MainUnit);
    StopIfCancelled();
    ReportStatus(tree.Full(mainUnit));
    WriteMainFormUnit(tree, mainUnit, templates.MainUnit, mainForm.FormUnitList,
                      mainForm.ButtonList, mainForm.ButtonEventList, mainForm.ButtonEventCodeList);
    const std::string mainFormFile = layout.OutputPath(TTemplateRole::MainForm);
    StopIfCancelled();
    ReportStatus(tree.Full(mainFormFile));
    WriteMainFormDfm(tree, mainFormFile, templates.MainForm, mainForm.ButtonObjectList);
    ReportProgress(tables, tables);

    ReportProgress(0, tables);
    ReportStatus("Generate DPR...");
    const std::string projectFile = layout.OutputPath(TTemplateRole::ClientProject);
    StopIfCancelled();
    ReportStatus(tree.Full(projectFile));
    ReportStatus(tree.Full(projectFile));
    WriteProjectFile(tree, projectFile, templates.ClientProject, mainForm.FormUnitFileList,
                     mainForm.FormCreateCodeList);
    ReportProgress(tables, tables);

    ReportStatus("Finished.");
}

} // namespace quorvane
