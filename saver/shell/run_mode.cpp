// RunSaver: the parts of a run in their fixed order, wallpaper last.
#include "saver/shell/run_mode.h"

#include <new>

#include "saver/display/capture.h"
#include "saver/display/screen_device.h"
#include "saver/engine/engine.h"
#include "saver/engine/run_flags.h"
#include "saver/settings/settings.h"
#include "saver/shell/engine_link.h"
#include "saver/shell/error_report.h"
#include "saver/shell/message_loop.h"
#include "saver/shell/saver_log.h"
#include "saver/shell/saver_window.h"

namespace {
const char SaverTitle[] = "Tarnovelle";
}  // namespace

int RunSaver(HINSTANCE instance)
{
    ScreenDevice* device = new (std::nothrow)
        ScreenDevice(instance, SaverTitle, DisplayWidth, DisplayHeight, 1, 8, SaverWndProc);
    if (device == nullptr) {
        // Nothing of the run can happen without the device: a fresh log
        // with the reason, the report, and the end.
        StartSaverLog();
        LogError("Not enough memory to start the display\n");
        ReportErrors();
        return 0;
    }
    RunDevice = device;
    ScreenEngineHost host(device);
    SetEngineHost(&host);

    bool tables = AllocateWaveTables();
    if (!tables)
        LogError("Not enough memory for the wave tables\n");
    bool ran = false;
    if (tables && Restart() != 0) {
        device->UploadPalette();
        RunMessageLoop(device);
        ran = true;
    }
    // A device that started but never ran (no tables, no working palette)
    // still holds the screen: its window's destruction gives it back.
    if (!ran && device->window != nullptr) {
        DestroyWindow(device->window);
        device->window = nullptr;
    }
    if (device->errorCode == 0)
        FreeWaveTables();
    ReportErrors();
    device->ReleaseDisplay();
    SetEngineHost(nullptr);
    RunDevice = nullptr;
    delete device;
    // Only now is the desktop's own display mode back.
    if (SetWallpaperAtExit)
        SetWallpaper();
    return 0;
}
