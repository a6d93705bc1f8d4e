// The data-link editor and the About window as a user meets them: a connection test that leaves
// the window answering and its fields as they were, providers listed by name, and an About
// window that reads as a page.

#include "DataLinkEditor.h"
#include "LoopbackSocket.h"
#include "TempDir.h"
#include "datalink/ProviderFamily.h"
#include "frmAbout.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QThreadPool>
#include <QTimer>

#include <cstdlib>
#include <map>
#include <memory>

namespace quorvane::ui {

using testing::TLoopbackSocket;

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Chooses a listed provider as a user does, from the list.
void ChooseProvider(TDataLinkEditor& editor, const QString& progId) {
    const int index = editor.Provider_Cbo->findData(progId);
    QVERIFY2(index >= 0, qPrintable(progId));
    editor.Provider_Cbo->setCurrentIndex(index);
}

// A PostgreSQL link to 127.0.0.1:`port`, with a password that must never be shown.
void FillServerLink(TDataLinkEditor& editor, const std::string& port) {
    ChooseProvider(editor, QStringLiteral("PostgreSQL.1"));
    editor.DataSource_Edt->setText(QStringLiteral("127.0.0.1:") + QString::fromStdString(port));
    editor.InitialCatalog_Edt->setText(QStringLiteral("shop"));
    editor.UserID_Edt->setText(QStringLiteral("nobody"));
    editor.Password_Edt->setText(QStringLiteral("Unanswered7"));
}

std::map<QString, int> FieldHeights(const TDataLinkEditor& editor) {
    std::map<QString, int> heights;
    const std::initializer_list<const QWidget*> fields = {
        editor.Provider_Cbo, editor.DataSource_Edt, editor.InitialCatalog_Edt,
        editor.UserID_Edt,   editor.Password_Edt,   editor.TestConnection_Btn};
    for (const QWidget* field : fields) {
        heights[field->objectName()] = field->height();
    }
    return heights;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private:
    // The server providers reach PostgreSQL through this driver; CI has it installed.
    static bool PostgreSqlDriverMissing() {
        return std::system("odbcinst -q -d -n 'PostgreSQL Unicode' >/dev/null 2>&1") != 0;
    }

private slots:
    // The driver's message for a refused connection comes in lines broken by "\n\t"; it shows
    // as one line, below fields that keep their height however long it is.
    void AFailedTestShowsOneLineAndKeepsTheFields() {
        if (PostgreSqlDriverMissing()) {
            QVERIFY2(std::getenv("CI") == nullptr, "CI is set, but PostgreSQL Unicode is missing");
            QSKIP("the ODBC driver PostgreSQL Unicode is not installed");
        }
        const TLoopbackSocket closed(false);
        TDataLinkEditor editor(QString{});
        FillServerLink(editor, closed.Port());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const std::map<QString, int> heights = FieldHeights(editor);
        const int resultHeight = editor.TestResult_Txt->height();

        const QString result = editor.TestConnection();
        QVERIFY2(result.startsWith(QStringLiteral("Test connection failed: Cannot connect to "
                                                  "\"127.0.0.1:") +
                                   QString::fromStdString(closed.Port())),
                 qPrintable(result));
        QVERIFY2(result.contains(QStringLiteral("Connection refused")), qPrintable(result));
        for (const QString& stray : {QStringLiteral("\t"), QStringLiteral("\n"),
                                     QStringLiteral("\\n"), QStringLiteral("  ")}) {
            QVERIFY2(!result.contains(stray), qPrintable(result));
        }
        QVERIFY2(!result.contains(QStringLiteral("Unanswered7")), qPrintable(result));
        QCOMPARE(editor.TestResult_Txt->toPlainText(), result);
        // Longer than the window is wide: it wraps in its own area.
        QVERIFY(editor.TestResult_Txt->fontMetrics().horizontalAdvance(result) >
                editor.TestResult_Txt->width());

        QTest::qWait(50); // the layout answers the new text
        QCOMPARE(FieldHeights(editor), heights);
        QCOMPARE(editor.TestResult_Txt->height(), resultHeight);
        for (const QLineEdit* field : {editor.DataSource_Edt, editor.Password_Edt}) {
            QVERIFY2(field->height() >= field->sizeHint().height(),
                     qPrintable(field->objectName()));
        }
    }

    // A server that takes the connection and never answers: the window keeps answering, may be
    // closed meanwhile, and reports when the test ends.
    void TheTestRunsOffTheGuiThread() {
        if (PostgreSqlDriverMissing()) {
            QVERIFY2(std::getenv("CI") == nullptr, "CI is set, but PostgreSQL Unicode is missing");
            QSKIP("the ODBC driver PostgreSQL Unicode is not installed");
        }
        auto silent = std::make_unique<TLoopbackSocket>(true);
        const std::string port = silent->Port();

        // Closed while its test waits: the test's end reaches no window.
        QPointer<TDataLinkEditor> closing = new TDataLinkEditor(QString{});
        closing->setAttribute(Qt::WA_DeleteOnClose);
        FillServerLink(*closing, port);
        closing->show();
        closing->TestConnection_Btn->click();
        QVERIFY(closing->TestRunning());
        closing->close();
        QTRY_VERIFY(closing.isNull());

        TDataLinkEditor editor(QString{});
        FillServerLink(editor, port);
        editor.show();
        QSignalSpy finished(&editor, &TDataLinkEditor::TestConnectionFinished);
        editor.TestConnection_Btn->click();
        QVERIFY(editor.TestRunning());
        QVERIFY(!editor.TestConnection_Btn->isEnabled());
        QVERIFY(editor.TestBusy_Bar->isVisible());
        QCOMPARE(editor.TestResult_Txt->toPlainText(), QStringLiteral("Testing the connection..."));
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(10);
        QTRY_VERIFY(ticks >= 20);
        QVERIFY(finished.isEmpty());
        QVERIFY(editor.TestRunning());

        // The server goes: its queued connections are reset, and the driver gives up.
        silent.reset();
        QVERIFY(finished.wait(60000));
        const QString result = finished.first().first().toString();
        QVERIFY2(result.startsWith(QStringLiteral("Test connection failed: ")), qPrintable(result));
        QCOMPARE(editor.TestResult_Txt->toPlainText(), result);
        QVERIFY(!editor.TestRunning());
        QVERIFY(editor.TestConnection_Btn->isEnabled());
        QVERIFY(!editor.TestBusy_Bar->isVisible());

        // A field changed while the test ran: its result speaks of the old fields, and is not
        // shown.
        editor.TestConnection_Btn->click();
        editor.InitialCatalog_Edt->setText(QStringLiteral("other"));
        QVERIFY(finished.wait(60000));
        QVERIFY(finished.last().first().toString().startsWith(QStringLiteral("Test connection")));
        QVERIFY(editor.TestResult_Txt->toPlainText().isEmpty());

        // The closed window's test has ended too, touching nothing of it.
        QVERIFY(QThreadPool::globalInstance()->waitForDone(60000));
    }

    void ProvidersAreListedByNameAndSavedByProgId() {
        TTempDir folder;
        const QString path = QString::fromStdString(folder.File("server.udl"));
        {
            TDataLinkEditor editor(path);
            const auto known = KnownProviders();
            QCOMPARE(editor.Provider_Cbo->count(), static_cast<int>(known.size()));
            for (int index = 0; index < editor.Provider_Cbo->count(); ++index) {
                const QString progId = FromView(known[static_cast<std::size_t>(index)].ProgId);
                const QString name = FromView(known[static_cast<std::size_t>(index)].Name);
                QVERIFY2(!name.isEmpty() && name != progId, qPrintable(progId));
                QCOMPARE(editor.Provider_Cbo->itemText(index), name + " (" + progId + ")");
                QVERIFY2(ProviderFamilyOf(known[static_cast<std::size_t>(index)].ProgId) !=
                             TProviderFamily::Unknown,
                         qPrintable(progId));
            }
            ChooseProvider(editor, QStringLiteral("MSOLEDBSQL"));
            QCOMPARE(editor.Provider_Cbo->currentText(),
                     QStringLiteral("Microsoft OLE DB Driver for SQL Server (MSOLEDBSQL)"));
            QCOMPARE(editor.ProviderName(), QStringLiteral("MSOLEDBSQL"));
            // The fields follow the provider the name stands for: a server and its login.
            QVERIFY(!editor.InitialCatalog_Edt->isHidden());
            QVERIFY(editor.Browse_Btn->isHidden());
            editor.DataSource_Edt->setText(QStringLiteral("db.example"));
            QVERIFY(editor.Save());
        }
        QCOMPARE(
            QString::fromStdString(ReadDataLinkFileAsWritten(path.toStdString()).Get("Provider")),
            QStringLiteral("MSOLEDBSQL"));

        // A listed provider spelt otherwise by the file shows by name and keeps the spelling;
        // one the list lacks shows and stays as the file has it.
        for (const auto& [inFile, shown] : std::map<QString, QString>{
                 {QStringLiteral("sqloledb.1"), QStringLiteral("Microsoft OLE DB Provider for SQL "
                                                               "Server (SQLOLEDB.1)")},
                 {QStringLiteral("PGNP.1"), QStringLiteral("PGNP.1")}}) {
            TConnectionProperties properties;
            properties.Set("Provider", inFile.toStdString());
            properties.Set("Data Source", "db.example");
            WriteDataLinkFile(path.toStdString(), properties);
            TDataLinkEditor editor(path);
            QCOMPARE(editor.Provider_Cbo->currentText(), shown);
            QCOMPARE(editor.ProviderName(), inFile);
            QVERIFY(!editor.InitialCatalog_Edt->isHidden());
            QVERIFY(editor.Save());
            QCOMPARE(QString::fromStdString(
                         ReadDataLinkFileAsWritten(path.toStdString()).Get("Provider")),
                     inFile);
        }

        // Typed by hand, a provider is what was typed.
        TDataLinkEditor typed(QString{});
        typed.Provider_Cbo->setEditText(QStringLiteral("MSOLEDBSQL.19"));
        QCOMPARE(typed.ProviderName(), QStringLiteral("MSOLEDBSQL.19"));
    }

    void AboutWindowReadsAsAPage() {
        TAbout_Frm about;
        about.resize(480, 420);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.Title_Lab->text(), QStringLiteral("Quorvane " QUORVANE_PROJECT_VERSION));
        QVERIFY(about.Title_Lab->font().bold());
        QVERIFY(about.Title_Lab->font().pointSizeF() > about.Memo->font().pointSizeF());

        QVERIFY(!QFontInfo(about.Memo->font()).fixedPitch());
        QCOMPARE(about.Memo->palette().color(QPalette::Base),
                 QApplication::palette(about.Memo).color(QPalette::Base));
        QCOMPARE(about.Memo->lineWrapMode(), QTextEdit::WidgetWidth);
        QCOMPARE(about.Memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!about.Memo->horizontalScrollBar()->isVisible());
        // Wrapped to the box: no line is wider than it shows.
        QVERIFY(about.Memo->document()->idealWidth() <= about.Memo->viewport()->width());

        // Every word of the usage text is there, in order, without the title the heading shows
        // and without the underlines of the headings.
        QStringList expectedLines = UsageText().split('\n');
        QCOMPARE(expectedLines.takeFirst(), QStringLiteral("Quorvane " QUORVANE_PROJECT_VERSION));
        expectedLines.removeIf([](const QString& line) {
            return line.startsWith(QLatin1String("===")) && line.count('=') == line.size();
        });
        const QString page = about.Memo->toPlainText();
        QCOMPARE(page.simplified(), expectedLines.join(' ').simplified());

        // Lines broken by hand are joined into paragraphs; headings are bold; a numbered point
        // hangs its number in the margin; folder names keep lines of their own.
        const auto block = [&about](const QString& start) {
            for (QTextBlock b = about.Memo->document()->begin(); b.isValid(); b = b.next()) {
                if (b.text().startsWith(start)) {
                    return b;
                }
            }
            return QTextBlock();
        };
        QVERIFY(block(QStringLiteral("A MIDAS (multi-tier) project is made of two programs: an "
                                     "application server and a client application."))
                    .isValid());
        const QTextBlock heading = block(QStringLiteral("How does Quorvane work?"));
        QCOMPARE(heading.text(), QStringLiteral("How does Quorvane work?"));
        QCOMPARE(heading.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        const QTextBlock point = block(QStringLiteral("3. It replaces the variable blocks"));
        QVERIFY(point.text().endsWith(QStringLiteral("inserts the generated code blocks.")));
        QVERIFY(point.blockFormat().textIndent() < 0);
        QCOMPARE(point.blockFormat().leftMargin(), -point.blockFormat().textIndent());
        QVERIFY(block(QStringLiteral("/etc/quorvane/NameFormat.ini")).isValid());
    }
};

} // namespace quorvane::ui

QTEST_MAIN(quorvane::ui::DialogsTest)
#include "DialogsTest.moc"
