// A stand-in program for the tests: it only writes its command line into a
// note beside itself (its own path with ".ran.txt" added). Placed as
// C:\Tarnovelle.exe it shows whether an unquoted Preview command started the
// wrong program; registered as the web browser it shows what address the
// dialog opened.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH + 16];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    std::snprintf(path + length, sizeof path - length, ".ran.txt");
    FILE* note = std::fopen(path, "w");
    if (note == nullptr)
        return 1;
    std::fputs(GetCommandLineA(), note);
    std::fclose(note);
    return 0;
}
