// The desktop program on the offscreen platform: defaults, focus and tab order, options, a run
// from the window with its progress, the refusals, questions and messages around it, the
// choosers, the About window and the data-link editor.

#include "DataLinkEditor.h"
#include "ModalAnswerer.h"
#include "OptionsComparison.h"
#include "TempDir.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmPreview.h"
#include "generate/RunSettings.h"
#include "generate/dmCodeGenerator.h"
#include "text/EngineErrors.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include <sys/wait.h>

namespace quorvane::ui {

namespace {

// The shape of the cursor the application shows over every window, if any.
std::optional<Qt::CursorShape> OverrideCursorShape() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor == nullptr ? std::nullopt : std::optional(cursor->shape());
}

using quorvane::testing::TModalAnswerer;

} // namespace

// The window with its platform dialogs answered by the test.
class TTestMain_Frm : public TMain_Frm {
public:
    struct TMessage {
        QMessageBox::Icon Icon;
        QString Text;
    };
    std::vector<TMessage> Messages;
    std::vector<QString> Statuses;
    std::vector<std::pair<int, QString>> OpenRequests;
    struct TDirectoryRequest {
        QString Start;
        QString Typed;
    };
    std::vector<TDirectoryRequest> DirectoryRequests;
    QString NextFile;
    QString NextDirectory;
    QString NextSettingsFile;
    std::vector<std::pair<bool, QString>> SettingsRequests;
    std::vector<std::vector<TChoosableTable>> TableRequests;
    std::optional<QString> NextTables;
    bool RealDirectoryChooser = false;
    bool ReplaceAnswer = true;
    int Questions = 0;
    std::function<void(const QString&)> OnEachStatus;
    std::vector<std::vector<TPreviewEntry>> Previews;
    // The cursor over the window while each box, question or chooser was open, and at each
    // status text.
    std::vector<std::optional<Qt::CursorShape>> CursorsInDialogs;
    std::vector<std::optional<Qt::CursorShape>> CursorsAtStatus;

protected:
    void ShowMessage(QMessageBox::Icon icon, const QString& text) override {
        CursorsInDialogs.push_back(OverrideCursorShape());
        Messages.push_back({icon, text});
    }
    bool AskQuestion(const QString&) override {
        CursorsInDialogs.push_back(OverrideCursorShape());
        ++Questions;
        return ReplaceAnswer;
    }
    QString ChooseOpenFile(int filterIndex, const QString& fileName) override {
        CursorsInDialogs.push_back(OverrideCursorShape());
        OpenRequests.emplace_back(filterIndex, fileName);
        return NextFile;
    }
    QString ChooseDirectory(const QString& start, const QString& typed) override {
        CursorsInDialogs.push_back(OverrideCursorShape());
        DirectoryRequests.push_back({start, typed});
        return RealDirectoryChooser ? TMain_Frm::ChooseDirectory(start, typed) : NextDirectory;
    }
    void ShowPreview(std::vector<TPreviewEntry> entries) override {
        CursorsInDialogs.push_back(OverrideCursorShape());
        Previews.push_back(std::move(entries));
    }
    QString ChooseSettingsFile(bool forSaving, const QString& fileName) override {
        CursorsInDialogs.push_back(OverrideCursorShape());
        SettingsRequests.emplace_back(forSaving, fileName);
        return NextSettingsFile;
    }
    std::optional<QString> ChooseTables(const std::vector<TChoosableTable>& tables) override {
        CursorsInDialogs.push_back(OverrideCursorShape());
        TableRequests.push_back(tables);
        return NextTables;
    }
    void DMStatus(TDM& sender, const std::string& text) override {
        TMain_Frm::DMStatus(sender, text);
        CursorsAtStatus.push_back(OverrideCursorShape());
        Statuses.push_back(StatusText());
        if (OnEachStatus) {
            OnEachStatus(StatusText());
        }
    }
};

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    static QString Sample(const char* name) {
        return QString::fromUtf8(QUORVANE_EXAMPLES_DIR) + "/" + name;
    }
    static QString SampleTemplate() {
        return QString::fromUtf8(QUORVANE_SOURCE_DIR) + "/templates/MidasProject";
    }
    // The next widget the Tab key reaches: the focus chain holds containers too.
    static QWidget* NextTabStop(QWidget* widget) {
        QWidget* next = widget->nextInFocusChain();
        // An editable combo box reaches its own edit first; that is still the same stop.
        while (next != widget &&
               (!(next->focusPolicy() & Qt::TabFocus) || widget->isAncestorOf(next))) {
            next = next->nextInFocusChain();
        }
        return next;
    }
    // Points the window at the sample template and an output folder in `folder`.
    static void FillRun(TTestMain_Frm& window, TDM& dm, const TTempDir& folder,
                        const QString& database) {
        window.DM = &dm;
        window.ProjectTemplateDir_Edt->setText(SampleTemplate());
        window.ProjectTargetDirectory_Edt->setText(QString::fromStdString(folder.File("out")));
        window.UDL_Edt->setText(database);
    }
    static bool HasLabel(const QWidget& window, const QString& text) {
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text() == text) {
                return true;
            }
        }
        return false;
    }

    // The window's controls away from their defaults, with the sample run still possible.
    static void FillEveryOption(TTestMain_Frm& window, const TTempDir& folder) {
        window.ProjectTemplateDir_Edt->setText(SampleTemplate());
        window.ProjectTargetDirectory_Edt->setText(QString::fromStdString(folder.File("out")));
        window.UDL_Edt->setText(Sample("orders.udl"));
        window.CollumName_Edt->setText(Sample("orders-map-namecode.txt"));
        window.NameCodeOrder_Rdo->setChecked(true);
        window.DBConnectionName_Edt->setText("OrdersConnection");
        window.TableType_Edt->setText("TADODataSet");
        window.TrimPrefix_Chk->setChecked(true);
        window.IsRDM_Chk->setChecked(false);
        window.ProviderOptions_Cbo->setEditText("poAllowCommandText");
        window.NewGuids_Chk->setChecked(true);
        window.ClientDataSetType_Edt->setText("TMyClientDataSet");
        window.ConnectionBrokerName_Edt->setText("Broker");
        window.ClientTrimTableName_Chk->setChecked(true);
        window.FloatFormat_Edt->setText("0.0");
        window.CurrencyFormat_Edt->setText(QString::fromUtf8(" € 0.00 "));
        window.DateFormat_Edt->setText("DD.MM.YYYY");
        window.DMName_Edt->setText("Data");
        window.DBNvgType_Edt->setText("TNav");
        window.DBGridType_Edt->setText("TGrid");
        window.Space_Edt->setText("9");
        window.OnlyTable_Edt->setText("Orders");
        window.WithColon_Chk->setChecked(true);
        window.LeftJustify_Chk->setChecked(true);
        window.AutoSize_Chk->setChecked(true);
        window.UITrimTableName_Chk->setChecked(true);
        window.SchemaKeys_Chk->setChecked(true);
        window.RequiredFields_Chk->setChecked(true);
        window.FkLookups_Chk->setChecked(true);
        window.CommentLabels_Chk->setChecked(true);
    }
    // Passes when the two sets of options agree; otherwise names the fields that differ.
    static void CompareOptions(const TProjectParam& actual, const TProjectParam& expected) {
        std::string differing;
        for (const std::string& field : DifferingOptions(actual, expected)) {
            differing += field + " ";
        }
        QVERIFY2(differing.empty(), differing.c_str());
    }
    // The regular files below `root`, by relative path, with their bytes.
    static std::map<std::string, std::string> FilesBelow(const std::filesystem::path& root) {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (entry.is_regular_file()) {
                files[std::filesystem::relative(entry.path(), root).string()] =
                    ReadFile(entry.path().string());
            }
        }
        return files;
    }

private slots:
    void StartsWithEveryDefault() {
        TTestMain_Frm window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane " QUORVANE_PROJECT_VERSION));
        for (QLineEdit* edit : {window.ProjectTemplateDir_Edt, window.ProjectTargetDirectory_Edt,
                                window.UDL_Edt, window.CollumName_Edt, window.OnlyTable_Edt}) {
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        }
        const std::vector<std::pair<QLineEdit*, QString>> defaults = {
            {window.DBConnectionName_Edt, "DBConnection"},
            {window.TableType_Edt, "TADOQuery"},
            {window.ConnectionBrokerName_Edt, "DBConnectionBroker"},
            {window.ClientDataSetType_Edt, "TClientDataSet"},
            {window.FloatFormat_Edt, "#.00,"},
            {window.CurrencyFormat_Edt, "$#.00,"},
            {window.DateFormat_Edt, "MM/DD/YYYY"},
            {window.DMName_Edt, "DM"},
            {window.DBNvgType_Edt, "TDBNavigator"},
            {window.DBGridType_Edt, "TDBGrid"},
            {window.Space_Edt, "4"},
        };
        for (const auto& [edit, text] : defaults) {
            QCOMPARE(edit->text(), text);
        }
        for (QCheckBox* check :
             {window.TrimPrefix_Chk, window.ClientTrimTableName_Chk, window.UITrimTableName_Chk,
              window.WithColon_Chk, window.AutoSize_Chk, window.LeftJustify_Chk,
              window.SchemaKeys_Chk, window.RequiredFields_Chk, window.FkLookups_Chk,
              window.CommentLabels_Chk, window.NewGuids_Chk}) {
            QVERIFY2(!check->isChecked(), qPrintable(check->objectName()));
        }
        QVERIFY(window.IsRDM_Chk->isChecked());
        QVERIFY(window.IsRDM_Chk->isHidden());
        QVERIFY(!window.ProviderOptions_Cbo->isHidden());
        QCOMPARE(window.ProviderOptions_Cbo->currentText(), QString());
        QCOMPARE(window.ProviderOptions_Cbo->count(), 3);
        QCOMPARE(window.ProviderOptions_Cbo->itemText(2),
                 QStringLiteral("poFetchBlobsOnDemand, poAllowCommandText"));
        QVERIFY(window.ListFormat_Rdo->isChecked());
        QVERIFY(!window.NameCodeOrder_Rdo->isChecked());
        QCOMPARE(window.StatusText(), QString());
        QCOMPARE(window.Gen_Btn->text(), QStringLiteral("Generate Project Source Code"));
        QCOMPARE(window.EditUDL_Btn->text(), QStringLiteral("Edit...."));
        QCOMPARE(window.OpenSettings_Btn->text(), QStringLiteral("Open Settings..."));
        QCOMPARE(window.SaveSettings_Btn->text(), QStringLiteral("Save Settings As..."));
        QCOMPARE(window.TrimPrefix_Chk->text(), QStringLiteral("Trim Table Name Prefix Before _:"));
        QCOMPARE(window.NewGuids_Chk->text(),
                 QStringLiteral("New COM identity (GUIDs) for the server"));
        for (const char* label :
             {"Project Template Directory:", "Project Output Directory:",
              "Universal Data Link File: ", "FieldName and DisplayText Map File:",
              "Map File List Format:", "DBConnection  Name in Template:", "DataSet Component Type:",
              "DataSet Provider Options:", "ConnectionBroker Component Name:",
              "ClientDataSet  Type:", "Float Field:", "Currency Field:", "Date/DateTime Field:",
              "Data Module Name in Template:", "DBNavigator Type:", "DBGrid Type:",
              "Space between Label and DBEdit:", "Only Generate For This Table:",
              "Field Label Properties:"}) {
            QVERIFY2(HasLabel(window, QString::fromUtf8(label)), label);
        }
        QVERIFY(window.Progress_Bar->isHidden());
    }

    void FocusStartsOnTheFirstFieldAndTabVisitsTheGroupsInOrder() {
        TTestMain_Frm window;
        TAbout_Frm about(&window);
        window.About_Frm = &about;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // Typing at start-up goes into the first field of the tab order.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.DBConnectionName_Edt));
        QTest::keyClicks(QApplication::focusWidget(), "X");
        QCOMPARE(window.DBConnectionName_Edt->text(), QStringLiteral("DBConnectionX"));

        // The groups server, client data module, client forms, schema, database, project
        // directory, then the Generate button, and round again; the help button is never a stop.
        // The two map-file formats are one stop, at the selected one; the arrow keys move between
        // them.
        const QList<QWidget*> order = {window.TableType_Edt,
                                       window.TrimPrefix_Chk,
                                       window.ProviderOptions_Cbo,
                                       window.NewGuids_Chk,
                                       window.ConnectionBrokerName_Edt,
                                       window.ClientDataSetType_Edt,
                                       window.ClientTrimTableName_Chk,
                                       window.FloatFormat_Edt,
                                       window.CurrencyFormat_Edt,
                                       window.DateFormat_Edt,
                                       window.DMName_Edt,
                                       window.DBNvgType_Edt,
                                       window.DBGridType_Edt,
                                       window.Space_Edt,
                                       window.OnlyTable_Edt,
                                       window.Tables_Btn,
                                       window.UITrimTableName_Chk,
                                       window.WithColon_Chk,
                                       window.AutoSize_Chk,
                                       window.LeftJustify_Chk,
                                       window.SchemaKeys_Chk,
                                       window.RequiredFields_Chk,
                                       window.FkLookups_Chk,
                                       window.CommentLabels_Chk,
                                       window.UDL_Edt,
                                       window.OpenUDL_Bnt,
                                       window.EditUDL_Btn,
                                       window.CollumName_Edt,
                                       window.OpenList_Btn,
                                       window.ListFormat_Rdo,
                                       window.ProjectTemplateDir_Edt,
                                       window.TempDir_Btn,
                                       window.ProjectTargetDirectory_Edt,
                                       window.TarDir_Btn,
                                       window.Gen_Btn,
                                       window.Preview_Btn,
                                       window.OpenSettings_Btn,
                                       window.SaveSettings_Btn,
                                       window.DBConnectionName_Edt};
        for (QWidget* expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected->objectName());
        }
        QCOMPARE(window.Help_Btn->focusPolicy(), Qt::NoFocus);
        window.ListFormat_Rdo->setFocus();
        QTest::keyClick(window.ListFormat_Rdo, Qt::Key_Down);
        QVERIFY(window.NameCodeOrder_Rdo->hasFocus() && window.NameCodeOrder_Rdo->isChecked());
        QTest::keyClick(window.NameCodeOrder_Rdo, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.ProjectTemplateDir_Edt));
        QTest::keyClick(window.ProjectTemplateDir_Edt, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.NameCodeOrder_Rdo));
        window.DBConnectionName_Edt->setFocus();

        // The help button still answers the mouse, and F1 from any field; the focus stays.
        QTest::mouseClick(window.Help_Btn, Qt::LeftButton);
        QTRY_VERIFY(about.isVisible());
        about.hide();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QTRY_VERIFY(about.isVisible());
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(window.DBConnectionName_Edt));
    }

    void GetOptionsReadsEveryControl() {
        TTestMain_Frm window;
        window.ProjectTemplateDir_Edt->setText(" /t/MidasProject ");
        window.ProjectTargetDirectory_Edt->setText("/o");
        window.UDL_Edt->setText("d.udl");
        window.CollumName_Edt->setText("m.txt");
        window.NameCodeOrder_Rdo->setChecked(true);
        window.DBConnectionName_Edt->setText("Express");
        window.TableType_Edt->setText("TSQLQuery");
        window.TrimPrefix_Chk->setChecked(true);
        window.ProviderOptions_Cbo->setEditText("poAllowCommandText");
        window.ClientDataSetType_Edt->setText("TCDS");
        window.ConnectionBrokerName_Edt->setText("Broker");
        window.ClientTrimTableName_Chk->setChecked(true);
        window.FloatFormat_Edt->setText("0.0");
        window.CurrencyFormat_Edt->setText("0.00");
        window.DateFormat_Edt->setText("YYYY");
        window.DMName_Edt->setText("Data");
        window.DBNvgType_Edt->setText("TNav");
        window.DBGridType_Edt->setText("TGrid");
        window.Space_Edt->setText("-7");
        window.OnlyTable_Edt->setText("X");
        window.WithColon_Chk->setChecked(true);
        window.LeftJustify_Chk->setChecked(true);
        window.AutoSize_Chk->setChecked(true);
        window.UITrimTableName_Chk->setChecked(true);
        window.SchemaKeys_Chk->setChecked(true);
        window.FkLookups_Chk->setChecked(true);

        TProjectParam o;
        window.GetOptions(o);
        QCOMPARE(o.Directories.TemplateDir, std::string(" /t/MidasProject ")); // not trimmed
        QCOMPARE(o.Directories.OutputDir, std::string("/o"));
        QCOMPARE(o.Database.UDLFile, std::string("d.udl"));
        QCOMPARE(o.Database.MapFile, std::string("m.txt"));
        QVERIFY(o.Database.NameCodeOrder);
        QCOMPARE(o.ServerOptions.DataSetType, std::string("TSQLQuery"));
        QCOMPARE(o.ServerOptions.DataSetKind, std::string("TSQLQuery"));
        QVERIFY(o.ServerOptions.TrimPrefix);
        QVERIFY(o.ServerOptions.IsRDM);
        QCOMPARE(o.ServerOptions.ProviderOptions, std::string("poAllowCommandText"));
        QCOMPARE(o.ServerOptions.ConnectionName, std::string("Express"));
        QVERIFY(o.ServerOptions.ProjectGuids == TProjectGuids::Template);
        QCOMPARE(o.ClientDMOptions.ClientDataSetType, std::string("TCDS"));
        QCOMPARE(o.ClientDMOptions.ConnectionBrokerName, std::string("Broker"));
        QVERIFY(o.ClientDMOptions.TrimTableName);
        QCOMPARE(o.ClientDMOptions.DisplayFormat.FloatFormat, std::string("0.0"));
        QCOMPARE(o.ClientDMOptions.DisplayFormat.CurrencyFormat, std::string("0.00"));
        QCOMPARE(o.ClientDMOptions.DisplayFormat.DateFormat, std::string("YYYY"));
        QCOMPARE(o.ClientUIOptions.DMName, std::string("Data"));
        QCOMPARE(o.ClientUIOptions.DBNavigatorType, std::string("TNav"));
        QCOMPARE(o.ClientUIOptions.DBGridType, std::string("TGrid"));
        QCOMPARE(o.ClientUIOptions.Space, -7);
        QCOMPARE(o.ClientUIOptions.OnlyTable, std::string("X"));
        QVERIFY(o.ClientUIOptions.WithColon && o.ClientUIOptions.LeftJustify);
        QVERIFY(o.ClientUIOptions.AutoSize && o.ClientUIOptions.TrimTableName);
        QVERIFY(o.SchemaOptions.SchemaKeys && o.SchemaOptions.FkLookups);
        QVERIFY(!o.SchemaOptions.RequiredFields && !o.SchemaOptions.CommentLabels);
        window.RequiredFields_Chk->setChecked(true);
        window.CommentLabels_Chk->setChecked(true);
        window.NewGuids_Chk->setChecked(true);
        window.GetOptions(o);
        QVERIFY(o.SchemaOptions.RequiredFields && o.SchemaOptions.CommentLabels);
        QVERIFY(o.ServerOptions.ProjectGuids == TProjectGuids::New);

        window.IsRDM_Chk->setChecked(false);
        window.IsRDM_ChkClick();
        QVERIFY(window.ProviderOptions_Cbo->isHidden());
        QVERIFY(window.ProviderOptions_Lab->isHidden());
    }

    void RunFromTheWindowShowsEveryStatusTheProgressThenTheClosingBox() {
        TTempDir folder;
        TDM dm;
        TTestMain_Frm window;
        FillRun(window, dm, folder, Sample("orders.udl"));
        window.CollumName_Edt->setText(Sample("orders-map.txt"));
        int clicksDuringRun = 0;
        // The bar beside the status text, as it stood at each status text.
        struct TBar {
            QString Status;
            bool Shown;
            int Value;
            int Maximum;
            QString Text;
        };
        std::vector<TBar> bars;
        window.OnEachStatus = [&](const QString& text) {
            const QProgressBar& bar = *window.Progress_Bar;
            bars.push_back({text, !bar.isHidden(), bar.value(), bar.maximum(), bar.text()});
            // A click while the run is under way is refused: the engine is never entered twice.
            if (text == "Generate Client DM Code...") {
                ++clicksDuringRun;
                window.Gen_Btn->click();
            }
        };

        window.Gen_Btn->click();
        window.WaitForRun();

        QCOMPARE(clicksDuringRun, 1);
        QCOMPARE(window.Statuses.front(), QStringLiteral("Copy Template Files..."));
        QCOMPARE(window.Statuses.back(), QStringLiteral("Finished."));
        QCOMPARE(std::count(window.Statuses.begin(), window.Statuses.end(),
                            QStringLiteral("Copy Template Files...")),
                 1);
        QCOMPARE(window.Statuses.size(), std::size_t(17 + 2 * 14));
        QCOMPARE(window.StatusText(), QStringLiteral("Finished."));
        QCOMPARE(window.Messages.size(), std::size_t(1));
        QCOMPARE(window.Messages[0].Icon, QMessageBox::Information);
        QCOMPARE(window.Messages[0].Text,
                 QStringLiteral("Generation Finished! See Output Directory."));
        QVERIFY(QFile::exists(QString::fromStdString(
            folder.File("out/MidasProject/Midas_Client/frmOrderDetails.dfm"))));
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // While the database is read the bar is busy; then it counts the tables of each stage:
        // at the third form's unit two forms are written, and each stage starts at nought.
        const auto barAt = [&bars](const QString& text) {
            return *std::find_if(bars.begin(), bars.end(),
                                 [&text](const TBar& bar) { return bar.Status == text; });
        };
        QVERIFY(barAt("Copy Template Files...").Shown);
        QCOMPARE(barAt("Copy Template Files...").Maximum, 0);
        const auto formsStage = std::find_if(bars.begin(), bars.end(), [](const TBar& bar) {
            return bar.Status == "Generate Client Forms...";
        });
        const TBar& thirdFormUnit = *(formsStage + 5);
        QVERIFY2(thirdFormUnit.Status.endsWith(".pas"), qPrintable(thirdFormUnit.Status));
        QVERIFY(thirdFormUnit.Shown);
        QCOMPARE(thirdFormUnit.Value, 2);
        QCOMPARE(thirdFormUnit.Maximum, 14);
        QCOMPARE(thirdFormUnit.Text, QStringLiteral("2 of 14 tables"));
        QCOMPARE(barAt("Generate MainForm Code...").Value, 0);
        QCOMPARE(barAt("Finished.").Value, 14);
        // Between runs the bar is gone.
        QVERIFY(window.Progress_Bar->isHidden());
    }

    void SettingsSavedFromTheWindowRunTheSameFromTheBatchTool() {
        TTempDir folder;
        TDM dm;
        TTestMain_Frm window;
        window.DM = &dm;
        FillEveryOption(window, folder);
        TProjectParam shown;
        window.GetOptions(shown);
        // Every option but the table exclusion, which has no control, is away from its default.
        QCOMPARE(DifferingOptions(shown, TProjectParam{}).size(), ComparedOptionCount - 1);

        // The chooser starts empty, then where the last file went.
        const QString settings = QString::fromStdString(folder.File("run.ini"));
        window.NextSettingsFile = settings;
        window.SaveSettings_Btn->click();
        window.SaveSettings_Btn->click();
        QCOMPARE(window.SettingsRequests.size(), std::size_t(2));
        QCOMPARE(window.SettingsRequests[0], std::make_pair(true, QString()));
        QCOMPARE(window.SettingsRequests[1], std::make_pair(true, settings));
        QCOMPARE(window.StatusText(), QStringLiteral("Settings saved to \"%1\".").arg(settings));
        QVERIFY(window.Messages.empty());
        TProjectParam read;
        ReadRunSettings(settings.toStdString(), read);
        CompareOptions(read, shown);

        // The window's own run, then the batch tool's from the saved file, into the same folder.
        window.Gen_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.StatusText(), QStringLiteral("Finished."));
        std::filesystem::rename(folder.File("out"), folder.File("window"));
        const std::string command = std::string("'") + QUORVANE_GEN + "' --settings '" +
                                    settings.toStdString() + "' >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        auto files = FilesBelow(folder.Path() / "out");
        auto windowFiles = FilesBelow(folder.Path() / "window");
        // The table list the window held chose Orders alone, in both runs.
        QCOMPARE(files.count("MidasProject/Midas_Client/frmOrders.dfm"), std::size_t(1));
        QCOMPARE(files.count("MidasProject/Midas_Client/frmSuppliers.dfm"), std::size_t(0));
        // Each run gives the server fresh GUIDs: the files that spell them differ, the rest
        // is alike.
        for (const char* server : {"MidasProject/Midas_AppServer/Midas_AppServer.ridl",
                                   "MidasProject/Midas_AppServer/Midas_AppServer_TLB.pas",
                                   "MidasProject/Midas_AppServer/Midas_AppServer.dproj"}) {
            QVERIFY2(files.at(server) != windowFiles.at(server), server);
            files.erase(server);
            windowFiles.erase(server);
        }
        QVERIFY(files == windowFiles);
    }

    void OpeningSettingsFillsEveryControl() {
        TTempDir folder;
        // Options the window shows, saved as a file, and an exclusion no control shows.
        TProjectParam written;
        {
            TTestMain_Frm source;
            FillEveryOption(source, folder);
            source.GetOptions(written);
        }
        written.ClientUIOptions.ExcludeTables = "Sales_Client";
        const std::string path = folder.File("run.ini");
        WriteRunSettings(path, written);

        TTestMain_Frm window;
        window.NextSettingsFile = QString::fromStdString(path);
        window.OpenSettings_Btn->click();
        QCOMPARE(window.StatusText(),
                 QStringLiteral("Settings read from \"%1\".").arg(window.NextSettingsFile));
        TProjectParam shown;
        window.GetOptions(shown);
        CompareOptions(shown, written);
        QVERIFY(window.ProviderOptions_Cbo->isHidden());
        QCOMPARE(window.DBConnectionName_Edt->text(), QStringLiteral("OrdersConnection"));
        QVERIFY(window.NewGuids_Chk->isChecked());

        // Keys a file lacks take their defaults, not what the window held.
        WriteFile(path, "[ClientForms]\nSpace=12\n");
        window.OpenSettings_Btn->click();
        window.GetOptions(shown);
        TProjectParam expected;
        expected.ClientUIOptions.Space = 12;
        CompareOptions(shown, expected);
        QVERIFY(window.ListFormat_Rdo->isChecked());
        QVERIFY(!window.ProviderOptions_Cbo->isHidden());

        // A file that cannot be read is told, with its line, and changes nothing; nor does a
        // cancelled chooser.
        WriteFile(path, "[ClientForms]\nSpace=7\nColour=red\n");
        window.OpenSettings_Btn->click();
        QCOMPARE(window.Messages.size(), std::size_t(1));
        QCOMPARE(window.Messages[0].Icon, QMessageBox::Critical);
        QCOMPARE(window.Messages[0].Text,
                 QStringLiteral("Settings file \"%1\", line 3: unknown key \"Colour\" in section "
                                "[ClientForms].")
                     .arg(window.NextSettingsFile));
        QCOMPARE(window.Space_Edt->text(), QStringLiteral("12"));
        window.NextSettingsFile.clear();
        window.OpenSettings_Btn->click();
        QCOMPARE(window.Space_Edt->text(), QStringLiteral("12"));
        QCOMPARE(window.Messages.size(), std::size_t(1));

        // What could not be read back is not saved, and no file name is asked for.
        const std::size_t requests = window.SettingsRequests.size();
        window.NextSettingsFile = QString::fromStdString(folder.File("bad.ini"));
        window.Space_Edt->setText("4x");
        window.SaveSettings_Btn->click();
        window.Space_Edt->setText("4");
        window.DBGridType_Edt->setText("T Grid");
        window.SaveSettings_Btn->click();
        QCOMPARE(window.SettingsRequests.size(), requests);
        QCOMPARE(window.Messages.size(), std::size_t(3));
        QCOMPARE(window.Messages[1].Text, QStringLiteral("'4x' is not a valid integer value."));
        QCOMPARE(window.Messages[2].Text,
                 QStringLiteral("'T Grid' is not a valid class name for \"DBGrid Type\" "
                                "(--grid-type)."));
        QVERIFY(!QFile::exists(window.NextSettingsFile));
    }

    void TheBusyCursorIsOffWhileTheUserAnswers() {
        TTempDir folder;
        TDM dm;
        TTestMain_Frm window;
        FillRun(window, dm, folder, Sample("orders.udl"));
        window.Gen_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.Questions, 0);

        // Again over the same output: the question comes with the arrow, the busy cursor comes
        // back after "yes". A chooser opened during the run gets the arrow too.
        window.CursorsInDialogs.clear();
        window.CursorsAtStatus.clear();
        window.Statuses.clear();
        window.Messages.clear();
        window.NextDirectory.clear();
        window.OnEachStatus = [&window](const QString& text) {
            if (text == "Generate Client Forms...") {
                window.TarDir_Btn->click();
            }
        };
        window.Gen_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.Questions, 1);
        QCOMPARE(window.CursorsInDialogs.size(), std::size_t(3)); // question, chooser, closing box
        for (const auto& cursor : window.CursorsInDialogs) {
            QVERIFY(!cursor.has_value());
        }
        QCOMPARE(window.CursorsAtStatus.front(), std::optional(Qt::WaitCursor)); // before it
        QCOMPARE(window.CursorsAtStatus.back(), std::optional(Qt::WaitCursor));  // after "yes"
        QCOMPARE(window.Statuses.back(), QStringLiteral("Finished."));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void NoToReplacingEndsTheRunQuietly() {
        TTempDir folder;
        TDM dm;
        TTestMain_Frm window;
        FillRun(window, dm, folder, Sample("orders.udl"));
        window.Gen_Btn->click();
        window.WaitForRun();
        const std::string mainUnit = folder.File("out/MidasProject/Midas_Client/frmMain.pas");
        WriteFile(mainUnit, "edited by the user");
        window.Messages.clear();

        window.ReplaceAnswer = false;
        window.Gen_Btn->click();
        window.WaitForRun();

        QCOMPARE(window.Questions, 1);
        QVERIFY(window.Messages.empty());
        QCOMPARE(window.StatusText(), QStringLiteral("Generation cancelled; nothing was changed."));
        QCOMPARE(ReadFile(mainUnit), std::string("edited by the user"));
        QVERIFY(window.Progress_Bar->isHidden());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!window.Running());

        // Without anyone to ask, the engine's refusal is an error like any other.
        dm.OnConfirmReplace = nullptr;
        QVERIFY_THROWS_EXCEPTION(EExistingCopyError, dm.Generate([&window] {
            TProjectParam options;
            window.GetOptions(options);
            return options;
        }()));
    }

    // The run goes on on a thread of its own: the click returns at once, with the run under way
    // and nothing of it shown yet, since its status texts reach the window as queued calls.
    // Cancel, pressed before the run ended, ends it between files; so does closing the window.
    void RunsOffTheWindowThreadAndCancelStopsThem() {
        TTempDir folder;
        TDM dm;
        TTestMain_Frm window;
        FillRun(window, dm, folder, Sample("orders.udl"));
        const auto leftovers = [&folder] {
            std::vector<std::string> found;
            if (!std::filesystem::exists(folder.File("out"))) {
                return found;
            }
            for (const auto& [name, content] : FilesBelow(folder.Path() / "out")) {
                if (name.find(".quorvane-tmp-") != std::string::npos) {
                    found.push_back(name);
                }
            }
            return found;
        };
        const std::string lastForm = folder.File("out/MidasProject/Midas_Client/frmMain.dfm");

        window.Gen_Btn->click();
        QVERIFY(window.Running());
        QVERIFY(window.Statuses.empty());
        QVERIFY(window.Cancel_Btn->isVisibleTo(&window));
        QVERIFY(window.Cancel_Btn->isEnabled());
        // The Cancel click comes long before the run could have written its forms.
        window.Cancel_Btn->click();
        QCOMPARE(window.StatusText(), QStringLiteral("Cancelling after the file being written..."));
        QVERIFY(!window.Cancel_Btn->isEnabled());
        window.WaitForRun();
        QCOMPARE(
            window.StatusText(),
            QStringLiteral("Generation cancelled; the files written so far stay, each whole."));
        QVERIFY(window.Messages.empty());
        QVERIFY(!window.Running());
        QVERIFY(window.Cancel_Btn->isHidden());
        QVERIFY(window.Progress_Bar->isHidden());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!std::filesystem::exists(lastForm));
        QCOMPARE(leftovers(), std::vector<std::string>{});

        // The cancel belonged to that run: the next one finishes.
        window.Statuses.clear();
        window.Gen_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.StatusText(), QStringLiteral("Finished."));
        QCOMPARE(window.Messages.size(), std::size_t(1));
        QVERIFY(std::filesystem::exists(lastForm));

        // A dry run cancelled says that nothing was written, and shows no listing.
        window.Preview_Btn->click();
        window.Cancel_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.StatusText(), QStringLiteral("Preview cancelled; nothing was written."));
        QVERIFY(window.Previews.empty());

        // Closing the window during a run stops the run and waits for it: nothing is left
        // half-written, and the engine is free for the next run.
        std::filesystem::remove_all(folder.File("out"));
        window.Messages.clear();
        window.Gen_Btn->click();
        window.close();
        QVERIFY(!window.Running());
        QVERIFY(window.Messages.empty());
        QVERIFY(!std::filesystem::exists(lastForm));
        QCOMPARE(leftovers(), std::vector<std::string>{});
        TProjectParam options;
        window.GetOptions(options);
        dm.Generate(options);
        QVERIFY(std::filesystem::exists(lastForm));
    }

    void AFailedRunReportsTheErrorOnly() {
        TTempDir folder;
        TDM dm;
        TTestMain_Frm window;
        FillRun(window, dm, folder, QString::fromStdString(folder.File("missing.udl")));
        window.Gen_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.Messages.size(), std::size_t(1));
        QCOMPARE(window.Messages[0].Icon, QMessageBox::Critical);
        QVERIFY(window.Messages[0].Text.startsWith("Cannot open data-link file"));
        QCOMPARE(window.StatusText(), QStringLiteral("Copy Template Files..."));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!window.Running());
    }

    void ANonNumericSpaceStopsBeforeTheRun() {
        TDM dm;
        TTestMain_Frm window;
        window.DM = &dm;
        window.Space_Edt->setText("four");
        window.Gen_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.Messages.size(), std::size_t(1));
        QCOMPARE(window.Messages[0].Icon, QMessageBox::Critical);
        QCOMPARE(window.Messages[0].Text, QStringLiteral("'four' is not a valid integer value."));
        QVERIFY(window.Statuses.empty());

        // A number the form's positions cannot hold is refused the same way.
        window.Messages.clear();
        window.Space_Edt->setText("2147483647");
        window.Gen_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.Messages.size(), std::size_t(1));
        QCOMPARE(window.Messages[0].Text,
                 QStringLiteral("'2147483647' is not a valid integer value."));
        QVERIFY(window.Statuses.empty());
    }

    void ControlCharactersOfNamesAreShownNotObeyed() {
        TDM dm;
        TTestMain_Frm window;
        window.DM = &dm;
        // A path holding ESC and CR: the error box and the status bar show them escaped.
        TTempDir folder;
        window.ProjectTemplateDir_Edt->setText(SampleTemplate());
        window.ProjectTargetDirectory_Edt->setText(QString::fromStdString(folder.File("out")));
        window.UDL_Edt->setText(QStringLiteral("/no/such/\x1B[2Jorders\r.udl"));
        window.Gen_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.Messages.size(), std::size_t(1));
        QVERIFY2(window.Messages[0].Text.contains(QStringLiteral("/no/such/\\x1B[2Jorders\\r.udl")),
                 qPrintable(window.Messages[0].Text));
        QVERIFY(!window.Messages[0].Text.contains(QChar(0x1B)));
        // The engine's status texts reach the window as queued calls.
        dm.OnStatus(dm, "a\x07"
                        "b");
        QCoreApplication::sendPostedEvents(&window);
        QCOMPARE(window.StatusText(), QStringLiteral("a\\x07b"));
    }

    void FileAndDirectoryButtons() {
        TTestMain_Frm window;
        window.UDL_Edt->setText("/data/orders.udl");
        window.NextFile = "/data/other.udl";
        window.OpenUDL_Bnt->click();
        QCOMPARE(window.OpenRequests.back(), std::make_pair(2, QStringLiteral("/data/orders.udl")));
        QCOMPARE(window.UDL_Edt->text(), QStringLiteral("/data/other.udl"));
        window.NextFile.clear(); // cancelled: nothing changes
        window.OpenList_Btn->click();
        QCOMPARE(window.OpenRequests.back(), std::make_pair(1, QString()));
        QCOMPARE(window.CollumName_Edt->text(), QString());
        window.NextDirectory = "/work/out";
        window.TarDir_Btn->click();
        QCOMPARE(window.ProjectTargetDirectory_Edt->text(), QStringLiteral("/work/out"));
        QCOMPARE(window.ProjectTemplateDir_Edt->text(), QString());
        // Access files of both kinds are offered together.
        const auto* openDialog = window.findChild<QFileDialog*>("OpenDialog");
        QCOMPARE(openDialog->nameFilters().value(2),
                 QStringLiteral("Access Database(*.mdb *.accdb)"));
    }

    // "Tables..." reads the list on a thread while the window goes on, offers it with the field's
    // tables checked, and puts the chosen ones into the field; a cancel changes nothing.
    void TablesButtonReadsTheListAndFillsTheField() {
        TTestMain_Frm window;
        TDM dm;
        window.DM = &dm;
        window.Tables_Btn->click();
        QCOMPARE(window.Messages.size(), std::size_t{1});
        QCOMPARE(window.Messages[0].Text,
                 QStringLiteral("Choose the database first: the tables are read from it."));
        QVERIFY(window.TableRequests.empty());

        window.UDL_Edt->setText(Sample("orders.udl"));
        window.OnlyTable_Edt->setText("orders, sales_*");
        window.NextTables = QStringLiteral("Orders, Suppliers");
        window.Tables_Btn->click();
        QVERIFY(window.ReadingTables());
        QVERIFY(!window.Tables_Btn->isEnabled());
        QCOMPARE(window.StatusText(), QStringLiteral("Reading the tables of the database..."));
        // A run waits until the list is read.
        window.Gen_Btn->click();
        window.WaitForRun();
        QVERIFY(window.Statuses.empty());
        QTRY_COMPARE(window.TableRequests.size(), std::size_t{1});
        QVERIFY(!window.ReadingTables());
        QVERIFY(window.Tables_Btn->isEnabled());
        QVERIFY(window.Progress_Bar->isHidden());
        QCOMPARE(window.StatusText(), QString());
        const std::vector<TChoosableTable>& offered = window.TableRequests[0];
        QCOMPARE(offered.size(), std::size_t{14});
        QStringList checked;
        for (const TChoosableTable& table : offered) {
            if (table.Checked) {
                checked.push_back(table.Shown);
            }
        }
        QCOMPARE(checked, (QStringList{"Orders", "Sales_Client", "Sales_Region"}));
        QCOMPARE(window.OnlyTable_Edt->text(), QStringLiteral("Orders, Suppliers"));

        window.NextTables.reset();
        window.Tables_Btn->click();
        QTRY_COMPARE(window.TableRequests.size(), std::size_t{2});
        QCOMPARE(window.OnlyTable_Edt->text(), QStringLiteral("Orders, Suppliers"));

        window.UDL_Edt->setText(Sample("no-such-database.sqlite"));
        window.Tables_Btn->click();
        QTRY_COMPARE(window.Messages.size(), std::size_t{2});
        QCOMPARE(window.Messages[1].Icon, QMessageBox::Critical);
        QVERIFY2(window.Messages[1].Text.startsWith("Cannot open SQLite database"),
                 qPrintable(window.Messages[1].Text));
        QCOMPARE(window.TableRequests.size(), std::size_t{2});
        QVERIFY(window.Tables_Btn->isEnabled());
    }

    void DirectoryChoosersStartInTheNearestFolderThatExists() {
        TTempDir folder;
        const QString root = QString::fromStdString(folder.Path().string());
        QVERIFY(QDir(root).mkpath("exists"));
        WriteFile(folder.File("exists/notes.txt"), "x");
        TTestMain_Frm window;
        const std::vector<std::tuple<QString, QString, QString>> cases = {
            {root + "/exists/new/deeper", root + "/exists", "new/deeper"},
            {root + "/exists", root + "/exists", ""},
            {root + "/exists/", root + "/exists", ""},
            {root + "/exists/notes.txt", root + "/exists", ""},
            {"", "", ""},
        };
        for (const auto& [path, start, typed] : cases) {
            window.ProjectTemplateDir_Edt->setText(path);
            window.TempDir_Btn->click();
            QCOMPARE(window.DirectoryRequests.back().Start, start);
            QCOMPARE(window.DirectoryRequests.back().Typed, typed);
            QCOMPARE(window.ProjectTemplateDir_Edt->text(), path); // cancelled
        }

        // The real chooser opens there with the missing part typed in; accepting it asks, then
        // makes the folders.
        window.RealDirectoryChooser = true;
        window.ProjectTargetDirectory_Edt->setText(root + "/exists/new/deeper");
        QString shownFolder;
        QString shownName;
        QString question;
        TModalAnswerer<QMessageBox> yes([&question](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        TModalAnswerer<QFileDialog> chooser([&](QFileDialog* dialog) {
            shownFolder = dialog->directory().absolutePath();
            shownName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            static_cast<QDialog*>(dialog)->accept();
        });
        window.TarDir_Btn->click();
        QCOMPARE(chooser.Answers, 1);
        QCOMPARE(shownFolder, root + "/exists");
        QCOMPARE(shownName, QStringLiteral("new/deeper"));
        QCOMPARE(question, QStringLiteral("The specified directory does not exist. Create it?"));
        QVERIFY(QDir(root + "/exists/new/deeper").exists());
        QCOMPARE(window.ProjectTargetDirectory_Edt->text(), root + "/exists/new/deeper");
    }

    void TheAboutWindowHasOneInstance() {
        TTestMain_Frm window;
        TAbout_Frm about(&window);
        window.About_Frm = &about;
        window.show();
        window.Help_Btn->click();
        QVERIFY(about.isVisible());
        about.Memo->setPlainText("typed by the user");
        about.Close_Btn->click();
        QVERIFY(!about.isVisible());
        window.Help_Btn->click();
        window.Help_Btn->click();
        QVERIFY(about.isVisible());
        QCOMPARE(about.Memo->toPlainText(), QStringLiteral("typed by the user"));
        int aboutWindows = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            aboutWindows += qobject_cast<TAbout_Frm*>(widget) != nullptr ? 1 : 0;
        }
        QCOMPARE(aboutWindows, 1);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quorvane"));
        QCOMPARE(about.Close_Btn->text(), QStringLiteral("&Close"));
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(&about, Qt::Key_C, Qt::AltModifier);
        // A mnemonic presses the button visibly, so the click arrives a moment later.
        QTRY_VERIFY(!about.isVisible());
    }

    void UsageTextCoversItsHeadings() {
        const QString text = UsageText();
        QVERIFY(text.startsWith("Quorvane " QUORVANE_PROJECT_VERSION "\n\n"));
        // Where NameFormat.ini is looked for, in the order it is looked for there.
        const qsizetype beside = text.indexOf(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/NameFormat.ini\n"));
        const qsizetype system = text.indexOf(QStringLiteral(" /etc/quorvane/NameFormat.ini\n"));
        QVERIFY2(beside > 0 && system > beside, qPrintable(text));
        QVERIFY(text.indexOf(QStringLiteral("/quorvane/NameFormat.ini\n"), beside) < system);
        for (const QString& heading :
             {QStringLiteral("How does Quorvane work?"), QStringLiteral("How to Use the Quorvane?"),
              QStringLiteral("How to Use the output projects?")}) {
            QVERIFY2(text.contains(heading + "\n" + QString(heading.size(), '=') + "\n"),
                     qPrintable(heading));
        }
        // Every kind of database file the run opens, where the text says what to select.
        const qsizetype select = text.indexOf(QStringLiteral("3. Select the "));
        QVERIFY(select > 0);
        for (const char* kind : {"UDL", "MDB", "SQLite", "FDB"}) {
            QVERIFY2(text.indexOf(QLatin1String(kind), select) < text.indexOf('\n', select), kind);
        }
    }

    void DataLinkEditorSavesAndTestsTheConnection() {
        TTempDir folder;
        QFile::copy(Sample("orders.sqlite"), QString::fromStdString(folder.File("orders.sqlite")));
        const QString path = QString::fromStdString(folder.File("orders.udl"));
        {
            TDataLinkEditor editor(path);
            TConnectionProperties properties = editor.Properties();
            QCOMPARE(QString::fromStdString(properties.Get("Provider")), QStringLiteral("SQLite"));
        }
        TConnectionProperties written;
        written.Set("Provider", "SQLite");
        written.Set("Data Source", "orders.sqlite");
        written.Set("Password", "Secret123");
        WriteDataLinkFile(path.toStdString(), written);

        TDataLinkEditor editor(path);
        QCOMPARE(QString::fromStdString(editor.Properties().Get("Data Source")),
                 QStringLiteral("orders.sqlite"));
        const QString result = editor.TestConnection();
        QCOMPARE(result, QStringLiteral("Test connection succeeded: 14 tables and views."));
        QVERIFY(editor.Save());
        const TConnectionProperties reread = ReadDataLinkFileAsWritten(path.toStdString());
        QCOMPARE(QString::fromStdString(reread.Get("Data Source")),
                 QStringLiteral("orders.sqlite"));
        QCOMPARE(QString::fromStdString(reread.Get("Password")), QStringLiteral("Secret123"));
    }

    void DataLinkEditorForgetsTheTestResultWhenAFieldChanges() {
        TTempDir folder;
        QFile::copy(Sample("orders.sqlite"), QString::fromStdString(folder.File("orders.sqlite")));
        TConnectionProperties written;
        written.Set("Provider", "SQLite");
        written.Set("Data Source", "orders.sqlite");
        const QString path = QString::fromStdString(folder.File("orders.udl"));
        WriteDataLinkFile(path.toStdString(), written);

        TDataLinkEditor editor(path);
        for (QLineEdit* field :
             {editor.DataSource_Edt, editor.InitialCatalog_Edt, editor.UserID_Edt,
              editor.Password_Edt, editor.ExtendedProperties_Edt}) {
            const QString text = field->text();
            editor.TestConnection();
            QVERIFY(editor.TestResult_Txt->toPlainText().startsWith("Test connection succeeded"));
            field->setText(text + "x");
            QVERIFY2(editor.TestResult_Txt->toPlainText().isEmpty(),
                     qPrintable(field->objectName()));
            field->setText(text);
        }
        editor.TestConnection();
        editor.Provider_Cbo->setCurrentText("Microsoft.Jet.OLEDB.4.0");
        QVERIFY(editor.TestResult_Txt->toPlainText().isEmpty());
    }

    void DataLinkEditorAsksBeforeSavingALinkWithoutDatabase() {
        TTempDir folder;
        const QString path = QString::fromStdString(folder.File("new.udl"));
        TDataLinkEditor editor(path);
        QVERIFY(editor.DataSource_Edt->text().isEmpty());
        {
            QString question;
            TModalAnswerer<QMessageBox> no([&question](QMessageBox* box) {
                question = box->text();
                box->button(QMessageBox::No)->click();
            });
            QVERIFY(!editor.Save());
            QCOMPARE(no.Answers, 1);
            QVERIFY(question.contains("names no database"));
            QVERIFY(!QFile::exists(path));
        }
        {
            TModalAnswerer<QMessageBox> yes(
                [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
            QVERIFY(editor.Save());
            QCOMPARE(yes.Answers, 1);
            QVERIFY(QFile::exists(path));
        }
        // An ODBC link may name its database in the connection string alone: no question.
        editor.Provider_Cbo->setCurrentText("MSDASQL.1");
        editor.ExtendedProperties_Edt->setText("DRIVER={PostgreSQL Unicode};DATABASE=sales");
        QVERIFY(!editor.NamesNoDatabase());
        editor.ExtendedProperties_Edt->clear();
        QVERIFY(editor.NamesNoDatabase());
        editor.DataSource_Edt->setText("SalesDsn");
        QVERIFY(!editor.NamesNoDatabase());
        TModalAnswerer<QMessageBox> none([](QMessageBox* box) { box->reject(); });
        QVERIFY(editor.Save());
        QCOMPARE(none.Answers, 0);
    }

    // Each provider family gets the fields it reads and, for a database file, its own filter;
    // Access offers both of its file kinds together.
    void DataLinkEditorOffersTheFieldsAndFilesOfEachProvider() {
        TDataLinkEditor editor(QString{});
        struct TCase {
            QString Provider;
            QString Filter; // empty: no file to browse for
            bool InitialCatalog;
            bool Login;
        };
        const std::vector<TCase> cases = {
            {"Microsoft.ACE.OLEDB.12.0", "Access Database(*.mdb *.accdb)", false, false},
            {"Microsoft.Jet.OLEDB.4.0", "Access Database(*.mdb *.accdb)", false, false},
            {"SQLite", "SQLite Database(*.sqlite *.sqlite3 *.db)", false, false},
            {"LCPI.IBProvider.5", "Firebird Database(*.fdb *.gdb *.ib)", false, true},
            {"PostgreSQL OLE DB Provider", "", true, true},
        };
        for (const TCase& c : cases) {
            editor.Provider_Cbo->setCurrentText(c.Provider);
            QVERIFY2(editor.InitialCatalog_Edt->isHidden() == !c.InitialCatalog,
                     qPrintable(c.Provider));
            QVERIFY2(editor.UserID_Edt->isHidden() == !c.Login, qPrintable(c.Provider));
            QVERIFY2(editor.Browse_Btn->isHidden() == c.Filter.isEmpty(), qPrintable(c.Provider));
            if (c.Filter.isEmpty()) {
                continue;
            }
            QStringList filters;
            TModalAnswerer<QFileDialog> cancel([&filters](QFileDialog* dialog) {
                filters = dialog->nameFilters();
                dialog->reject();
            });
            editor.Browse_Btn->click();
            QCOMPARE(cancel.Answers, 1);
            QCOMPARE(filters.value(0), c.Filter);
            QVERIFY(editor.DataSource_Edt->text().isEmpty());
        }
    }

    void PreviewShowsTheEditsARunWouldUndoAndWritesNothing() {
        TTempDir folder;
        TDM dm;
        TTestMain_Frm window;
        FillRun(window, dm, folder, Sample("orders.udl"));
        // Over no earlier output: every file new, and nothing made.
        window.Preview_Btn->click();
        window.WaitForRun();
        QCOMPARE(window.Previews.size(), std::size_t(1));
        QVERIFY(!QDir(QString::fromStdString(folder.File("out"))).exists());
        QVERIFY(!window.Previews[0].empty());
        for (const TPreviewEntry& entry : window.Previews[0]) {
            QCOMPARE(entry.State, TPreviewState::New);
        }
        QCOMPARE(window.Statuses.back(), QStringLiteral("Finished."));

        window.Gen_Btn->click();
        window.WaitForRun();
        const std::string form = folder.File("out/MidasProject/Midas_Client/frmOrders.dfm");
        std::string text = ReadFile(form);
        text.replace(text.find("Caption = 'Orders'"), 18, "Caption = 'Mine'");
        WriteFile(form, text);
        window.Messages.clear();
        window.Questions = 0;
        window.Preview_Btn->click();
        window.WaitForRun();
        // No replace question, no box: the list is the answer.
        QCOMPARE(window.Questions, 0);
        QVERIFY(window.Messages.empty());
        QCOMPARE(ReadFile(form), text);
        std::vector<const TPreviewEntry*> changed;
        for (const TPreviewEntry& entry : window.Previews.back()) {
            if (entry.State != TPreviewState::Unchanged) {
                changed.push_back(&entry);
            }
        }
        QCOMPARE(changed.size(), std::size_t(1));
        QCOMPARE(changed[0]->Full, form);
        QVERIFY(changed[0]->Diff.find("-  Caption = 'Mine'\n+  Caption = 'Orders'\n") !=
                std::string::npos);
    }

    void PreviewDialogHidesUnchangedFilesAndShowsTheSelectedDiff() {
        std::vector<TPreviewEntry> entries(3);
        entries[0] = {"a.pas", "/out/a.pas", TPreviewState::Unchanged, ""};
        entries[1] = {"b.dfm", "/out/b.dfm", TPreviewState::Changed, "--- b\n+++ b\n-x\n+y\n"};
        entries[2] = {"c.pas", "/out/c.pas", TPreviewState::New, ""};
        TPreview_Frm preview(entries);
        QCOMPARE(preview.Files_Lst->count(), 2);
        QCOMPARE(preview.Files_Lst->item(0)->text(), QStringLiteral("changed\tb.dfm"));
        QVERIFY(preview.Diff_Mem->toPlainText().contains(QStringLiteral("-x\n+y")));
        preview.Files_Lst->setCurrentRow(1);
        QCOMPARE(preview.EntryOfRow(1).Relative, std::string("c.pas"));
        QVERIFY(preview.Diff_Mem->toPlainText().contains(QStringLiteral("A new file")));
        preview.ShowUnchanged_Chk->setChecked(true);
        QCOMPARE(preview.Files_Lst->count(), 3);
        QCOMPARE(preview.EntryOfRow(0).Relative, std::string("a.pas"));
        QVERIFY(preview.Summary_Lbl->text().contains(QStringLiteral("1 new, 1 changed and 1 "
                                                                    "unchanged")));
    }
};

} // namespace quorvane::ui

QTEST_MAIN(quorvane::ui::MainWindowTest)
#include "MainWindowTest.moc"
