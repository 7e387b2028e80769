// Choosing the MIDI song folder with the shell's folder picker.
#pragma once
#include <windows.h>

#include "saver/settings/settings.h"

// Shows the shell's "Choose Directory" picker over owner (file-system folders
// only, from the desktop down). True with the folder's full path in path when
// one was chosen; false, path untouched, when the user cancelled or the choice
// has no file-system path.
bool BrowseForSongFolder(HWND owner, char (&path)[PathBufferSize]);
