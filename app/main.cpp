// quorvane: the desktop program. Start-up creates the main window, the engine and the About
// window, in this order, and runs the event loop until the main window closes.

#include "Application.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "generate/dmCodeGenerator.h"
#include "io/StopSignals.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A session that ends or a kill while a run writes removes what the run held, as in the
    // batch tool. First of all, before QApplication starts threads of its own.
    quorvane::InstallStopSignalHandlers("quorvane");
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
