// SetupMain: the command line chooses install, uninstall after asking, or
// silent uninstall; each runs once and the exit code is always 0.
#include "setup/setup_entry.h"

#include "setup/install_dialog.h"
#include "setup/instance.h"
#include "setup/setup_mode.h"
#include "setup/setup_names.h"
#include "setup/uninstall.h"

namespace {

void AskAndUninstall()
{
    if (MessageBoxA(GetFocus(), "Would you like to Uninstall Tarnovelle from your system?", ProductName,
                    MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    Uninstall();
    // Shown whatever Uninstall met: its failures go to the install log.
    MessageBoxA(GetFocus(), "Tarnovelle has been successfully uninstalled.", ProductName,
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace

int SetupMain(HINSTANCE instance, const char* arguments)
{
    SetupInstance = instance;
    switch (ChooseSetupMode(arguments)) {
    case SetupMode::Install:
        RunInstall();
        break;
    case SetupMode::AskUninstall:
        AskAndUninstall();
        break;
    case SetupMode::SilentUninstall:
        Uninstall();
        break;
    }
    return 0;
}
