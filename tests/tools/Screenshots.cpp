// Takes pictures of the windows as a user sees them: the main window at start-up with the focus
// in its first field, the main window during a run over the sample database with the progress
// beside the status text, the About window, and the data-link editor after a connection test
// that failed. Run by
// scripts/screenshots under Xvfb and a window manager:
//
//   quorvane_screenshots PICTURES TEMPLATE OUTPUT DATA_LINK MAP_FILE
//
// The pictures go to the folder PICTURES; the main window's fields show the other four, which
// the run uses, so the script chooses them as a user's would read.

#include "Application.h"
#include "DataLinkEditor.h"
#include "LoopbackSocket.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "generate/dmCodeGenerator.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QThread>

#include <functional>
#include <iostream>

namespace {

// The main window with the closing message box left out, so the run ends unattended, and the
// run held a moment at each status text, so that it goes at a pace a person can follow.
class TUnattendedMain_Frm : public quorvane::ui::TMain_Frm {
public:
    std::function<void(const QString&)> OnEachStatus;

protected:
    void ShowMessage(QMessageBox::Icon, const QString& text) override {
        std::cout << text.toStdString() << "\n";
    }
    void StatusFromRun(quorvane::TDM& sender, const std::string& text) override {
        QThread::msleep(40);
        TMain_Frm::StatusFromRun(sender, text);
    }
    void DMStatus(quorvane::TDM& sender, const std::string& text) override {
        TMain_Frm::DMStatus(sender, text);
        if (OnEachStatus) {
            OnEachStatus(QString::fromStdString(text));
        }
    }
};

bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The window as the screen shows it, with the frame and title bar the window manager gives it.
bool Save(QWidget& window, const QString& path) {
    // Long enough for the text cursor of the focused field to show.
    QTest::qWait(300);
    const QRect frame = window.frameGeometry();
    const QPixmap picture =
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (!picture.save(path)) {
        std::cerr << "screenshots: cannot save " << path.toStdString() << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Set up as the program is, so that the title bars read as the program's do.
    quorvane::ui::SetUpApplication();
    if (argc != 6) {
        std::cerr << "usage: quorvane_screenshots PICTURES TEMPLATE OUTPUT DATA_LINK MAP_FILE\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);

    TUnattendedMain_Frm mainForm;
    quorvane::TDM dm;
    quorvane::ui::TAbout_Frm aboutForm(&mainForm);
    mainForm.DM = &dm;
    mainForm.About_Frm = &aboutForm;

    mainForm.ProjectTemplateDir_Edt->setText(QString::fromLocal8Bit(argv[2]));
    mainForm.ProjectTargetDirectory_Edt->setText(QString::fromLocal8Bit(argv[3]));
    mainForm.UDL_Edt->setText(QString::fromLocal8Bit(argv[4]));
    mainForm.CollumName_Edt->setText(QString::fromLocal8Bit(argv[5]));
    if (!ShowActive(mainForm)) {
        std::cerr << "screenshots: the main window did not become active\n";
        return 1;
    }
    bool saved = Save(mainForm, folder + "/main-window.png");

    // Half-way through the table forms of the sample database's fourteen tables.
    int formUnits = 0;
    bool running = false;
    mainForm.OnEachStatus = [&](const QString& text) {
        if (text.contains(QLatin1String("/Midas_Client/frm")) && text.endsWith(".pas") &&
            ++formUnits == 8) {
            running = Save(mainForm, folder + "/main-window-running.png");
        }
    };
    // The run goes on on its own thread, the window showing its status texts, its progress and
    // its Cancel button as they come.
    mainForm.Gen_BtnClick();
    const bool ended = QTest::qWaitFor([&mainForm] { return !mainForm.Running(); }, 120000);
    mainForm.WaitForRun();
    if (!ended || !running) {
        std::cerr << "screenshots: "
                  << (ended ? "no picture was taken during the run\n" : "the run did not end\n");
    }
    saved = saved && ended && running;

    if (!ShowActive(aboutForm)) {
        std::cerr << "screenshots: the About window did not become active\n";
        return 1;
    }
    saved = saved && Save(aboutForm, folder + "/about-window.png");
    aboutForm.hide();

    // A PostgreSQL server that refuses the connection, as one that is not running does; the
    // driver's message comes in lines broken for a terminal.
    const quorvane::testing::TLoopbackSocket refusing(false);
    quorvane::ui::TDataLinkEditor editor(QString{}, &mainForm);
    editor.Provider_Cbo->setCurrentIndex(editor.Provider_Cbo->findData("PostgreSQL.1"));
    editor.DataSource_Edt->setText(QStringLiteral("127.0.0.1:") +
                                   QString::fromStdString(refusing.Port()));
    editor.InitialCatalog_Edt->setText(QStringLiteral("sales"));
    editor.UserID_Edt->setText(QStringLiteral("clerk"));
    editor.Password_Edt->setText(QStringLiteral("Secret"));
    if (!ShowActive(editor)) {
        std::cerr << "screenshots: the data-link editor did not become active\n";
        return 1;
    }
    std::cout << editor.TestConnection().toStdString() << "\n";
    saved = saved && Save(editor, folder + "/data-link-editor-failed-test.png");
    return saved ? 0 : 1;
}
