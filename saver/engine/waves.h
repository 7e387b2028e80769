// The random wave shapes: midpoint displacement, rough and smooth waves,
// normalising and smoothing, and the random colour ramps of the palettes.
// Every draw is one call of the random generator, in a fixed order.
#pragma once
#include <cstdint>

// Fills every index strictly between lo and hi by midpoint displacement,
// depth first, left half before right half. top clamps the first midpoint
// only; the deeper ones are clamped to 255. Makes 2 * (hi - lo - 1) draws.
void DisplaceMidpoints(int32_t* values, int32_t lo, int32_t hi, int32_t top);

// values[lo] = loValue, values[hi] = hiValue, then DisplaceMidpoints(.., 255).
void SetEndsAndDisplace(int32_t* values, int32_t lo, int32_t hi, int32_t loValue, int32_t hiValue);

// Stretches n values linearly onto 0..top - 1. Values that are all equal
// have no spread to stretch: they all become 0.
void NormaliseWave(int32_t* values, int32_t n, int32_t top);

// One pass of a circular three-tap average over the original values.
void SmoothWave(int32_t* values, int32_t n);

// Copies target into start (length entries), then fills target with a new
// random wave: rough (midpoint displacement between anchors every 128
// entries, normalised and smoothed) with a chance of Roughness per mille,
// otherwise a raised cosine sized by DisplayWidth.
void GenerateWave(int32_t* start, int32_t* target, int32_t length);

// Two passes of GenerateWave over waves 1..9.
void RegenerateAllWaves();
