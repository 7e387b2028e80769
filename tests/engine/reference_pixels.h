// The pixel rule written out plainly, pixel by pixel, as the reference that
// the renderer's specialised loops are compared with.
#pragma once
#include <cstddef>
#include <cstdint>

#include "saver/engine/wave_engine.h"

inline uint8_t ReferencePixel(int32_t x, int32_t y, int32_t n)
{
    const uint32_t mask = static_cast<uint32_t>(WaveEngine.TableLength) - 1u;
    int32_t v[WaveCount + 1] = {};
    for (int k = 1; k <= n; ++k) {
        const Wave& wave = WaveEngine.waves[k - 1];
        // s = dirX * x + dirY * y + phase (+ the previous value), modulo 2^32.
        uint32_t s = static_cast<uint32_t>(wave.dirX) * static_cast<uint32_t>(x)
                     + static_cast<uint32_t>(wave.dirY) * static_cast<uint32_t>(y) + wave.phase;
        if (k > 1)
            s += static_cast<uint32_t>(v[k - 1]);
        int64_t signedSum = static_cast<int32_t>(s);
        uint64_t magnitude = static_cast<uint64_t>(signedSum < 0 ? -signedSum : signedSum);
        v[k] = wave.blendTable[magnitude % (mask + 1u)];
    }
    static const int a[10] = {0, 0, 0, 1, 2, 3, 4, 4, 4, 5};
    static const int b[10] = {0, 0, 0, 2, 3, 4, 5, 5, 6, 7};
    int32_t m = (v[a[n]] + v[b[n]] + 2 * v[n]) / 4;
    return WaveEngine.PixelMap[m % 256];
}

inline void ReferenceDraw(uint8_t* pixels, int32_t pitch, int32_t width, int32_t height, int32_t n)
{
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            pixels[static_cast<ptrdiff_t>(y) * pitch + x] = ReferencePixel(x, y, n);
    }
}
