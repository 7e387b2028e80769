// Stands where a mistakenly unquoted Preview command would land: placed as
// C:\Tarnovelle.exe, it is what "C:\Tarnovelle Test Dir\Tarnovelle.scr /s"
// starts when the path is not quoted. It only leaves a note that it ran.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    FILE* note = std::fopen("C:\\tarnovelle-decoy-ran.txt", "w");
    if (note != nullptr) {
        std::fputs(GetCommandLineA(), note);
        std::fclose(note);
    }
    return 0;
}
