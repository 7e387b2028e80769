// The pixel loop: every pixel of the frame from the chain of wave look-ups.
#pragma once
#include <cstdint>

// The table index of a 32-bit sum: its absolute value (the pattern mirrors
// about index 0; the most negative sum gives 2^31), then the low bits.
inline uint32_t MirroredIndex(uint32_t sum, uint32_t mask)
{
    uint32_t sign = sum >> 31;
    return ((sum ^ (0u - sign)) + sign) & mask;
}

// Which two waves (numbered from 1) join the last one in a pixel's colour,
// m = (v(a) + v(b) + 2 v(n)) / 4, for n waves.
struct ColourTerms {
    int a;
    int b;
};
constexpr ColourTerms ColourTermsFor(int waveCount)
{
    switch (waveCount) {
    case 3:
        return {1, 2};
    case 4:
        return {2, 3};
    case 5:
        return {3, 4};
    case 6:
    case 7:
        return {4, 5};
    case 8:
        return {4, 6};
    default:
        return {5, 7};
    }
}

// Draws width x height pixels of the waveCount (3..9) first waves of the
// engine (their blend tables, phases and directions) into rows that start
// pitch bytes apart. Bytes of a row beyond width are not touched.
void DrawWaves(uint8_t* pixels, int32_t pitch, int32_t width, int32_t height, int32_t waveCount);

// The same picture by the plain loop: a look-up with absolute value and mask
// per wave and pixel. DrawWaves uses it where the fast loop cannot go.
void DrawWavesPlain(uint8_t* pixels, int32_t pitch, int32_t width, int32_t height, int32_t waveCount);

// The fast loop's buffers, for frames of up to width x height pixels; false
// when memory ran out.
bool AllocateExpandedTables(int32_t width, int32_t height);
void FreeExpandedTables();
