// The saver's one random generator: a 32-bit linear congruential state shared
// by the display's first palette, the restart, the morphs and the colour
// cycling. The order of the draws is part of the picture: a seed replays it.
#pragma once
#include <cstdint>

// The generator's state; 1 at process start.
extern uint32_t RandomState;

// Sets the state.
void SeedRandom(uint32_t seed);

// One draw: state = state * 214013 + 2531011 (mod 2^32), then bits 16..30 of
// the new state, a value 0..32767.
int32_t DrawRandom();
