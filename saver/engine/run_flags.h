// The run flags the saver window's keys set and the renderer reads.
#pragma once
#include <cstdint>

extern int32_t Active;              // frames are drawn only while set
extern uint8_t ShowStats;           // ESC: the frame-rate and song line
extern int32_t CaptureRequested;    // TAB: served by the next drawn frame
extern int32_t SetWallpaperAtExit;  // Shift-TAB: the entry sets the wallpaper after the run
