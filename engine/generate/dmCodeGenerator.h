#pragma once

#include "datalink/DatabaseConnection.h"
#include "generate/Builders.h"
#include "generate/DisplayTextMap.h"
#include "generate/NameFormats.h"
#include "generate/Options.h"
#include "generate/ProjectGuids.h"
#include "generate/ProjectPlan.h"
#include "generate/TemplateSet.h"
#include "io/OutputPath.h"
#include "io/OutputTree.h"
#include "text/TemplateText.h"

#include <atomic>
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

/// The code generator's data module: the database connection, the table list, the display-text
/// map and the name formats, and every operation of a generation run.
///
/// A run reads, plans, builds and writes: the database is read once into a snapshot; the plan
/// settles every name the run will write, unique, and the references between the generated files
/// are checked, before anything is copied; the builders then turn the plan into lines, and the
/// writers put them into an output tree one file at a time: on disk each file atomically, in a
/// dry run compared with what an earlier run left.
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
    /// Asked before the template copy replaces a folder left by an earlier run; the argument is
    /// that folder. Unset, or answering false, ends the run before anything is written. A window
    /// that runs the engine on another thread asks the user before the run (EarlierCopyOf) and
    /// answers here with what the user said.
    std::function<bool(const std::string& existingCopy)> OnConfirmReplace;

    // --- Generation run ---

    /// Turns the database and the template directory into the server and client projects in the
    /// output directory. Raises on the first error; what can be known before writing (a missing
    /// template file, a name format that cannot be applied, a table without identifier) is
    /// raised before anything is copied. Files written until an error stay.
    void Generate(const TProjectParam& options);
    /// A dry run: everything Generate does, with the same status texts and warnings, except that
    /// nothing is written. Each file the run would write is compared with the copy an earlier
    /// run left in the output directory instead; with `withDiffs`, a changed text file comes
    /// with its unified diff. The replace question is not asked.
    std::vector<TPreviewEntry> Preview(const TProjectParam& options, bool withDiffs);
    /// Asks the run under way, from any thread, to stop before its next file: it then ends with
    /// ECancelledError "The run was cancelled.", leaving the files written so far, each whole.
    /// A run that has not begun to write stops before writing anything.
    void Cancel() { FCancelRequested = true; }
    /// The folder a run with `options` would replace, when an earlier run left it; "" otherwise
    /// (also when the options name no template or output directory).
    std::string EarlierCopyOf(const TProjectParam& options) const;
    /// What the last run went on past, one text each, each starting with the file it concerns:
    /// first what the database source left out (ISchemaSource::Warnings), then the references
    /// of the generated files that the user's options or template break (see CheckReferences),
    /// then, with new GUIDs, the files that keep the template's (see RenewTemplateGuids).
    const std::vector<std::string>& Warnings() const { return FWarnings; }
    /// Passes one status text to OnStatus.
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
    /// Replaces `list` with the names of the database's tables and views, from its snapshot.
    void ListTableNames(TStringList& list);

    // --- Plan ---

    /// Settles every name a run with `options` writes over the connected database.
    TProjectPlan PlanProject(const TProjectParam& options, const TTemplateSet& templates);

private:
    std::string FLastCopyError;
    std::string FNameFormatsError; // why the NameFormat.ini found could not be read
    std::vector<std::string> FWarnings;
    std::atomic<bool> FRunning = false;
    std::atomic<bool> FCancelRequested = false;

    /// Reads, plans and checks, then hands every file to the disk tree, or with `preview` to a
    /// preview tree whose entries it returns.
    std::vector<TPreviewEntry> Run(const TProjectParam& options, bool preview, bool withDiffs);
    /// The writing part of a run: the template copy (with the fresh GUIDs of `guids`), the
    /// database copy and every generated file.
    void WriteProject(TOutputTree& tree, const TProjectParam& options, const TProjectPlan& plan,
                      const TTemplateSet& templates, const TGuidRewrite& guids,
                      const std::string& templateDir);
    /// Writes a stage's unit and form file from the templates the run read.
    void WriteStage(TOutputTree& tree, TTemplateRole unitRole, TTemplateRole formRole,
                    const std::string& formUnit, const TBlocks& blocks,
                    const TTemplateSet& templates, const std::string& tableIdentifier);

    void ReportProgress(std::size_t done, std::size_t total);
    void DataModuleCreate();
    void DataModuleDestroy() noexcept;
    /// Ends the run with ECancelledError when Cancel was called.
    void StopIfCancelled() const;
};

} // namespace quorvane
