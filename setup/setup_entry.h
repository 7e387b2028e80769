// The installer's entry, apart from WinMain so that a test build of the
// installer can run the very same modes.
#pragma once
#include <windows.h>

// Stores the instance, chooses the mode from the arguments (the command line
// without the program's path) and runs it. Returns the exit code, always 0.
int SetupMain(HINSTANCE instance, const char* arguments);
