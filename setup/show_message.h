// Message boxes of the install: a formatted text, captioned "Tarnovelle",
// owned by the install dialog once it exists.
#pragma once
#include <windows.h>

// The owner of every box ShowMessage shows: null at start, then the install
// dialog, whose procedure stores its window here at every message.
extern HWND MessageOwner;

// Formats into 2048 characters and shows it with OK and the information
// icon; returns when the box has been closed.
__attribute__((format(printf, 1, 2)))
void ShowMessage(const char* format, ...);
