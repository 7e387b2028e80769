// The run flags, all clear at process start.
#include "saver/engine/run_flags.h"

int32_t Active;
uint8_t ShowStats;
int32_t CaptureRequested;
int32_t SetWallpaperAtExit;
