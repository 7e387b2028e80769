// The renderer's own state: the frame-rate counters. Internal to the engine.
#pragma once
#include <cstdint>

class EngineHost;
extern EngineHost* Host;  // the program around the engine (SetEngineHost)

extern int32_t fpsFrames;  // frames counted in the current one-second window
extern int32_t fpsValue;   // frames of the last completed window: the number shown
extern uint32_t fpsTick;   // tick count at the start of the current window

void StartFrameRateWindow(uint32_t tick);
