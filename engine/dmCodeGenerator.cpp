#include "dmCodeGenerator.h"

#include "EngineErrors.h"
#include "FileCopy.h"
#include "StringUtils.h"

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

std::string ExecutableDirectory() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return executable.parent_path().string() + "/";
}

std::string TableIdentifierOf(const std::string& tableName, bool trimPrefix) {
    std::string identifier = MakeTableIdentifier(tableName, trimPrefix);
    if (identifier.empty()) {
        throw EOptionsError("The table \"" + tableName +
                            "\" gives no identifier: its name holds no letters, digits or \"_\"" +
                            (trimPrefix ? " after its prefix." : "."));
    }
    return identifier;
}

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
    ADOTable.Close();
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

void TDM::Generate(const TProjectParam& options) {
    if (FRunning) {
        throw EOptionsError("A generation run is already under way.");
    }
    TRunGuard guard(FRunning);
    // A template edited between two runs is read anew by the next one.
    FTemplateTexts.clear();
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

    std::string destination = directories.OutputDir;
    if (destination.back() != '/') {
        destination += '/';
    }
    const std::string source = CopySourceOf(directories.TemplateDir);
    std::error_code error;
    if (!fs::is_directory(source, error)) {
        throw EOptionsError("The project template directory \"" + source + "\" does not exist.");
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

    TStringList unitLines;
    TStringList formLines;
    // A stage's unit and form file: `stem` is written from the copied template `templateStem`.
    const auto writeUnitAndForm = [&](const std::string& stem, const std::string& templateStem,
                                      const std::string& tableIdentifier) {
        WriteUnitTemplate(outputBase + stem + ".pas", outputBase + templateStem + ".pas", unitLines,
                          tableIdentifier);
        WriteFormTemplate(outputBase + stem + ".dfm", outputBase + templateStem + ".dfm", formLines,
                          tableIdentifier);
    };

    ReportStatus("Generate Direct DM Code...");
    BuildServerDataModule(options.ServerOptions, unitLines, formLines);
    writeUnitAndForm("Midas_AppServer/rdmMain", "Midas_AppServer/rdmMain", "");

    ReportStatus("Generate Client DM Code...");
    BuildClientDataModule(options.ClientDMOptions, unitLines, formLines);
    writeUnitAndForm("Midas_Client/dmClient", "Midas_Client/dmClient", "");

    ReportStatus("Generate Client Forms...");
    RefillTableNames();
    TClientUIParam formOptions = options.ClientUIOptions;
    std::string tableIdentifier;
    const std::size_t tableCount = TableNames.size();
    for (std::size_t index = 0; index < tableCount; ++index) {
        // Read afresh: the form builder refills TableNames on every call.
        tableIdentifier = TableIdentifierOf(TableNames.at(index), formOptions.TrimTableName);
        formOptions.OnlyTable = tableIdentifier;
        BuildTableForm(formOptions, unitLines, formLines);
        writeUnitAndForm("Midas_Client/frm" + tableIdentifier, "Midas_Client/frmTableName",
                         tableIdentifier);
    }
    formOptions.OnlyTable.clear();
    BuildTableForm(formOptions, unitLines, formLines);
    writeUnitAndForm("Midas_Client/frmTableGrids", "Midas_Client/frmTableGrids", tableIdentifier);

    ReportStatus("Generate MainForm Code...");
    const TMainFormLists mainForm =
        BuildMainFormLists(TableNames, options.ClientUIOptions.TrimTableName);
    WriteMainFormUnit(outputBase + "Midas_Client/frmMain.pas",
                      outputBase + "Midas_Client/frmMain.pas", mainForm.FormUnitList,
                      mainForm.ButtonList, mainForm.ButtonEventList, mainForm.ButtonEventCodeList);
    WriteMainFormDfm(outputBase + "Midas_Client/frmMain.dfm",
                     outputBase + "Midas_Client/frmMain.dfm", mainForm.ButtonObjectList);

    ReportStatus("Generate DPR...");
    const std::string projectFile = outputBase + "Midas_Client/Midas_Client.dpr";
    ReportStatus(projectFile);
    WriteProjectFile(projectFile, projectFile, mainForm.FormUnitFileList,
                     mainForm.FormCreateCodeList);

    ReportStatus("Finished.");
}

} // namespace quorvane
