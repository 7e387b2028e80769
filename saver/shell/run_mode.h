// The saver's run mode: device, wave tables, first restart, main loop, clean-up.
#pragma once
#include <windows.h>

// Runs the saver full screen until the user ends it; returns the exit code.
int RunSaver(HINSTANCE instance);
