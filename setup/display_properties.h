// Making the new saver the current screen saver the way a user would: open
// the system's Display Properties dialog, switch it to its screen-saver page,
// choose "Tarnovelle" in the page's list, report the choice and press OK.
#pragma once
#include <windows.h>

// The Display Properties window: cleared just before each search, set when
// FindDisplayProperties finds it.
extern HWND DisplayPropertiesWindow;
// Its tab control: set when SelectScreenSaverTab finds it.
extern HWND DisplayTabControl;
// Set when SelectSaverEntry has chosen the entry and pressed OK, which ends
// the nested search at every level; cleared before each search.
extern bool SaverEntryChosen;

// How long the search waits for the Display Properties window. Current
// Windows and Wine open no window of that title, so without a bound the
// install would wait for ever.
inline constexpr DWORD DisplayPropertiesWaitMs = 5000;

// Enumeration callbacks; each returns TRUE to go on, FALSE to stop.
// Top-level windows: finds the window titled "Display Properties" (ASCII
// letters in either case), switches its tab and remembers it.
BOOL CALLBACK FindDisplayProperties(HWND window, LPARAM unused);
// Children of the dialog: sends the tab control TCM_SETCURFOCUS with tab 1.
BOOL CALLBACK SelectScreenSaverTab(HWND window, LPARAM unused);
// Children of the dialog and theirs: in the first combo box that holds
// "Tarnovelle", selects it, sends the dialog CBN_SELENDOK, then IDOK.
BOOL CALLBACK SelectSaverEntry(HWND window, LPARAM unused);

// The whole step: opens the dialog, searches for it every 50 ms for at most
// waitMs, drives it when it and its tab control were found. Leaves the
// setting unchanged when the dialog never appears.
void ChooseSaverInDisplayProperties(DWORD waitMs);
