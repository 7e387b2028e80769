// The restart's direction lists, open to the renderer's specialised loops and
// the tests.
#pragma once
#include <cstdint>

// The directions, read as 16 (dx, dy) pairs; none is (0, 0), so every wave
// moves. The nine waves take nine consecutive pairs from a random entry on.
constexpr int DirectionCount = 16;
inline constexpr int32_t DirectionX[DirectionCount] = {0, 1, 1, -1, -1, 0, 1, 1, 0, -1, -1, 1, 1, 0, -1, -1};
inline constexpr int32_t DirectionY[DirectionCount] = {-1, 0, 1, 1, 0, -1, -1, 1, 1, 0, -1, -1, 0, 1, 1, -1};

// Waves 1..9 take direction entries rotation, rotation + 1, ... (mod 16).
void SetDirections(int32_t rotation);
