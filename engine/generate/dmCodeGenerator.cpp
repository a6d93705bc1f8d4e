#include "generate/dmCodeGenerator.h"

#include "datalink/DatabaseFile.h"
#include "generate/OptionLimits.h"
#include "generate/ServerConnectionFiles.h"
#include "io/FileCopy.h"
#include "io/InstallPaths.h"
#include "io/OutputLock.h"
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

// Clears the run flag however the run ends.
class TRunGuard {
public:
    explicit TRunGuard(bool& running) : FRunning(running) { FRunning = true; }
    TRunGuard(const TRunGuard&) = delete;
    TRunGuard& operator=(const TRunGuard&) = delete;
    ~TRunGuard() { FRunning = false; }

private:
    bool& FRunning;
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
    NameFormats = path ? ReadNameFormats(*path) : TFormatStrings{};
}

void TDM::ProcessMessages() {
    if (OnProcessMessages) {
        OnProcessMessages();
    }
}

void TDM::ReportStatus(const std::string& text) {
    if (!OnStatus) {
        return;
    }
    OnStatus(*this, text);
    ProcessMessages();
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

void TDM::WriteStage(const TOutputPath& outputBase, const std::string& stem, const TBlocks& blocks,
                     const TTemplateFile& unitTemplate, const TTemplateFile& formTemplate,
                     const std::string& tableIdentifier) {
    const TOutputPath unitPath = outputBase.Child(stem + ".pas");
    ReportStatus(unitPath.Full());
    WriteUnitText(unitPath, unitTemplate.Text, blocks.UnitLines, tableIdentifier);
    const TOutputPath formPath = outputBase.Child(stem + ".dfm");
    ReportStatus(formPath.Full());
    WriteFormText(formPath, formTemplate.FormHead, blocks.FormLines, tableIdentifier);
}

void TDM::Generate(const TProjectParam& options) {
    if (FRunning) {
        throw EOptionsError("A generation run is already under way.");
    }
    TRunGuard guard(FRunning);
    FWarnings.clear();
    const TDirectoryParam& directories = options.Directories;

    ReportStatus("Copy Template Files...");
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
    ListTableNames(TableNames);
    // Told even when the run fails later on.
    FWarnings = ADOConnection.Snapshot().Warnings;

    std::string destination = directories.OutputDir;
    if (destination.back() != '/') {
        destination += '/';
    }
    const std::string source = CopySourceOf(directories.TemplateDir);
    std::error_code error;
    if (!fs::is_directory(source, error)) {
        throw EOptionsError("The project template directory \"" + source + "\" does not exist.");
    }
    // Everything that can fail before writing fails here, while the output is untouched: the
    // templates are read, every name is settled and the references are checked.
    const TTemplateSet templates = TTemplateSet::Load(source);
    const TProjectPlan plan = PlanProject(options, templates);
    for (std::string& warning : CheckReferences(plan)) {
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
    if (fs::exists(fs::symlink_status(copyTarget, error)) &&
        !(OnConfirmReplace && OnConfirmReplace(copyTarget.string()))) {
        throw EExistingCopyError("The output directory already holds \"" + copyTarget.string() +
                                     "\" from an earlier run.",
                                 copyTarget.string());
    }
    const TOutputLock lock(TOutputPath{destination, copyName});
    if (!CopyTemplateDirectory(directories.TemplateDir, destination)) {
        throw EFileError("Cannot copy the project template directory \"" + source + "\" to \"" +
                         destination + "\". " + FLastCopyError);
    }
    // Below the output directory the run follows no link: every file it writes lies in the copy.
    const TOutputPath outputBase{destination, LastFolderName(directories.TemplateDir)};
    const TOutputFolderCache folders;

    const std::string& databaseFile = options.Database.UDLFile;
    const TOutputPath serverFolder = outputBase.Child("Midas_AppServer/EXE");
    const std::string databaseCopyName = DatabaseCopyName(databaseFile);
    const TOutputPath databaseCopy = serverFolder.Child(databaseCopyName);
    try {
        CopyDatabaseFile(databaseFile, databaseCopy);
    } catch (const EFileError& copyError) {
        throw EFileError("Cannot copy the database file \"" + databaseFile + "\" to \"" +
                         databaseCopy.Full() + "\". " + copyError.what());
    }
    // The copy alone is not enough: the server opens what its connection files name.
    WriteServerConnectionFiles(
        serverFolder, databaseFile, databaseCopyName,
        fs::is_regular_file(fs::path(source) / "Midas_AppServer/EXE" / ServerDbExpressSettingsName,
                            error));

    const std::size_t tables = plan.Tables.size();
    ReportProgress(0, tables);
    ReportStatus("Generate Direct DM Code...");
    WriteStage(outputBase, "Midas_AppServer/rdmMain", BuildServerDataModule(plan),
               templates.ServerUnit, templates.ServerForm, "");
    ReportProgress(tables, tables);

    ReportProgress(0, tables);
    ReportStatus("Generate Client DM Code...");
    WriteStage(outputBase, "Midas_Client/dmClient", BuildClientDataModule(plan),
               templates.ClientUnit, templates.ClientForm, "");
    ReportProgress(tables, tables);

    ReportProgress(0, tables);
    ReportStatus("Generate Client Forms...");
    for (std::size_t index = 0; index < tables; ++index) {
        const TPlannedTable& table = plan.Tables[index];
        WriteStage(outputBase, "Midas_Client/" + table.FormUnit, BuildTableForm(plan, table),
                   templates.TableUnit, templates.TableForm, table.FormIdentifier);
        ReportProgress(index + 1, tables);
    }
    WriteStage(outputBase, "Midas_Client/frmTableGrids", BuildGridsForm(plan), templates.GridsUnit,
               templates.GridsForm, plan.GridsIdentifier);

    ReportProgress(0, tables);
    ReportStatus("Generate MainForm Code...");
    const TMainFormLists mainForm = BuildMainFormLists(plan);
    const TOutputPath mainUnit = outputBase.Child("Midas_Client/frmMain.pas");
    ReportStatus(mainUnit.Full());
    WriteMainFormUnitText(mainUnit, templates.MainUnit.Text, mainForm.FormUnitList,
                          mainForm.ButtonList, mainForm.ButtonEventList,
                          mainForm.ButtonEventCodeList);
    const TOutputPath mainFormFile = outputBase.Child("Midas_Client/frmMain.dfm");
    ReportStatus(mainFormFile.Full());
    WriteMainFormDfmText(mainFormFile, templates.MainForm.FormHead, mainForm.ButtonObjectList);
    ReportProgress(tables, tables);

    ReportProgress(0, tables);
    ReportStatus("Generate DPR...");
    const TOutputPath projectFile = outputBase.Child("Midas_Client/Midas_Client.dpr");
    ReportStatus(projectFile.Full());
    ReportStatus(projectFile.Full());
    WriteProjectFileText(projectFile, templates.ClientProject.Text, mainForm.FormUnitFileList,
                         mainForm.FormCreateCodeList);
    ReportProgress(tables, tables);

    ReportStatus("Finished.");
}

} // namespace quorvane
