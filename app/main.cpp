// quorvane: the desktop program. Start-up creates the main window, the engine and the About
// window, in this order, and runs the event loop until the main window closes.

#include "Icons.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "generate/dmCodeGenerator.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
    QApplication::setWindowIcon(quorvane::ui::ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));

    quorvane::ui::TMain_Frm mainForm;
    quorvane::TDM dm;
    quorvane::ui::TAbout_Frm aboutForm(&mainForm);
    mainForm.DM = &dm;
    mainForm.About_Frm = &aboutForm;

    mainForm.show();
    return QApplication::exec();
}
