// The saver's settings as process-wide values, with the limits the load applies
// and the text-to-number rule of the registry values. Portable: the registry
// side lives in registry.cpp and settings_store.cpp.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr std::size_t PathBufferSize = 260;  // every path buffer, terminator included

extern uint32_t MainSeed;        // 0: seed every restart from the clock
extern int32_t Resolution;       // position in the display-mode list
extern int32_t MorphSpeed;       // morph advance per frame, >= 0
extern int32_t UseCurves;        // waves used, 3..9
extern int32_t Roughness;        // per-mille chance of a rough wave, 0..1000
extern int32_t ColorCycleMode;   // 0 None, 1 Morphing, 2 Cycling, 3 Cycle+Morph
extern char SongDir[PathBufferSize];
extern uint32_t LastSeed;        // seed of the most recent restart
extern int32_t MouseMoveCountdown;  // "IgnoreMouseMoves": mouse moves still to ignore

// Derived from the chosen display mode.
extern int32_t DisplayWidth;
extern int32_t DisplayHeight;
extern int32_t ScreenClass;      // 0: width up to 512, 1: up to 1024, 2: wider

struct NumberLimits {
    int32_t low;
    int32_t high;
};

constexpr NumberLimits ResolutionLimits{0, INT32_MAX};
constexpr NumberLimits MorphSpeedLimits{0, INT32_MAX};
constexpr NumberLimits UseCurvesLimits{3, 9};
constexpr NumberLimits RoughnessLimits{0, 1000};
constexpr NumberLimits ColorCycleModeLimits{0, 3};

int32_t HoldToLimits(int32_t value, NumberLimits limits);

// The number a stored text stands for, read the way atoi reads it: leading
// white space, an optional sign, then decimal digits up to the first other
// character; no digits give 0. Digits beyond 32 bits wrap modulo 2^32, so a
// seed stored as its signed text always reads back to the same 32 bits.
int32_t TextToNumber(const char* text);

// ScreenClass of a display mode: 0 for widths 1..512, 1 for 513..1024, 2 for
// anything else (wider, or a degenerate width).
int32_t ScreenClassForWidth(int32_t width);
