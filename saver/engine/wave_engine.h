// The wave engine's state: nine waves with their tables, the pixel map, the
// two palettes of the colour cycling and its frame counter. One process-wide
// instance, allocated for a run and freed at its end.
#pragma once
#include <cstdint>

#include "saver/engine/palette.h"

constexpr int WaveCount = 9;

struct Wave {
    int32_t* startTable;   // the shape the wave morphs from
    int32_t* targetTable;  // the shape it morphs towards
    int32_t* blendTable;   // this frame's blend of the two
    int32_t morphPos;      // 0..TableLength: weight of the target is morphPos / TableLength
    uint32_t phase;        // added to every index; wraps modulo 2^32
    uint32_t phaseStep;    // added to phase after every frame
    int32_t dirX;          // index step per pixel to the right: -1, 0 or +1
    int32_t dirY;          // index step per row down: -1, 0 or +1
};

struct WaveEngineState {
    int32_t TableLength;          // 512, 1024 or 2048 by ScreenClass; 0 before allocation
    Wave waves[WaveCount];        // wave k of the picture is waves[k - 1]
    uint8_t PixelMap[256];        // i -> i, but 0 -> 1 and 255 -> 254
    uint8_t BasePalette[PaletteBytes];
    uint8_t TargetPalette[PaletteBytes];
    uint32_t CycleFrame;          // frames since the colour fade began; wraps modulo 2^32
};

extern WaveEngineState WaveEngine;

// Table length for a ScreenClass (0, 1, 2 -> 512, 1024, 2048).
int32_t TableLengthForClass(int32_t screenClass);
