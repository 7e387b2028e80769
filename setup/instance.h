// The installer's instance handle, stored by the entry before anything else;
// the dialogs and the embedded saver are loaded from it.
#pragma once
#include <windows.h>

extern HINSTANCE SetupInstance;
