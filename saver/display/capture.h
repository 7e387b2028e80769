// The screen capture's file, where it lives, and the second half: the captured
// bitmap as the wallpaper. (SaveBitmap, the first half, is a ScreenDevice operation.)
#pragma once
#include "saver/settings/settings.h"

// The capture file's name in the Windows directory.
extern const char CaptureFileName[];

// The directory the capture file lives in, the Windows directory; false when
// the system cannot give it whole.
bool GetCaptureDirectory(char (&directory)[PathBufferSize]);

// Makes "Tarnovelle.bmp" in the Windows directory the desktop wallpaper, stored
// in the user's profile and announced, and repaints the desktop. Called after
// the run, once the display mode is restored.
void SetWallpaper();
