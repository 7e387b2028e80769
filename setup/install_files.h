// The install worker: the installer's copy of itself, the embedded saver
// written twice, the uninstall entry, then the chosen optional steps, moving
// the install dialog's progress bar from 100 to 900.
#pragma once
#include <windows.h>

// The three installed files, built at the start of every install.
extern char SaverPath[260];       // system directory\Tarnovelle.scr
extern char ConfigToolPath[260];  // Windows directory\Tarnovelle.exe
extern char SetupCopyPath[260];   // Windows directory\TarnovelleSetup.exe

// InstallChoices, 0 or 1, read from the install dialog's check boxes.
extern int MakeDefault;      // box 1003: drive the Display Properties dialog
extern int RunAfterInstall;  // box 1004: start the saver with "/s"
extern int AddToStartMenu;   // box 1005: the Start-menu group

// Moves the dialog's progress bar (range 0 to 1000).
void SetProgress(HWND dialog, int position);

// Returns 0 on success, 1 after a failure that it has already shown in a
// message box; the steps after the failing one are not run.
int InstallFiles(HWND dialog);
