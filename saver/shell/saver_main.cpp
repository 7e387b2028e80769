// SaverMain: settings first, in every mode; then the mode the command line asks for.
#include "saver/shell/saver_main.h"

#include "saver/settings/config_dialog.h"
#include "saver/settings/settings_store.h"
#include "saver/shell/command_line.h"
#include "saver/shell/music_link.h"
#include "saver/shell/run_mode.h"

int SaverMain(HINSTANCE instance, const char* commandLine)
{
    int exitCode = LoadSettings();
    if (exitCode != 0)
        return exitCode;
    ScanSongs();

    switch (ChooseSaverMode(commandLine)) {
    case SaverMode::Preview:
        // Nothing is drawn into the preview window.
        return 0;
    case SaverMode::Run:
        return RunSaver(instance);
    case SaverMode::Configure:
        return RunConfiguration(instance);
    }
    return 0;
}
