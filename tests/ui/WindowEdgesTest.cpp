// The main window around its database field and its size: the chooser opens on the filter that
// shows the field's file, "Edit...." offers a new data link for a database file, a larger window
// gives its room to the fields rather than to the groups, and an installed program starts with
// its sample template.

#include "DataLinkEditor.h"
#include "ModalAnswerer.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "datalink/DatabaseFile.h"
#include "frmMain.h"
#include "io/InstallPaths.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

namespace quorvane::ui {

namespace {

using quorvane::testing::TModalAnswerer;

// The patterns of a name filter such as "SQLite Database(*.sqlite *.db)".
QStringList PatternsOf(const QString& filter) {
    const qsizetype open = filter.indexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    return filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Whether the file dialog, with `filter` chosen, lists a file of this name; it compares names
// without regard to letter case.
bool FilterShows(const QString& filter, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    for (const QString& pattern : PatternsOf(filter)) {
        if (QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive).match(name).hasMatch()) {
            return true;
        }
    }
    return false;
}

// The .udl files below `folder`.
std::vector<std::filesystem::path> DataLinkFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().extension() == ".udl") {
            found.push_back(entry.path());
        }
    }
    return found;
}

} // namespace

// The window with its dialogs answered by the test.
class TEdgesMain_Frm : public TMain_Frm {
public:
    std::vector<std::pair<int, QString>> OpenRequests;
    std::vector<QString> Messages;
    std::vector<QString> Questions;
    bool Answer = true;
    // What each editor the window showed held when it opened.
    struct TEditorSeen {
        QString Path;
        QString Provider;
        QString DataSource;
    };
    std::vector<TEditorSeen> Editors;
    // Called with the editor the window shows; returns what the editor's OK gave, or "" for its
    // Cancel. Unset: the editor is cancelled.
    std::function<QString(TDataLinkEditor&)> OnEditor;
    // Whether ChooseOpenFile runs the real dialog (the test answers it) rather than recording.
    bool RealChooser = false;

    QString FilterText(int index) const {
        return findChild<QFileDialog*>(QStringLiteral("OpenDialog"))
            ->nameFilters()
            .value(index - 1);
    }

protected:
    void ShowMessage(QMessageBox::Icon, const QString& text) override { Messages.push_back(text); }
    bool AskQuestion(const QString& text) override {
        Questions.push_back(text);
        return Answer;
    }
    QString ChooseOpenFile(int filterIndex, const QString& fileName) override {
        OpenRequests.emplace_back(filterIndex, fileName);
        return RealChooser ? TMain_Frm::ChooseOpenFile(filterIndex, fileName) : QString();
    }
    QString ShowDataLinkEditor(TDataLinkEditor& editor) override {
        Editors.push_back({editor.Path(), editor.ProviderName(), editor.DataSource_Edt->text()});
        return OnEditor ? OnEditor(editor) : QString();
    }
};

class WindowEdgesTest : public QObject {
    Q_OBJECT

private slots:
    // The chooser beside the database field opens on the filter that lists the field's file, by
    // its extension in any letter case; an empty field on every database kind at once, a name
    // of no known kind on every file. The map file's chooser keeps to text files.
    void TheDatabaseChooserOpensOnTheFilterOfTheFieldsFile() {
        TEdgesMain_Frm window;
        const std::map<QString, QString> filterOf = {
            {"/data/orders.udl", "Data Link File(*.udl)"},
            {"/data/Orders.MDB", "Access Database(*.mdb *.accdb)"},
            {"sales.accdb", "Access Database(*.mdb *.accdb)"},
            {"/data/orders.sqlite", "SQLite Database(*.sqlite *.sqlite3 *.db)"},
            {"/data/orders.SQLITE3", "SQLite Database(*.sqlite *.sqlite3 *.db)"},
            {"/data/orders.db", "SQLite Database(*.sqlite *.sqlite3 *.db)"},
            {"/data/employee.fdb", "Firebird Database(*.fdb *.gdb *.ib)"},
            {"/data/legacy.Gdb", "Firebird Database(*.fdb *.gdb *.ib)"},
            {"/data/old.ib", "Firebird Database(*.fdb *.gdb *.ib)"},
            // A SQLite file without an extension, which the engine reads by its first bytes.
            {"/data/orders", "Any File(*)"},
            {"/data/x.mdb/orders.bak", "Any File(*)"},
        };
        for (const auto& [path, filter] : filterOf) {
            window.UDL_Edt->setText(path);
            window.OpenUDL_Bnt->click();
            const auto& [index, fileName] = window.OpenRequests.back();
            QCOMPARE(fileName, path);
            QCOMPARE(window.FilterText(index), filter);
            QVERIFY2(FilterShows(window.FilterText(index), path), qPrintable(path));
        }

        window.UDL_Edt->clear();
        window.OpenUDL_Bnt->click();
        const QString all = window.FilterText(window.OpenRequests.back().first);
        QVERIFY2(all.startsWith(QStringLiteral("All databases(")), qPrintable(all));
        // Every extension by which the engine knows a database input.
        for (const TDatabaseFileKind kind :
             {TDatabaseFileKind::DataLink, TDatabaseFileKind::Jet, TDatabaseFileKind::Ace,
              TDatabaseFileKind::Sqlite, TDatabaseFileKind::Firebird}) {
            for (const std::string_view extension : DatabaseFileExtensions(kind)) {
                const QString name =
                    QStringLiteral("orders") +
                    QString::fromLatin1(extension.data(), static_cast<qsizetype>(extension.size()));
                QVERIFY2(FilterShows(all, name), qPrintable(name));
            }
        }
        for (const char* name : {"a.udl", "a.accdb", "a.sqlite3", "a.ib"}) {
            QVERIFY2(FilterShows(all, QString::fromLatin1(name)), name);
        }
        QVERIFY(!FilterShows(all, QStringLiteral("notes.txt")));

        window.OpenList_Btn->click();
        QCOMPARE(window.FilterText(window.OpenRequests.back().first),
                 QStringLiteral("Text File(*.txt)"));
    }

    // The real dialog opens with the file's filter chosen and the file selected in its folder.
    void TheRealChooserShowsTheFieldsFile() {
        TTempDir folder;
        const QString database = QString::fromStdString(folder.File("orders.sqlite3"));
        WriteFile(database.toStdString(), "");
        TEdgesMain_Frm window;
        window.RealChooser = true;
        window.UDL_Edt->setText(database);
        QString filter;
        QStringList selected;
        TModalAnswerer<QFileDialog> look([&](QFileDialog* dialog) {
            filter = dialog->selectedNameFilter();
            selected = dialog->selectedFiles();
            dialog->reject();
        });
        window.OpenUDL_Bnt->click();
        QCOMPARE(look.Answers, 1);
        QCOMPARE(filter, QStringLiteral("SQLite Database(*.sqlite *.sqlite3 *.db)"));
        QCOMPARE(selected, QStringList{database});
        QCOMPARE(window.UDL_Edt->text(), database);
    }

    // For a database file "Edit...." asks, and on yes opens the editor as a new link with the
    // provider a run would use for that file and the file, by its full path, as Data Source.
    void EditOnADatabaseFileOffersANewDataLink() {
        const struct {
            QString Path;
            QString Provider;
            QString DataSource;
        } cases[] = {
            // A relative path would be read from the link's own folder.
            {"orders.sqlite", "SQLite", QDir::currentPath() + "/orders.sqlite"},
            {"/data/orders.db", "SQLite", "/data/orders.db"},
            {"/data/EMPLOYEE.FDB", "Firebird", "/data/EMPLOYEE.FDB"},
            {"/data/old.gdb", "Firebird", "/data/old.gdb"},
            {"/data/northwind.mdb", "Microsoft.Jet.OLEDB.4.0", "/data/northwind.mdb"},
            {"/data/sales.accdb", "Microsoft.ACE.OLEDB.12.0", "/data/sales.accdb"},
        };
        for (const auto& c : cases) {
            TEdgesMain_Frm window;
            window.UDL_Edt->setText(c.Path);
            window.EditUDL_Btn->click();
            QCOMPARE(window.Questions.size(), std::size_t{1});
            QVERIFY2(window.Questions[0].contains(c.Path), qPrintable(window.Questions[0]));
            QCOMPARE(window.Editors.size(), std::size_t{1});
            QCOMPARE(window.Editors[0].Path, QString());
            QCOMPARE(window.Editors[0].Provider, c.Provider);
            QCOMPARE(window.Editors[0].DataSource, c.DataSource);
            // The editor cancelled: the field keeps the database.
            QCOMPARE(window.UDL_Edt->text(), c.Path);
            QVERIFY(window.Messages.empty());
        }

        // Answered no: no editor, nothing changes.
        TEdgesMain_Frm window;
        window.Answer = false;
        window.UDL_Edt->setText("/data/orders.sqlite");
        window.EditUDL_Btn->click();
        QCOMPARE(window.Questions.size(), std::size_t{1});
        QVERIFY(window.Editors.empty());
        QCOMPARE(window.UDL_Edt->text(), QStringLiteral("/data/orders.sqlite"));

        // A data-link file is edited as it is, without a question; a file of no known kind is
        // told, and neither asked about nor edited.
        TEdgesMain_Frm other;
        other.UDL_Edt->setText("/data/orders.udl");
        other.EditUDL_Btn->click();
        QVERIFY(other.Questions.empty());
        QCOMPARE(other.Editors.size(), std::size_t{1});
        QCOMPARE(other.Editors[0].Path, QStringLiteral("/data/orders.udl"));
        other.UDL_Edt->setText("/data/notes.txt");
        other.EditUDL_Btn->click();
        QVERIFY(other.Questions.empty());
        QCOMPARE(other.Editors.size(), std::size_t{1});
        QCOMPARE(other.Messages.size(), std::size_t{1});
        QVERIFY(other.Messages[0].contains(QStringLiteral("/data/notes.txt")));
    }

    // The new link is saved where the user chooses, proposed beside the database under its
    // name; the field then names the link, which a run reads as the database. A chooser
    // cancelled writes nothing.
    void TheNewDataLinkIsSavedWhereTheUserChooses() {
        TTempDir folder;
        const QString database = QString::fromStdString(folder.File("data/orders.sqlite"));
        WriteFile(database.toStdString(), "");
        std::filesystem::create_directories(folder.File("links"));
        const QString chosen = QString::fromStdString(folder.File("links/orders-link.udl"));

        TEdgesMain_Frm window;
        window.UDL_Edt->setText(database);
        QString proposed;
        bool saveAnswered = false;
        window.OnEditor = [&](TDataLinkEditor& editor) {
            // The editor's OK: it saves, asking for the place first.
            TModalAnswerer<QFileDialog> cancel([&](QFileDialog* dialog) {
                proposed = dialog->selectedFiles().value(0);
                dialog->reject();
            });
            editor.accept();
            return editor.result() == QDialog::Accepted ? editor.Path() : QString();
        };
        window.EditUDL_Btn->click();
        QCOMPARE(proposed, QString::fromStdString(folder.File("data/orders.udl")));
        QVERIFY(DataLinkFiles(folder.Path()).empty());
        QCOMPARE(window.UDL_Edt->text(), database);

        window.OnEditor = [&](TDataLinkEditor& editor) {
            TModalAnswerer<QFileDialog> save([&](QFileDialog* dialog) {
                saveAnswered = true;
                // Typed into the name field, as a user names a file in another folder.
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(chosen);
                // As its Save button does; the file dialog keeps accept() to itself.
                static_cast<QDialog*>(dialog)->accept();
            });
            editor.accept();
            return editor.result() == QDialog::Accepted ? editor.Path() : QString();
        };
        window.EditUDL_Btn->click();
        QVERIFY(saveAnswered);
        QCOMPARE(window.UDL_Edt->text(), chosen);
        QCOMPARE(DataLinkFiles(folder.Path()),
                 std::vector<std::filesystem::path>{chosen.toStdString()});
        const TConnectionProperties link = ReadDataLinkFile(chosen.toStdString());
        QCOMPARE(QString::fromStdString(link.Get("Provider")), QStringLiteral("SQLite"));
        QCOMPARE(QString::fromStdString(link.Get("Data Source")), database);
        QCOMPARE(QString::fromStdString(ConnectionStringForDatabase(chosen.toStdString())),
                 QStringLiteral("FILE NAME=") + chosen);
    }

    // A taller and wider window: the groups keep their height, the fields take the width.
    void TheGroupsKeepTheirHeightWhenTheWindowGrows() {
        TEdgesMain_Frm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        std::map<QString, int> heights;
        const auto groups = window.centralWidget()->findChildren<QGroupBox*>();
        for (const QGroupBox* group : groups) {
            heights[group->objectName()] = group->height();
        }
        QCOMPARE(heights.size(), std::size_t{6});
        const std::vector<QLineEdit*> fields = {window.ProjectTemplateDir_Edt, window.UDL_Edt,
                                                window.TableType_Edt, window.FloatFormat_Edt,
                                                window.DMName_Edt};
        std::map<QLineEdit*, int> widths;
        for (QLineEdit* field : fields) {
            widths[field] = field->width();
        }
        const int bottom = window.Gen_Btn->geometry().bottom();

        const QSize larger = window.size() + QSize(400, 300);
        window.resize(larger);
        QTRY_COMPARE(window.size(), larger);
        QTRY_VERIFY(window.UDL_Edt->width() > widths[window.UDL_Edt]);
        for (const QGroupBox* group : groups) {
            QVERIFY2(group->height() == heights[group->objectName()],
                     qPrintable(group->objectName()));
        }
        for (QLineEdit* field : fields) {
            QVERIFY2(field->width() > widths[field], qPrintable(field->objectName()));
        }
        // The buttons of a run stay at the bottom, above the status bar.
        QVERIFY(window.Gen_Btn->geometry().bottom() >= bottom + 250);
    }

    // An installed program's template field shows the sample template; a build tree's stays
    // empty, and a value already there is kept. The output field stays the user's choice.
    void AnInstalledProgramStartsWithItsSampleTemplate() {
        TTempDir folder;
        TInstallLayout layout;
        layout.ExecutableDirectory = folder.File("usr/bin/");
        std::filesystem::create_directories(layout.ExecutableDirectory);
        {
            TEdgesMain_Frm window;
            window.UseInstalledTemplate(layout);
            QCOMPARE(window.ProjectTemplateDir_Edt->text(), QString());
        }
        const std::string sample = folder.File("usr/share/quorvane/templates/MidasProject");
        std::filesystem::create_directories(sample + "/Midas_Client");
        {
            TEdgesMain_Frm window;
            window.UseInstalledTemplate(layout);
            QCOMPARE(window.ProjectTemplateDir_Edt->text(), QString::fromStdString(sample));
            QCOMPARE(window.ProjectTargetDirectory_Edt->text(), QString());
        }
        {
            TEdgesMain_Frm window;
            window.ProjectTemplateDir_Edt->setText("/home/me/templates/Mine");
            window.UseInstalledTemplate(layout);
            QCOMPARE(window.ProjectTemplateDir_Edt->text(),
                     QStringLiteral("/home/me/templates/Mine"));
        }
        // The program of a build tree has no installation around it.
        TInstallLayout buildTree;
        buildTree.ExecutableDirectory = folder.File("build/bin/");
        std::filesystem::create_directories(buildTree.ExecutableDirectory);
        TEdgesMain_Frm window;
        window.UseInstalledTemplate(buildTree);
        QCOMPARE(window.ProjectTemplateDir_Edt->text(), QString());
    }
};

} // namespace quorvane::ui

QTEST_MAIN(quorvane::ui::WindowEdgesTest)
#include "WindowEdgesTest.moc"
