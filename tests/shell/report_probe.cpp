// A small program that writes one error entry to the saver's log and makes
// the end-of-run report, so the report can be watched on each platform.
// Its exit code is the platform id it found.
#include <windows.h>

#include "saver/shell/error_report.h"
#include "saver/shell/saver_log.h"

int main()
{
    StartSaverLog();
    LogError("probe entry %d\n", 1);
    ReportErrors();
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return static_cast<int>(version.dwPlatformId);
}
