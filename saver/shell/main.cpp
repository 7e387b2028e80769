// The program's entry: hands the command line, without the program name, to SaverMain.
#include <windows.h>

#include "saver/shell/command_line.h"
#include "saver/shell/saver_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return SaverMain(GetModuleHandleA(nullptr), SkipProgramName(GetCommandLineA()));
}
