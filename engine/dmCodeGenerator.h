#pragma once

#include "DatabaseConnection.h"
#include "DisplayTextMap.h"
#include "NameFormats.h"
#include "Options.h"
#include "TemplateText.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace quorvane {

class TDM;

/// The status event: the sender (the data module) and one status text.
using TStatusEvent = std::function<void(TDM& sender, const std::string& text)>;

/// The code generator's data module: the database connection, the table list, the display-text
/// map and the name formats, and every operation of a generation run.
class TDM {
public:
    TDM();
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    TADOConnection ADOConnection;
    TTableReader ADOTable{ADOConnection};
    TStringList TableNames;
    TDisplayTextMap DisplayTextMap;
    TFormatStrings NameFormats;

    /// Receives every status text of a run; may be unset.
    TStatusEvent OnStatus;
    /// Called after every status text (and between tables) so that a window can repaint; the
    /// window sets it, the batch tool leaves it unset.
    std::function<void()> OnProcessMessages;
    /// Asked before the template copy replaces a folder left by an earlier run; the argument is
    /// that folder. Unset, or answering false, ends the run before anything is written.
    std::function<bool(const std::string& existingCopy)> OnConfirmReplace;

    // --- Generation run ---

    /// Turns the database and the template directory into the server and client projects in the
    /// output directory. Raises on the first error; files written until then stay.
    void Generate(const TProjectParam& options);
    /// Passes one status text to OnStatus, then lets pending window messages through.
    void ReportStatus(const std::string& text);
    /// Copies the directory `sourceDir` (trimmed, one final "/" dropped) into `destDir`, so that
    /// a folder of the same last name holds all its files. True when the copy succeeded.
    bool CopyTemplateDirectory(const std::string& sourceDir, const std::string& destDir);
    /// Why the last CopyTemplateDirectory failed.
    const std::string& LastCopyError() const { return FLastCopyError; }
    /// The last folder name of a directory path ("a/b/MyProject/" gives MyProject).
    static std::string LastFolderName(const std::string& path);

    // --- Name formats ---

    /// Loads NameFormats from NameFormat.ini beside the executable.
    void LoadNameFormats();

    // --- Database ---

    /// Connects through a data-link file, an Access file or a SQLite file and loads the map.
    void ConnectDatabase(const std::string& udlFile, const std::string& mapFile,
                         bool nameCodeOrder);
    /// Reads the map file into DisplayTextMap; false when the file does not exist.
    bool LoadDisplayTextMap(const std::string& mapFile, bool nameCodeOrder);
    /// The display text of a field, or "" when the map has none.
    std::string DisplayTextOf(const std::string& fieldName) const;
    /// Replaces `list` with the names of the database's tables and views.
    void ListTableNames(TStringList& list);
    /// Opens the table reader on "[" + table name + "]".
    void OpenTableReader(const std::string& tableText);

    // --- Template writers ---

    void WriteUnitTemplate(const std::string& outputPath, const std::string& templatePath,
                           const TStringList& lines, const std::string& tableIdentifier);
    void WriteFormTemplate(const std::string& outputPath, const std::string& templatePath,
                           const TStringList& lines, const std::string& tableIdentifier);
    void WriteMainFormUnit(const std::string& outputPath, const std::string& templatePath,
                           const std::string& formUnitList, const std::string& buttonList,
                           const std::string& buttonEventList,
                           const std::string& buttonEventCodeList);
    void WriteMainFormDfm(const std::string& outputPath, const std::string& templatePath,
                          const std::string& buttonObjectList);
    void WriteProjectFile(const std::string& outputPath, const std::string& templatePath,
                          const std::string& formUnitFileList,
                          const std::string& formCreateCodeList);

    // --- Builders ---

    /// Appends the persistent field declarations and field objects of the open table.
    void BuildPersistentFields(const std::string& prefix, TDisplayFormat displayFormats,
                               const TTableReader& dataSet, TStringList& unitLines,
                               TStringList& formLines);

    void BuildServerDataModule(const TDirectDMParam& options, TStringList& unitLines,
                               TStringList& formLines);
    void BuildClientDataModule(const TClientDMParam& options, TStringList& unitLines,
                               TStringList& formLines);
    void BuildTableForm(const TClientUIParam& options, TStringList& unitLines,
                        TStringList& formLines);

    /// The seven text pieces of the client main form and project file.
    struct TMainFormLists {
        std::string FormUnitList;
        std::string ButtonList;
        std::string ButtonEventList;
        std::string ButtonEventCodeList;
        std::string ButtonObjectList;
        std::string FormUnitFileList;
        std::string FormCreateCodeList;
    };
    TMainFormLists BuildMainFormLists(const TStringList& tableNames, bool trimPrefix);

private:
    std::string FLastCopyError;
    bool FRunning = false;
    /// During a run, the text form of each template the writers read, by path and by whether
    /// the form tail was cut, so that the per-table template is read once and not for every
    /// table. A file the run writes leaves it; a run starts it empty. Outside a run every
    /// writer reads its template.
    std::map<std::pair<std::string, bool>, std::string> FTemplateTexts;
    std::uint64_t FTableNamesGeneration = 0;
    struct TIdentifierIndex {
        std::uint64_t Generation = 0;
        bool TrimPrefix = false;
        std::unordered_map<std::string, std::vector<std::size_t>> Tables;
    } FIdentifierIndex;

    /// The display text of a field for labels and column titles: from the map, else its name
    /// in words.
    std::string DisplayTextOrCaption(const std::string& fieldName) const;

    /// Fills TableNames from the connection's catalogue, as every stage does.
    void RefillTableNames();
    /// The positions in TableNames of the tables of each identifier, for the per-table forms.
    const std::unordered_map<std::string, std::vector<std::size_t>>&
    TablesByIdentifier(bool trimPrefix);

    /// The text form of the template at `path` (the lines up to its last "end" line for a
    /// form), from FTemplateTexts during a run.
    std::string TemplateText(const std::string& path, bool cutFormTail);
    /// Forgets what was read of `path`: the run is about to write it.
    void ForgetTemplateText(const std::string& path);

    void DataModuleCreate();
    void DataModuleDestroy() noexcept;
    void ProcessMessages();
};

/// The identifier of a table for a run, as MakeTableIdentifier gives it; raises EOptionsError
/// naming the table when nothing usable is left of its name.
std::string TableIdentifierOf(const std::string& tableName, bool trimPrefix);

/// The names the field components of the open table are made from (see MakeFieldIdentifiers).
std::vector<std::string> FieldIdentifiersOf(const TTableReader& dataSet);

/// The folder of the running executable, with a final "/".
std::string ExecutableDirectory();

} // namespace quorvane
