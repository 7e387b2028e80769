// The screen capture's second half: the captured bitmap as the wallpaper.
// (SaveBitmap, the first half, is a ScreenDevice operation.)
#pragma once

// The capture file's name in the Windows directory.
extern const char CaptureFileName[];

// Makes "Tarnovelle.bmp" in the Windows directory the desktop wallpaper, stored
// in the user's profile and announced, and repaints the desktop. Called after
// the run, once the display mode is restored.
void SetWallpaper();
