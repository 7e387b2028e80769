// The end-of-run report that points the user to the log when errors were
// logged: an event in the NT family's event log, Notepad on the 95 family.
#pragma once
#include <windows.h>

// The text of the event, as its string and as its raw data.
extern const char ErrorReportText[];

// The system calls of the report, replaceable so that both platform families
// can be driven in one process.
struct ErrorReportCalls {
    BOOL(WINAPI* getVersion)(OSVERSIONINFOA* version);
    HANDLE(WINAPI* registerEventSource)(const char* server, const char* source);
    BOOL(WINAPI* reportEvent)(HANDLE source, WORD type, WORD category, DWORD eventId, PSID user,
                              WORD stringCount, DWORD dataSize, const char** strings, void* data);
    BOOL(WINAPI* deregisterEventSource)(HANDLE source);
    UINT(WINAPI* winExec)(const char* command, UINT show);
};

// Defaults to the real calls.
extern ErrorReportCalls ReportCalls;

// Does nothing unless ErrorsLogged is set.
void ReportErrors();
