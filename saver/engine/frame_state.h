// The renderer's own state: the frame-rate counters and the buffers the pixel
// loop prepares once per frame. Internal to the engine.
#pragma once
#include <cstdint>

class EngineHost;
extern EngineHost* Host;  // the program around the engine (SetEngineHost)

extern int32_t fpsFrames;  // frames counted in the current one-second window
extern int32_t fpsValue;   // frames of the last completed window: the number shown
extern uint32_t fpsTick;   // tick count at the start of the current window

void StartFrameRateWindow(uint32_t tick);

// Buffers of the pixel loop for a run at width x height with tables of the
// given length; false when memory ran out.
bool AllocateFrameBuffers(int32_t tableLength, int32_t width, int32_t height);
void FreeFrameBuffers();
