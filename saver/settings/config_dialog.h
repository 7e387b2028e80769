// The configuration mode: the settings dialog (resource 101) and its procedure.
#pragma once
#include <windows.h>

// Shows the settings dialog modally without an owner and returns the exit code
// (0) once it has closed.
int RunConfiguration(HINSTANCE instance);

// The settings dialog's procedure: fills the controls from Settings, keeps the
// value boxes and their scroll bars in step, saves on OK and Preview.
INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
