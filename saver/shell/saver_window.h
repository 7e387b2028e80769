// The saver window's procedure and its commands: keys, clicks, mouse moves,
// activation, the one-shot timer, the hidden and parked pointer, and the one
// way the run ends (a close request carrying CloseToken).
#pragma once
#include <windows.h>

#include "saver/display/screen_device.h"

// The window procedure of the saver's window class. The device is fetched
// from the window's first extra slot; it is null until the device has set it.
LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Posts WM_CLOSE with CloseToken to the device's window.
void RequestClose(ScreenDevice* device);

// TAB capture (with Shift also the wallpaper at exit), Shift nothing, ESC the
// stats line, F1 restart, any other key closes.
void OnKeyDown(ScreenDevice* device, WPARAM virtualKey);
