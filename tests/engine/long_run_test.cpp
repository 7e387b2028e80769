// Long and random runs of the engine under the sanitizers: every setting,
// table length and colour mode, with the counters set near their 32-bit
// edges, and the invariants of the picture checked on every frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

#include "tests/engine/engine_fixture.h"

namespace {

struct LongRun : EngineTest {
    // The frame never holds the colour indexes 0 and 255; every palette entry
    // is marked PC_RESERVED; the morphs stay within 0..L; the tables hold
    // non-negative values below the largest a wave can reach.
    void CheckInvariants(int32_t largestValue)
    {
        for (int32_t y = 0; y < host->height; ++y) {
            for (int32_t x = 0; x < host->width; ++x) {
                uint8_t pixel = host->backBuffer[static_cast<size_t>(y) * host->pitch + x];
                ASSERT_NE(pixel, 0);
                ASSERT_NE(pixel, 255);
            }
        }
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(host->uploadedPalette[4 * i + 3], 1);
        const int32_t length = WaveEngine.TableLength;
        for (const Wave& wave : WaveEngine.waves) {
            ASSERT_GE(wave.morphPos, 0);
            ASSERT_LE(wave.morphPos, length);
            for (int32_t i = 0; i < length; ++i) {
                ASSERT_GE(wave.targetTable[i], 0);
                ASSERT_LE(wave.targetTable[i], largestValue);
                ASSERT_GE(wave.blendTable[i], 0);
                ASSERT_LE(wave.blendTable[i], largestValue);
            }
        }
    }
};

TEST_F(LongRun, RandomSettingsAcrossEveryClassAndMode)
{
    std::mt19937 random(20261210);
    const int32_t widths[] = {320, 400, 512, 640, 800, 1024, 1152, 1280, 1600, 1920};
    for (int run = 0; run < 40; ++run) {
        const int32_t width = widths[random() % 10];
        StartRun(width, 8);
        MainSeed = static_cast<uint32_t>(random());
        UseCurves = 3 + static_cast<int32_t>(random() % 7);
        Roughness = static_cast<int32_t>(random() % 1001);
        ColorCycleMode = static_cast<int32_t>(random() % 4);
        const int32_t speeds[] = {0, 1, 2, 50, 500, 2049, INT_MAX};
        MorphSpeed = speeds[random() % 7];
        ShowStats = static_cast<uint8_t>(random() % 2);
        ASSERT_EQ(Restart(), 1);
        // Counters near their edges: phases about to wrap, the cycling count
        // about to wrap (it only resets in the fading modes).
        for (Wave& wave : WaveEngine.waves)
            wave.phase = 0xFFFFFFFFu - static_cast<uint32_t>(random() % 50);
        if (ColorCycleMode == 0 || ColorCycleMode == 2)
            WaveEngine.CycleFrame = 0xFFFFFFFFu - static_cast<uint32_t>(random() % 50);
        // The largest value a wave can hold at this width: a smooth wave's
        // 2 (W/8 + W/8 - 1 + W/32 - 1), a rough wave's 299.
        const int32_t largest = std::max(299, 2 * (width / 8 + width / 8 - 1 + width / 32 - 1));
        for (int frame = 0; frame < 120; ++frame) {
            if (frame == 60 && random() % 2 == 0)
                Restart();  // F1 in the middle of the run
            RenderFrame();
            ASSERT_NO_FATAL_FAILURE(CheckInvariants(largest)) << "run " << run << " frame " << frame;
        }
    }
}

}  // namespace
