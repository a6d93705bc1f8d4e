#pragma once

#include "TableChooser.h"
#include "generate/Options.h"
#include "io/OutputTree.h"

#include <QMainWindow>
#include <QMessageBox>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QThread;
class QToolButton;

namespace quorvane {
class TDM;
struct TInstallLayout;
} // namespace quorvane

namespace quorvane::ui {

class TAbout_Frm;
class TDataLinkEditor;

/// The main window: every option of a run with its default, the file and directory choosers, the
/// Generate button and the status bar that shows the run's status texts.
class TMain_Frm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMain_Frm(QWidget* parent = nullptr);
    ~TMain_Frm() override;

    /// The engine and the About window; start-up creates them after this window.
    TDM* DM = nullptr;
    TAbout_Frm* About_Frm = nullptr;

    /// Fills `options` from the controls. Throws EConvertError when Space_Edt holds no integer.
    void GetOptions(TProjectParam& options) const;
    /// Fills every control from `options`, so that GetOptions gives them back.
    void SetOptions(const TProjectParam& options);
    /// Puts the sample template of the installation `layout` describes into the empty template
    /// field, so that an installed program starts ready to generate. A field that holds a value
    /// already, from a settings file or typed, keeps it; a program of no installation (a build
    /// tree) leaves the field empty.
    void UseInstalledTemplate(const TInstallLayout& layout);
    /// The engine's status handler: shows `text` in the status bar.
    virtual void DMStatus(TDM& sender, const std::string& text);
    /// The status bar's text.
    QString StatusText() const;
    /// The engine's progress handler: the bar beside the status text shows `done` of `total`
    /// tables of the current stage.
    void DMProgress(std::size_t done, std::size_t total);
    /// True while a run is under way.
    bool Running() const { return FRunner != nullptr; }

    void Gen_BtnClick();
    void Preview_BtnClick();
    /// Asks the run under way to stop before its next file.
    void Cancel_BtnClick();
    /// Waits for the run under way to end, and lets the window take its end; for tests and for
    /// closing the program.
    void WaitForRun();
    void Help_BtnClick();
    void OpenUDL_BntClick();
    void EditUDL_BtnClick();
    void OpenList_BtnClick();
    void TempDir_BtnClick();
    void TarDir_BtnClick();
    void IsRDM_ChkClick();
    void OpenSettings_BtnClick();
    void SaveSettings_BtnClick();
    /// Reads the database's table list on a thread of its own, then offers it in the chooser.
    void Tables_BtnClick();
    /// True while the table list is being read.
    bool ReadingTables() const { return FTableReader != nullptr; }

    // Project Directory
    QLineEdit* ProjectTemplateDir_Edt;
    QPushButton* TempDir_Btn;
    QLineEdit* ProjectTargetDirectory_Edt;
    QPushButton* TarDir_Btn;
    // Database
    QLineEdit* UDL_Edt;
    QPushButton* OpenUDL_Bnt;
    QPushButton* EditUDL_Btn;
    QLineEdit* CollumName_Edt;
    QPushButton* OpenList_Btn;
    QRadioButton* ListFormat_Rdo;
    QRadioButton* NameCodeOrder_Rdo;
    // Server: Remote Data Module
    QLineEdit* DBConnectionName_Edt;
    QLineEdit* TableType_Edt;
    QCheckBox* TrimPrefix_Chk;
    QLabel* IsRDM_Lab;
    QCheckBox* IsRDM_Chk;
    QLabel* ProviderOptions_Lab;
    QComboBox* ProviderOptions_Cbo;
    QCheckBox* NewGuids_Chk;
    // Client: Data Module
    QLineEdit* ConnectionBrokerName_Edt;
    QLineEdit* ClientDataSetType_Edt;
    QCheckBox* ClientTrimTableName_Chk;
    QLineEdit* FloatFormat_Edt;
    QLineEdit* CurrencyFormat_Edt;
    QLineEdit* DateFormat_Edt;
    // Client: Forms
    QLineEdit* DMName_Edt;
    QLineEdit* DBNvgType_Edt;
    QLineEdit* DBGridType_Edt;
    QLineEdit* Space_Edt;
    QLineEdit* OnlyTable_Edt;
    QPushButton* Tables_Btn;
    QCheckBox* UITrimTableName_Chk;
    QCheckBox* WithColon_Chk;
    QCheckBox* AutoSize_Chk;
    QCheckBox* LeftJustify_Chk;
    // What the projects take from the database's own knowledge.
    QCheckBox* SchemaKeys_Chk;
    QCheckBox* RequiredFields_Chk;
    QCheckBox* FkLookups_Chk;
    QCheckBox* CommentLabels_Chk;

    QPushButton* Gen_Btn;
    /// Runs everything but the writing, and shows what a run would write.
    QPushButton* Preview_Btn;
    /// Shown during a run: stops it between files.
    QPushButton* Cancel_Btn;
    // A run's options kept in a settings file, only when the user asks.
    QPushButton* OpenSettings_Btn;
    QPushButton* SaveSettings_Btn;
    QToolButton* Help_Btn;
    QStatusBar* StatusBar;
    /// Beside the status text during a run, hidden between runs.
    QProgressBar* Progress_Bar;

protected:
    /// Closing the window during a run stops the run before its next file and waits for it.
    void closeEvent(QCloseEvent* event) override;
    /// Takes each status text of a run on the run's own thread and hands it to DMStatus on the
    /// window's, as a queued call. Whatever holds it here holds the run, never the window.
    virtual void StatusFromRun(TDM& sender, const std::string& text);

    // The platform dialogs, behind virtual functions so that tests can answer them.

    /// Shows a modal message box captioned with the application title.
    virtual void ShowMessage(QMessageBox::Icon icon, const QString& text);
    /// Lists what the last run went past (TDM::Warnings) in one box.
    void ShowWarnings(const std::vector<std::string>& warnings);
    /// Asks a yes/no question; true for yes.
    virtual bool AskQuestion(const QString& text);
    /// The open-file dialog with its filter `filterIndex` (counted from 1) selected, preset to
    /// `fileName` when it is not empty; "" when cancelled.
    virtual QString ChooseOpenFile(int filterIndex, const QString& fileName);
    /// The directory chooser opening in the existing folder `start`, with `typed` (a path below
    /// it that does not exist yet, or "") in its name field; it offers to create a directory that
    /// does not exist. "" when cancelled.
    virtual QString ChooseDirectory(const QString& start, const QString& typed);
    /// Shows the data-link editor, loaded or preset, modally; the path it saved to, or "" when
    /// it was cancelled.
    virtual QString ShowDataLinkEditor(TDataLinkEditor& editor);
    /// Shows what a dry run found, modally.
    virtual void ShowPreview(std::vector<TPreviewEntry> entries);
    /// The file chooser for a settings file to open, or with `forSaving` to save (it asks before
    /// replacing a file), preset to `fileName` when it is not empty; "" when cancelled.
    virtual QString ChooseSettingsFile(bool forSaving, const QString& fileName);
    /// Offers `tables` in the table chooser; the checked ones as a table list, nothing when
    /// cancelled.
    virtual std::optional<QString> ChooseTables(const std::vector<TChoosableTable>& tables);

private:
    QLabel* FStatusLabel;
    QFileDialog* OpenDialog;
    /// The settings file last opened or saved in this session, where the chooser starts.
    QString FSettingsFile;
    /// The tables a run leaves out, as the last settings file opened gave them: no control
    /// shows them, and a file opened and saved again keeps them.
    std::string FExcludeTables;
    /// Reads the table list for Tables_BtnClick; the window waits for it before it goes.
    QThread* FTableReader = nullptr;
    /// Runs the engine for RunEngine; set for as long as a run is under way.
    QThread* FRunner = nullptr;

    /// Runs `work` on a thread of its own, held in `thread` until it has ended; `ended` then runs
    /// on the window's thread, with `thread` empty again.
    void StartThread(QThread*& thread, std::function<void()> work, std::function<void()> ended);
    /// The progress bar beside the status text, busy: how far the work is is not known yet.
    void ShowBusyBar();

    /// ShowMessage and AskQuestion with the busy cursor lifted while the box is open.
    void Tell(QMessageBox::Icon icon, const QString& text);
    bool Ask(const QString& text);
    /// Starts a run (Generate) or a dry run (Preview) with the window's options on a thread of
    /// its own, after asking about an earlier copy: the window stays responsive, shows the
    /// status texts and the progress as they come, and offers Cancel.
    void RunEngine(bool preview);
    /// Takes the end of a run: the busy cursor and the bar go, and the outcome is told.
    void RunEnded(bool preview, bool cancelled, const std::string& failure,
                  std::vector<TPreviewEntry> entries);
    /// Fills the directory field `edit` from the chooser, opened where the field's path leads.
    void ChooseDirectoryInto(QLineEdit* edit);
    /// The end of the table list's reading: the chooser, or the error.
    void TablesRead(const std::vector<TCatalogRow>& rows,
                    const std::vector<std::string>& qualifiers, const std::string& error);

    QGroupBox* BuildProjectDirectoryGroup();
    QGroupBox* BuildDatabaseGroup();
    QGroupBox* BuildServerGroup();
    QGroupBox* BuildClientDataModuleGroup();
    QGroupBox* BuildClientFormsGroup();
    QGroupBox* BuildSchemaGroup();
    void SetTabOrder();
};

} // namespace quorvane::ui
