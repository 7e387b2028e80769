// The plain pixel loop: specialised per wave count and table length so that
// the set of waves and the index mask are constants, each wave's index
// advanced by its direction from pixel to pixel. It works for any table
// values; the fast loop (pixels_fast.cpp) falls back to it.
#include "saver/engine/pixels.h"

#include <cstddef>

#include "saver/engine/wave_engine.h"

namespace {

template <int N, uint32_t Mask>
void DrawRows(uint8_t* pixels, int32_t pitch, int32_t width, int32_t height)
{
    constexpr ColourTerms terms = ColourTermsFor(N);
    const int32_t* table[N];
    uint32_t stepX[N];
    uint32_t stepY[N];
    uint32_t rowStart[N];
    for (int k = 0; k < N; ++k) {
        const Wave& wave = WaveEngine.waves[k];
        table[k] = wave.blendTable;
        stepX[k] = static_cast<uint32_t>(wave.dirX);
        stepY[k] = static_cast<uint32_t>(wave.dirY);
        rowStart[k] = wave.phase;
    }
    const uint8_t* map = WaveEngine.PixelMap;
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = pixels + static_cast<ptrdiff_t>(y) * pitch;
        uint32_t s[N];
        for (int k = 0; k < N; ++k)
            s[k] = rowStart[k];
        for (int32_t x = 0; x < width; ++x) {
            int32_t v[N];
            v[0] = table[0][MirroredIndex(s[0], Mask)];
            for (int k = 1; k < N; ++k)
                v[k] = table[k][MirroredIndex(s[k] + static_cast<uint32_t>(v[k - 1]), Mask)];
            uint32_t m = (static_cast<uint32_t>(v[terms.a - 1]) + static_cast<uint32_t>(v[terms.b - 1])
                          + 2u * static_cast<uint32_t>(v[N - 1])) / 4u;
            row[x] = map[m & 255u];
            for (int k = 0; k < N; ++k)
                s[k] += stepX[k];
        }
        for (int k = 0; k < N; ++k)
            rowStart[k] += stepY[k];
    }
}

template <int N>
void DrawForLength(uint8_t* pixels, int32_t pitch, int32_t width, int32_t height)
{
    switch (WaveEngine.TableLength) {
    case 512:
        DrawRows<N, 511>(pixels, pitch, width, height);
        return;
    case 1024:
        DrawRows<N, 1023>(pixels, pitch, width, height);
        return;
    default:
        DrawRows<N, 2047>(pixels, pitch, width, height);
        return;
    }
}

}  // namespace

void DrawWavesPlain(uint8_t* pixels, int32_t pitch, int32_t width, int32_t height, int32_t waveCount)
{
    switch (waveCount) {
    case 3:
        DrawForLength<3>(pixels, pitch, width, height);
        return;
    case 4:
        DrawForLength<4>(pixels, pitch, width, height);
        return;
    case 5:
        DrawForLength<5>(pixels, pitch, width, height);
        return;
    case 6:
        DrawForLength<6>(pixels, pitch, width, height);
        return;
    case 7:
        DrawForLength<7>(pixels, pitch, width, height);
        return;
    case 8:
        DrawForLength<8>(pixels, pitch, width, height);
        return;
    default:
        DrawForLength<9>(pixels, pitch, width, height);
        return;
    }
}
