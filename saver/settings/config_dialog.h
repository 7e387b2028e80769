// The configuration mode: the settings dialog.
#pragma once
#include <windows.h>

// Shows the settings dialog modally without an owner and returns the exit code
// once it has closed.
int RunConfiguration(HINSTANCE instance);
