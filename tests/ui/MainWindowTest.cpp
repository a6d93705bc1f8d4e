// The desktop program on the offscreen platform: defaults, options, a run from the window, the
// refusals and messages around it, and the About window.

#include "DataLinkEditor.h"
#include "TempDir.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "generate/dmCodeGenerator.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

namespace quorvane::ui {

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
    QString NextFile;
    QString NextDirectory;
    bool ReplaceAnswer = true;
    std::function<void(const QString&)> OnEachStatus;

protected:
    void ShowMessage(QMessageBox::Icon icon, const QString& text) override {
        Messages.push_back({icon, text});
    }
    bool AskQuestion(const QString&) override { return ReplaceAnswer; }
    QString ChooseOpenFile(int filterIndex, const QString& fileName) override {
        OpenRequests.emplace_back(filterIndex, fileName);
        return NextFile;
    }
    QString ChooseDirectory(const QString&) override { return NextDirectory; }
    void DMStatus(TDM& sender, const std::string& text) override {
        TMain_Frm::DMStatus(sender, text);
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

private slots:
    void StartsWithEveryDefault() {
        TTestMain_Frm window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane 0.9"));
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
              window.WithColon_Chk, window.AutoSize_Chk, window.LeftJustify_Chk}) {
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
        QCOMPARE(window.TrimPrefix_Chk->text(), QStringLiteral("Trim Table Name Prefix Before _:"));
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
        // The keyboard visits the groups server, client data module, client forms, database,
        // project directory, then the Generate button.
        QCOMPARE(NextTabStop(window.ProviderOptions_Cbo),
                 static_cast<QWidget*>(window.ConnectionBrokerName_Edt));
        QCOMPARE(NextTabStop(window.DateFormat_Edt), static_cast<QWidget*>(window.DMName_Edt));
        QCOMPARE(NextTabStop(window.LeftJustify_Chk), static_cast<QWidget*>(window.UDL_Edt));
        QCOMPARE(NextTabStop(window.NameCodeOrder_Rdo),
                 static_cast<QWidget*>(window.ProjectTemplateDir_Edt));
        QCOMPARE(NextTabStop(window.TarDir_Btn), static_cast<QWidget*>(window.Gen_Btn));
    }

    void GetOptionsReadsEveryControl() {
        TTestMain_Frm window;
        window.ProjectTemplateDir_Edt->setText(" /t/MidasProject ");
        window.ProjectTargetDirectory_Edt->setText("/o");
        window.UDL_Edt->setText("d.udl");
        window.CollumName_Edt->setText("m.txt");
        window.NameCodeOrder_Rdo->setChecked(true);
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

        window.IsRDM_Chk->setChecked(false);
        window.IsRDM_ChkClick();
        QVERIFY(window.ProviderOptions_Cbo->isHidden());
        QVERIFY(window.ProviderOptions_Lab->isHidden());
    }

    void RunFromTheWindowShowsEveryStatusThenTheClosingBox() {
        TTempDir folder;
        TDM dm;
        TTestMain_Frm window;
        FillRun(window, dm, folder, Sample("orders.udl"));
        window.CollumName_Edt->setText(Sample("orders-map.txt"));
        // A click while the run is under way is refused: the engine is never entered twice.
        int clicksDuringRun = 0;
        window.OnEachStatus = [&](const QString& text) {
            if (text == "Generate Client DM Code...") {
                ++clicksDuringRun;
                window.Gen_Btn->click();
            }
        };

        window.Gen_Btn->click();

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

        // Again over the same output: the window asks before replacing; a "no" ends the run.
        window.Messages.clear();
        window.ReplaceAnswer = false;
        window.Gen_Btn->click();
        QCOMPARE(window.Messages.size(), std::size_t(1));
        QCOMPARE(window.Messages[0].Icon, QMessageBox::Critical);
        QVERIFY(window.Messages[0].Text.contains("from an earlier run"));
    }

    void AFailedRunReportsTheErrorOnly() {
        TTempDir folder;
        TDM dm;
        TTestMain_Frm window;
        FillRun(window, dm, folder, QString::fromStdString(folder.File("missing.udl")));
        window.Gen_Btn->click();
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
        QCOMPARE(window.Messages.size(), std::size_t(1));
        QCOMPARE(window.Messages[0].Icon, QMessageBox::Critical);
        QCOMPARE(window.Messages[0].Text, QStringLiteral("'four' is not a valid integer value."));
        QVERIFY(window.Statuses.empty());
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
    }

    void TheAboutWindowHasOneInstance() {
        TTestMain_Frm window;
        TAbout_Frm about(&window);
        window.About_Frm = &about;
        window.show();
        window.Help_Btn->click();
        QVERIFY(about.isVisible());
        about.Memo->setPlainText("typed by the user");
        about.OK_Btn->click();
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
        QCOMPARE(about.OK_Btn->text(), QStringLiteral("&OK"));
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(&about, Qt::Key_O, Qt::AltModifier);
        // A mnemonic presses the button visibly, so the click arrives a moment later.
        QTRY_VERIFY(!about.isVisible());
    }

    void UsageTextCoversItsHeadings() {
        const QString text = UsageText();
        QVERIFY(text.startsWith("Quorvane 0.9\n\n"));
        for (const QString& heading :
             {QStringLiteral("How does Quorvane work?"), QStringLiteral("How to Use the Quorvane?"),
              QStringLiteral("How to Use the output projects?")}) {
            QVERIFY2(text.contains(heading + "\n" + QString(heading.size(), '=') + "\n"),
                     qPrintable(heading));
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
};

} // namespace quorvane::ui

QTEST_MAIN(quorvane::ui::MainWindowTest)
#include "MainWindowTest.moc"
