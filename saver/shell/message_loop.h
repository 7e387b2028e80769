// RunMessageLoop: one window message at most, then one frame, as fast as the
// frames come; waits for messages once the device is no longer ready.
#pragma once

#include "saver/display/screen_device.h"

// Returns when the quit message arrives.
void RunMessageLoop(ScreenDevice* device);
