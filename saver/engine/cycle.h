// The palette animation of every frame: cross-fade between random palettes,
// rotation through the indexes, or both, by ColorCycleMode.
#pragma once
#include <cstdint>

// Advances CycleFrame and writes the 256 working entries (1024 bytes).
void CyclePalette(uint8_t* paletteEntries);
