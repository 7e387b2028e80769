// The headless renderer's command line.
#pragma once
#include <cstdint>
#include <string>

struct RenderOptions {
    int32_t width = 640;
    int32_t height = 480;
    uint32_t seed = 0;  // 0: from the clock, as the saver does
    int32_t waves = 6;
    int32_t morphSpeed = 2;
    int32_t roughness = 0;
    int32_t colorCycle = 3;
    uint32_t frames = 1;
    std::string bmpPath;
    std::string pngPath;
    bool help = false;
};

// The largest width or height the renderer makes a picture of.
constexpr int32_t MaxRenderSide = 16384;

// Reads argv[1..argc-1] into options. Returns an empty text on success, else
// the one-line reason (an unknown option, a missing or non-numeric value, a
// size out of range, no output file). Numbers that are settings are held to
// the limits the saver's settings store applies.
std::string ParseRenderOptions(int argc, const char* const* argv, RenderOptions* options);

extern const char RenderUsage[];
