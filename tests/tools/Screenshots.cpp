// Takes pictures of the main window and the About window as a user sees them: the main window
// after a run over the sample database, the About window over it. Run by scripts/screenshots
// under Xvfb; the pictures go to the folder named on the command line.

#include "TempDir.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "generate/dmCodeGenerator.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <iostream>

namespace {

// The main window with the closing message box left out, so the run ends unattended.
class TUnattendedMain_Frm : public quorvane::ui::TMain_Frm {
protected:
    void ShowMessage(QMessageBox::Icon, const QString& text) override {
        std::cout << text.toStdString() << "\n";
    }
};

bool Save(QWidget& window, const QString& path) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return false;
    }
    QTest::qWait(300);
    return window.grab().save(path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    if (argc != 2) {
        std::cerr << "usage: screenshots FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);

    TUnattendedMain_Frm mainForm;
    quorvane::TDM dm;
    quorvane::ui::TAbout_Frm aboutForm(&mainForm);
    mainForm.DM = &dm;
    mainForm.About_Frm = &aboutForm;

    quorvane::TTempDir output;
    mainForm.ProjectTemplateDir_Edt->setText(QStringLiteral(QUORVANE_SOURCE_DIR) +
                                             "/templates/MidasProject");
    mainForm.ProjectTargetDirectory_Edt->setText(QString::fromStdString(output.File("out")));
    mainForm.UDL_Edt->setText(QStringLiteral(QUORVANE_EXAMPLES_DIR) + "/orders.udl");
    mainForm.CollumName_Edt->setText(QStringLiteral(QUORVANE_EXAMPLES_DIR) + "/orders-map.txt");
    mainForm.show();
    mainForm.Gen_BtnClick();

    const bool saved = Save(mainForm, folder + "/main-window.png") &&
                       Save(aboutForm, folder + "/about-window.png");
    if (!saved) {
        std::cerr << "screenshots: cannot show or save the windows\n";
        return 1;
    }
    return 0;
}
