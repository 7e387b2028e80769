// SaverMain: the saver's entry, one mode per start.
#pragma once
#include <windows.h>

// Returns the process exit code.
int SaverMain(HINSTANCE instance, const char* commandLine);
