// The help page of the settings dialog (resource 102).
#pragma once
#include <windows.h>

// Ends the dialog with 1 on OK or the caption's close box; nothing else.
INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
