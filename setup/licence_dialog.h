// The licence agreement (dialog 120), shown before the install dialog.
#pragma once
#include <windows.h>

// Ends the dialog with 1 when "I accect the terms of this agreement" is
// chosen and OK pressed, with 0 otherwise. Returns 0 for every message.
INT_PTR CALLBACK LicenceDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
