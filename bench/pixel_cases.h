// The benchmarks' frames: the engine set up for a run at width x height with
// a fixed seed, its blend tables made, ready for the pixel loops to draw into
// a frame buffer of their own.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/render/memory_host.h"

struct PixelCase {
    int32_t width;
    int32_t height;
    int32_t waves;
};

class PixelBench {
public:
    explicit PixelBench(const PixelCase& frame);
    ~PixelBench();
    PixelBench(const PixelBench&) = delete;
    PixelBench& operator=(const PixelBench&) = delete;

    void DrawPlain();
    void DrawFast();
    void Blend();
    // A whole frame through the engine (blend, pixels, palette, morphs).
    void WholeFrame();
    uint8_t* Pixels() { return frame.data(); }

    PixelCase shape;

private:
    MemoryHost host;
    std::vector<uint8_t> frame;
};
