#include "generate/dmCodeGenerator.h"

#include "io/FileCopy.h"
#include "io/InstallPaths.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <algorithm>
#include <filesystem>

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

// The folder the copy of `source` lands in inside `destDir`.
fs::path CopyTargetOf(const std::string& source, const std::string& destDir) {
    fs::path name = fs::path(source).lexically_normal().filename();
    if (name.empty()) {
        name = fs::path(source).lexically_normal().parent_path().filename();
    }
    return fs::path(destDir) / name;
}

bool IsSameOrInside(const fs::path& inner, const fs::path& outer) {
    std::error_code error;
    const fs::path a = fs::weakly_canonical(inner, error);
    const fs::path b = fs::weakly_canonical(outer, error);
    auto [end, _] = std::mismatch(b.begin(), b.end(), a.begin(), a.end());
    return end == b.end();
}

// The extension of a file name: from its last ".", the dot included; "" without a dot.
std::string ExtensionOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    return path.substr(dot);
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
    NameFormats = ReadNameFormats(ExecutableDirectory() + "NameFormat.ini");
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
        CopyDirectoryTree(source, CopyTargetOf(source, destDir));
        return true;
    } catch (const EFileError& error) {
        FLastCopyError = error.what();
        return false;
    }
}

TProjectPlan TDM::PlanProject(const TProjectParam& options, const TTemplateSet& templates) {
    return TProjectPlan::Make(ADOConnection.Snapshot(), options, NameFormats, templates);
}

void TDM::WriteStage(const std::string& outputBase, const std::string& stem, const TBlocks& blocks,
                     const TTemplateFile& unitTemplate, const TTemplateFile& formTemplate,
                     const std::string& tableIdentifier) {
    const std::string unitPath = outputBase + stem + ".pas";
    ReportStatus(unitPath);
    WriteUnitText(unitPath, unitTemplate.Text, blocks.UnitLines, tableIdentifier);
    const std::string formPath = outputBase + stem + ".dfm";
    ReportStatus(formPath);
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

    const fs::path copyTarget = CopyTargetOf(source, destination);
    if (IsSameOrInside(copyTarget, source)) {
        throw EOptionsError("The output directory \"" + directories.OutputDir +
                            "\" would put the copy inside the project template directory \"" +
                            source + "\"; choose an output directory outside it.");
    }
    if (fs::exists(fs::symlink_status(copyTarget, error)) &&
        !(OnConfirmReplace && OnConfirmReplace(copyTarget.string()))) {
        throw EExistingCopyError("The output directory already holds \"" + copyTarget.string() +
                                     "\" from an earlier run.",
                                 copyTarget.string());
    }
    if (!CopyTemplateDirectory(directories.TemplateDir, destination)) {
        throw EFileError("Cannot copy the project template directory \"" + source + "\" to \"" +
                         destination + "\". " + FLastCopyError);
    }
    const std::string outputBase = destination + LastFolderName(directories.TemplateDir) + "/";

    const std::string& databaseFile = options.Database.UDLFile;
    const std::string databaseCopy =
        outputBase + "Midas_AppServer/EXE/Database" + ExtensionOf(databaseFile);
    try {
        CopyOneFile(databaseFile, databaseCopy);
    } catch (const EFileError& copyError) {
        throw EFileError("Cannot copy the database file \"" + databaseFile + "\" to \"" +
                         databaseCopy + "\". " + copyError.what());
    }

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
    const std::string mainUnit = outputBase + "Midas_Client/frmMain.pas";
    ReportStatus(mainUnit);
    WriteMainFormUnitText(mainUnit, templates.MainUnit.Text, mainForm.FormUnitList,
                          mainForm.ButtonList, mainForm.ButtonEventList,
                          mainForm.ButtonEventCodeList);
    const std::string mainFormFile = outputBase + "Midas_Client/frmMain.dfm";
    ReportStatus(mainFormFile);
    WriteMainFormDfmText(mainFormFile, templates.MainForm.FormHead, mainForm.ButtonObjectList);
    ReportProgress(tables, tables);

    ReportProgress(0, tables);
    ReportStatus("Generate DPR...");
    const std::string projectFile = outputBase + "Midas_Client/Midas_Client.dpr";
    ReportStatus(projectFile);
    ReportStatus(projectFile);
    WriteProjectFileText(projectFile, templates.ClientProject.Text, mainForm.FormUnitFileList,
                         mainForm.FormCreateCodeList);
    ReportProgress(tables, tables);

    ReportStatus("Finished.");
}

} // namespace quorvane
