// SaverMain: settings first, in every mode; then the mode the command line asks for.
#include "saver/shell/saver_main.h"

#include "saver/settings/settings_store.h"
#include "saver/shell/command_line.h"

int SaverMain(HINSTANCE, const char* commandLine)
{
    int exitCode = LoadSettings();
    if (exitCode != 0)
        return exitCode;

    switch (ChooseSaverMode(commandLine)) {
    case SaverMode::Preview:
        // Nothing is drawn into the preview window.
        return 0;
    case SaverMode::Run:
    case SaverMode::Configure:
        return 0;
    }
    return 0;
}
