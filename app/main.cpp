// quorvane: the desktop program. Start-up creates the main window, the engine and the About
// window, in this order, and runs the event loop until the main window closes.

#include "Application.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "generate/dmCodeGenerator.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quorvane::ui::SetUpApplication();

    quorvane::ui::TMain_Frm mainForm;
    quorvane::TDM dm;
    quorvane::ui::TAbout_Frm aboutForm(&mainForm);
    mainForm.DM = &dm;
    mainForm.About_Frm = &aboutForm;

    mainForm.show();
    return QApplication::exec();
}
