// Colour cycling: the four modes frame by frame, and the turn of a fade.
#include <gtest/gtest.h>

#include <cstring>

#include "saver/engine/cycle.h"
#include "tests/engine/engine_fixture.h"

namespace {

struct CycleTest : EngineTest {
    void SetUp() override
    {
        EngineTest::SetUp();
        MainSeed = 314;
        ASSERT_EQ(Restart(), 1);
        std::memcpy(base, WaveEngine.BasePalette, PaletteBytes);
        std::memcpy(target, WaveEngine.TargetPalette, PaletteBytes);
    }
    // Runs the cycling until CycleFrame has counted `frames` since the restart.
    void Cycle(int frames)
    {
        for (int i = 0; i < frames; ++i)
            CyclePalette(host->paletteEntries);
    }
    const uint8_t* Entry(int i) const { return &host->paletteEntries[4 * i]; }

    uint8_t base[PaletteBytes];
    uint8_t target[PaletteBytes];
};

TEST_F(CycleTest, NoneKeepsTheRestartsPaletteWhileCounting)
{
    ColorCycleMode = 0;
    uint32_t state = RandomState;
    Cycle(600);
    EXPECT_EQ(0, std::memcmp(host->paletteEntries, base, PaletteBytes));
    EXPECT_EQ(WaveEngine.CycleFrame, 600u);
    EXPECT_EQ(RandomState, state);
}

TEST_F(CycleTest, CyclingRotatesByOneEntryPerFrameForEver)
{
    ColorCycleMode = 2;
    Cycle(1);  // N = 1
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(Entry(0)[c], base[4 * 1 + c]);
        EXPECT_EQ(Entry(255)[c], base[4 * 0 + c]);
        EXPECT_EQ(Entry(100)[c], base[4 * 101 + c]);
    }
    EXPECT_EQ(Entry(0)[3], 1);
    Cycle(299);  // N = 300: never reset in this mode
    EXPECT_EQ(WaveEngine.CycleFrame, 300u);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(Entry(0)[c], base[4 * (300 % 256) + c]);
}

TEST_F(CycleTest, MorphingFadesEntryByEntry)
{
    ColorCycleMode = 1;
    Cycle(128);  // t = 0.5
    for (int i = 0; i < 256; ++i) {
        for (int c = 0; c < 3; ++c) {
            int expected = static_cast<int>(base[4 * i + c] * 0.5 + target[4 * i + c] * 0.5);
            ASSERT_EQ(Entry(i)[c], expected) << i << " " << c;
        }
        ASSERT_EQ(Entry(i)[3], 1);
    }
    Cycle(127);  // N = 255: t = 255/256
    for (int c = 0; c < 3; ++c) {
        int expected = static_cast<int>(base[4 * 9 + c] * (1.0 / 256) + target[4 * 9 + c] * (255.0 / 256));
        EXPECT_EQ(Entry(9)[c], expected);
    }
}

TEST_F(CycleTest, CyclePlusMorphRotatesTheFade)
{
    ColorCycleMode = 3;
    Cycle(128);  // N = 128: entry i shows the fade of entry (128 + i) mod 256
    for (int i = 0; i < 256; ++i) {
        int j = (128 + i) % 256;
        for (int c = 0; c < 3; ++c) {
            int expected = static_cast<int>(target[4 * j + c] * 0.5 + base[4 * j + c] * 0.5);
            ASSERT_EQ(Entry(i)[c], expected) << i;
        }
    }
}

// The 256th frame of a fade: the count is back at 0, the old target shows
// unrotated, and a new target has been drawn (one palette's draws).
TEST_F(CycleTest, TheFadeTurnsAtFrame256)
{
    for (int32_t mode : {1, 3}) {
        SCOPED_TRACE(mode);
        MainSeed = 314;
        Restart();
        ColorCycleMode = mode;
        Cycle(255);
        uint32_t state = RandomState;
        Cycle(1);
        EXPECT_EQ(WaveEngine.CycleFrame, 0u);
        EXPECT_EQ(DrawsBetween(state, RandomState), 1524);
        for (int i = 0; i < 256; ++i) {
            for (int c = 0; c < 3; ++c) {
                ASSERT_EQ(Entry(i)[c], target[4 * i + c]) << i;
                ASSERT_EQ(WaveEngine.BasePalette[4 * i + c], target[4 * i + c]) << i;
            }
        }
        uint8_t next[PaletteBytes];
        SeedRandom(state);
        MakeRandomPalette(next);
        EXPECT_EQ(0, std::memcmp(WaveEngine.TargetPalette, next, PaletteBytes));
    }
}

TEST_F(CycleTest, TheCounterWrapsInTheEndlessModes)
{
    ColorCycleMode = 2;
    WaveEngine.CycleFrame = 0xFFFFFFFFu;
    Cycle(1);
    EXPECT_EQ(WaveEngine.CycleFrame, 0u);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(Entry(7)[c], base[4 * 7 + c]);
}

}  // namespace
