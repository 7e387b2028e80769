// Palettes as the saver keeps them: 256 entries of 4 bytes, red, green, blue,
// flags (the layout of a Windows PALETTEENTRY), 1024 bytes in all.
#pragma once
#include <cstdint>

constexpr int PaletteEntryCount = 256;
constexpr int PaletteBytes = 4 * PaletteEntryCount;
constexpr uint8_t PaletteEntryFlags = 1;  // PC_RESERVED: every entry the saver writes

// Fills palette (1024 bytes) with three random colour ramps, red, green and
// blue in that order: each is black at entries 0 and 255 and rises with
// random roughness to its own peak at entry 127. Takes 1524 draws.
void MakeRandomPalette(uint8_t* palette);
