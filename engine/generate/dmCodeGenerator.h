#pragma once

#include "datalink/DatabaseConnection.h"
#include "generate/DisplayTextMap.h"
#include "generate/NameFormats.h"
#include "generate/Options.h"
#include "generate/ProjectPlan.h"
#include "generate/TemplateSet.h"
#include "io/OutputPath.h"
#include "text/TemplateText.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace quorvane {

class TDM;

/// The status event: the sender (the data module) and one status text.
using TStatusEvent = std::function<void(TDM& sender, const std::string& text)>;
/// The progress event: `done` of the current stage's `total` tables.
using TProgressEvent = std::function<void(std::size_t done, std::size_t total)>;

/// What a builder makes for one unit and its form file: the lines that go where the unit holds
/// "{#DataComponentList}", and the objects that go before the form file's last "end".
struct TBlocks {
    TStringList UnitLines;
    TStringList FormLines;
};

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

/// The code generator's data module: the database connection, the table list, the display-text
/// map and the name formats, and every operation of a generation run.
///
/// A run reads, plans, builds and writes: the database is read once into a snapshot; the plan
/// settles every name the run will write, unique, and the references between the generated files
/// are checked, before anything is copied; the builders then turn the plan into lines, and the
/// writers put them into the copied templates one file at a time, each file atomically.
class TDM {
public:
    TDM();
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    TADOConnection ADOConnection;
    /// The database's tables and views, in catalogue order, as the last run or ListTableNames
    /// found them.
    TStringList TableNames;
    TDisplayTextMap DisplayTextMap;
    TFormatStrings NameFormats;

    /// Receives every status text of a run; may be unset.
    TStatusEvent OnStatus;
    /// Tells how far the current stage is, for a progress bar; may be unset. Each stage from
    /// "Generate Direct DM Code..." to "Generate DPR..." reports 0 of the run's tables just before
    /// its status text (so that a window repaints both together) and all of them once its files
    /// are written; the client forms stage also reports each table as its form is written.
    TProgressEvent OnProgress;
    /// Called after every status text (and between tables) so that a window can repaint; the
    /// window sets it, the batch tool leaves it unset.
    std::function<void()> OnProcessMessages;
    /// Asked before the template copy replaces a folder left by an earlier run; the argument is
    /// that folder. Unset, or answering false, ends the run before anything is written.
    std::function<bool(const std::string& existingCopy)> OnConfirmReplace;

    // --- Generation run ---

    /// Turns the database and the template directory into the server and client projects in the
    /// output directory. Raises on the first error; what can be known before writing (a missing
    /// template file, a name format that cannot be applied, a table without identifier) is
    /// raised before anything is copied. Files written until an error stay.
    void Generate(const TProjectParam& options);
    /// What the last run went on past, one text each, each starting with the file it concerns:
    /// first what the database source left out (ISchemaSource::Warnings), then the references
    /// of the generated files that the user's options or template break (see CheckReferences).
    const std::vector<std::string>& Warnings() const { return FWarnings; }
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

    /// Loads NameFormats from the first NameFormat.ini of the search (see FindNameFormatFile).
    /// A file found that cannot be read leaves the defaults and is told by the next run, which
    /// it ends before anything is written.
    void LoadNameFormats();

    // --- Database ---

    /// Connects through a data-link file, an Access file or a SQLite file and loads the map.
    void ConnectDatabase(const std::string& udlFile, const std::string& mapFile,
                         bool nameCodeOrder);
    /// Reads the map file into DisplayTextMap; false when the file does not exist.
    bool LoadDisplayTextMap(const std::string& mapFile, bool nameCodeOrder);
    /// The display text of a field, or "" when the map has none.
    std::string DisplayTextOf(const std::string& fieldName) const;
    /// A field's label: its display text from the map, else (with CommentLabels) the column's
    /// comment, else the field name.
    std::string DisplayLabelOf(const TFieldDescriptor& field, const TSchemaParam& options) const;
    /// Replaces `list` with the names of the database's tables and views, from its snapshot.
    void ListTableNames(TStringList& list);

    // --- Plan ---

    /// Settles every name a run with `options` writes over the connected database.
    TProjectPlan PlanProject(const TProjectParam& options, const TTemplateSet& templates);

    // --- Builders ---

    /// Appends the persistent field declarations and field objects of one table's dataset (the
    /// server's, `role` ServerField, or the client's, ClientField).
    void BuildPersistentFields(const TProjectPlan& plan, const TPlannedTable& table,
                               TFieldRole role, const TDisplayFormat& displayFormats,
                               TStringList& unitLines, TStringList& formLines) const;
    /// The server's remote data module: a dataset and a provider (or data source) per table.
    TBlocks BuildServerDataModule(const TProjectPlan& plan);
    /// The client's data module: a client dataset and a data source per table.
    TBlocks BuildClientDataModule(const TProjectPlan& plan);
    /// One table's form: a navigator, a grid and a row of controls per field.
    TBlocks BuildTableForm(const TProjectPlan& plan, const TPlannedTable& table);
    /// The grids form: a page control with a tab of navigator and grid per table.
    TBlocks BuildGridsForm(const TProjectPlan& plan);
    /// The seven text pieces of the client main form and project file.
    TMainFormLists BuildMainFormLists(const TProjectPlan& plan) const;

    // --- Template writers ---
    // Each reports its output path, reads the template at `templatePath` and writes the result.

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

private:
    std::string FLastCopyError;
    std::string FNameFormatsError; // why the NameFormat.ini found could not be read
    std::vector<std::string> FWarnings;
    bool FRunning = false;

    /// Writes a stage's unit and form file from the templates the run read.
    void WriteStage(const TOutputPath& outputBase, const std::string& stem, const TBlocks& blocks,
                    const TTemplateFile& unitTemplate, const TTemplateFile& formTemplate,
                    const std::string& tableIdentifier);

    void ReportProgress(std::size_t done, std::size_t total);
    void DataModuleCreate();
    void DataModuleDestroy() noexcept;
    void ProcessMessages();
};

/// The template writers' work, on a template's text: the unit with the generated lines in place
/// of "{#DataComponentList}", the form with its objects before the last "end", the main form
/// unit, its form file and the project file with their placeholders filled. Each writes
/// `outputPath` atomically.
void WriteUnitText(const TOutputPath& outputPath, const std::string& templateText,
                   const TStringList& lines, const std::string& tableIdentifier);
void WriteFormText(const TOutputPath& outputPath, const std::string& formHead,
                   const TStringList& lines, const std::string& tableIdentifier);
void WriteMainFormUnitText(const TOutputPath& outputPath, const std::string& templateText,
                           const std::string& formUnitList, const std::string& buttonList,
                           const std::string& buttonEventList,
                           const std::string& buttonEventCodeList);
void WriteMainFormDfmText(const TOutputPath& outputPath, const std::string& formHead,
                          const std::string& buttonObjectList);
void WriteProjectFileText(const TOutputPath& outputPath, const std::string& templateText,
                          const std::string& formUnitFileList,
                          const std::string& formCreateCodeList);

} // namespace quorvane
