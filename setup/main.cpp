// TarnovelleSetup's WinMain: everything happens in SetupMain.
#include <windows.h>

#include "setup/setup_entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int)
{
    return SetupMain(instance, arguments);
}
