// quorvane: the desktop program. Start-up creates the main window, the engine and the About
// window, in this order, and runs the event loop until the main window closes.

#include "Application.h"
#include "QuorvaneVersion.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "generate/dmCodeGenerator.h"
#include "io/InstallPaths.h"
#include "io/StopSignals.h"

#include <QApplication>

#include <cstring>
#include <iostream>

namespace {

const char* const HelpText =
    "Usage: quorvane [--help | --version] [Qt options]\n"
    "\n"
    "Opens Quorvane's window, which writes a Delphi application server project and client\n"
    "project that edit every table and view of a database, from a project template directory.\n"
    "quorvane-gen runs the same generation from the command line.\n"
    "\n"
    "Options:\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, are passed on to Qt.\n";

// --help and --version are answered before the QApplication exists: it needs a display, and
// without one Qt aborts the program, so that a user on a terminal or a packaging script would
// get a crash instead of the answer.
bool AnsweredAtOnce(int argc, char** argv) {
    for (int at = 1; at < argc; ++at) {
        if (std::strcmp(argv[at], "--help") == 0 || std::strcmp(argv[at], "-h") == 0) {
            std::cout << HelpText;
            return true;
        }
        if (std::strcmp(argv[at], "--version") == 0) {
            std::cout << "quorvane " << quorvane::ProgramVersion << "\n";
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (AnsweredAtOnce(argc, argv)) {
        return std::cout.flush() ? 0 : 1;
    }
    // A session that ends or a kill while a run writes removes what the run held, as in the
    // batch tool. Before QApplication starts threads of its own.
    quorvane::InstallStopSignalHandlers("quorvane");
    QApplication application(argc, argv);
    quorvane::ui::SetUpApplication();

    quorvane::ui::TMain_Frm mainForm;
    quorvane::TDM dm;
    quorvane::ui::TAbout_Frm aboutForm(&mainForm);
    mainForm.DM = &dm;
    mainForm.About_Frm = &aboutForm;
    // An installed program offers its sample template; the output folder stays the user's
    // choice.
    mainForm.UseInstalledTemplate(quorvane::CurrentInstallLayout());

    mainForm.show();
    return QApplication::exec();
}
