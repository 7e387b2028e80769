// The saver's run mode: device, wave tables, first restart, palette, main
// loop, clean-up, error report and, when asked for, the wallpaper.
#pragma once
#include <windows.h>

// Runs the saver full screen until the user ends it; returns the exit code 0.
int RunSaver(HINSTANCE instance);
