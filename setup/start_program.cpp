// StartProgram: CreateProcess with the system directory as current directory,
// no inherited handles, SW_SHOW; the new process is neither waited for nor
// watched, so its handles are closed at once.
#include "setup/start_program.h"

#include <windows.h>

#include <cstdio>

bool StartProgram(const char* commandLine)
{
    char line[2048];  // CreateProcessA may write into its command line
    int length = std::snprintf(line, sizeof line, "%s", commandLine);
    if (length < 0 || static_cast<size_t>(length) >= sizeof line)
        return false;
    char directory[260];
    GetSystemDirectoryA(directory, sizeof directory);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, directory, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
