// ReportErrors: tells the user, once the desktop is back, that the run's log
// holds errors. Nothing is shown while the saver holds the screen.
#include "saver/shell/error_report.h"

#include <cstdio>
#include <cstring>

#include "saver/shell/saver_log.h"

const char ErrorReportText[] = "Tarnovelle reported errors. See C:\\Tarnovelle.log for details.";

namespace {

void ReportToEventLog()
{
    HANDLE source = ReportCalls.registerEventSource(nullptr, "Tarnovelle");
    if (source == nullptr)
        return;
    const char* strings[1] = {ErrorReportText};
    char data[sizeof ErrorReportText];
    std::memcpy(data, ErrorReportText, sizeof data);
    ReportCalls.reportEvent(source, EVENTLOG_ERROR_TYPE, 0, 1, nullptr, 1,
                            static_cast<DWORD>(std::strlen(ErrorReportText)), strings, data);
    ReportCalls.deregisterEventSource(source);
}

void OpenLogInNotepad()
{
    char command[2048];
    std::snprintf(command, sizeof command, "notepad.exe %s", SaverLogPath);
    ReportCalls.winExec(command, SW_SHOW);
}

}  // namespace

ErrorReportCalls ReportCalls = {
    GetVersionExA, RegisterEventSourceA, ReportEventA, DeregisterEventSource, WinExec,
};

void ReportErrors()
{
    if (!ErrorsLogged)
        return;
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ReportCalls.getVersion(&version);
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT)
        ReportToEventLog();
    else
        OpenLogInNotepad();
}
