// The restart's direction lists, open to the renderer's specialised loops and
// the tests.
#pragma once
#include <cstdint>

constexpr int DirectionCount = 16;
extern const int32_t DirectionX[DirectionCount];
extern const int32_t DirectionY[DirectionCount];

// Waves 1..9 take direction entries rotation, rotation + 1, ... (mod 16).
void SetDirections(int32_t rotation);
