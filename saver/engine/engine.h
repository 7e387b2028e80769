// The wave engine's calls, as the saver's run and the headless renderer use them.
#pragma once
#include <cstdint>

#include "saver/engine/engine_host.h"

// Set by the first Restart of the process, which starts the first song (or
// finds none); later restarts leave the music alone.
extern int32_t MusicStarted;

// The program around the engine; set before AllocateWaveTables.
void SetEngineHost(EngineHost* host);

// Allocates every table of the run for the loaded ScreenClass and records the
// tick count that starts the frame-rate window. False when memory ran out (the
// run must then end without drawing).
bool AllocateWaveTables();
void FreeWaveTables();

// Starts the animation afresh from MainSeed or the clock. 0 when the display
// failed to start (nothing is done), else 1.
int Restart();

// One frame: capture, pixels, phases, palette, morphs, status line, upload, flip.
void RenderFrame();
