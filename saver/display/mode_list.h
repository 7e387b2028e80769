// The list of 8-bit palettised display modes, ordered by height, and the rule
// that turns the Resolution setting (a list position) into a mode. Nothing here
// touches DirectDraw: BuildModeList (mode_enum.cpp) feeds the driver's modes in
// through AddEnumeratedMode, and the tests feed any sequence they like.
#pragma once
#include <cstdint>

#include "saver/display/node_list.h"

struct DisplayMode : ListNode {
    int32_t width;
    int32_t height;
    char text[32];  // "%dx%d"
};

// DirectDraw's pixel-format flag of a palettised 8-bit mode.
constexpr uint32_t PixelFormatPaletteIndexed8 = 0x20;

extern NodeList ModeList;

// Frees the nodes of an earlier build and empties the list.
void ClearModeList();

// The enumeration callback's work for one mode as the driver reports it: keeps
// it (appended, with its text) only when it is 8-bit palettised. Returns false
// when the node could not be allocated.
bool AddEnumeratedMode(uint32_t pixelFormatFlags, uint32_t width, uint32_t height);

// Stable sort by height alone, smallest first.
void SortModeList();

// Walking the list with the one process-wide cursor.
DisplayMode* FirstMode();
DisplayMode* NextMode();

struct ModeChoice {
    int32_t width;
    int32_t height;
    int32_t position;  // the given position, or the corrected one
    bool corrected;    // the position named no mode
};

// The mode at a (non-negative) list position; past the end, the smallest mode,
// the last of equal ones; 100000 x 100000 at position 0 for an empty list.
ModeChoice ModeForIndex(int32_t position);

// Fills the list from the default display driver (Windows build only): false
// when DirectDraw cannot be created, leaving the list as it was.
bool BuildModeList();
