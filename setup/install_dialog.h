// The install mode: the title font, the licence agreement, then the install
// dialog (101) whose Install button runs the worker.
#pragma once
#include <windows.h>

// The dialog's title font (Arial, 30 units, extra bold), alive while the
// dialog is.
extern HFONT TitleFont;

// The whole install mode, called by the entry.
void RunInstall();

// Dialog 101's procedure. Stores its window as the message boxes' owner at
// every message; returns 0 for every message.
INT_PTR CALLBACK InstallDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
