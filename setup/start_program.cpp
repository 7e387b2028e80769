// StartProgram: CreateProcess in the system directory (or the installer's own
// when that cannot be used), SW_SHOW, not waited for, its handles closed at once.
#include "setup/start_program.h"

#include <windows.h>

#include <cstdio>

#include "setup/system_directories.h"

bool StartProgram(const char* commandLine)
{
    char line[2048];  // CreateProcessA may write into its command line
    int length = std::snprintf(line, sizeof line, "%s", commandLine);
    if (length < 0 || static_cast<size_t>(length) >= sizeof line)
        return false;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    // A system directory that cannot be had, or that is missing (which makes
    // CreateProcess refuse it as the current directory), must not keep the
    // program from starting: it then starts in the installer's own directory.
    // That matters most for the clean-up after a failed install.
    char directory[260];
    bool started = GetSystemDirectoryPath(directory, sizeof directory)
        && CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, directory, &startup, &process);
    if (!started
        && !CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
