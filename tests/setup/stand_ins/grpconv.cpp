// Stand-in for the system's group converter, which Wine lacks: records how
// it was started (command line, show state) and whether SETUP.INI was there.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    char iniPath[MAX_PATH];
    GetWindowsDirectoryA(iniPath, MAX_PATH);
    lstrcatA(iniPath, "\\SETUP.INI");
    long iniSize = -1;
    if (FILE* ini = std::fopen(iniPath, "rb")) {
        std::fseek(ini, 0, SEEK_END);
        iniSize = std::ftell(ini);
        std::fclose(ini);
    }
    // One line per run: command line|uses show-window flag|show state|SETUP.INI size.
    if (FILE* log = std::fopen("C:\\grpconv.log", "ab")) {
        std::fprintf(log, "%s|%d|%d|%ld\n", GetCommandLineA(),
                     (startup.dwFlags & STARTF_USESHOWWINDOW) ? 1 : 0, startup.wShowWindow, iniSize);
        std::fclose(log);
    }
    return 0;
}
