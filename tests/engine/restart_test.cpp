// Restart: what it draws, in which order, and what it leaves ready.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "saver/engine/palette.h"
#include "saver/engine/restart.h"
#include "tests/engine/engine_fixture.h"

namespace {

struct RestartTest : EngineTest {};

TEST_F(RestartTest, DoesNothingWhenTheDeviceFailed)
{
    host->deviceFailed = true;
    SeedRandom(42);
    EXPECT_EQ(Restart(), 0);
    EXPECT_EQ(RandomState, 42u);
    EXPECT_EQ(host->firstSongs, 0);
    EXPECT_EQ(host->seedsStored, 0);
    EXPECT_EQ(host->uploads, 0);
    EXPECT_EQ(MusicStarted, 0);
}

TEST_F(RestartTest, DrawsPalettesPhasesMorphsDirectionsThenWavesInThatOrder)
{
    MainSeed = 4242;
    ASSERT_EQ(Restart(), 1);
    const uint32_t afterRestart = RandomState;
    EXPECT_EQ(host->lastSeed, 4242u);
    EXPECT_EQ(host->uploads, 1);

    // Palettes from the first 2 x 1524 draws.
    SeedRandom(4242);
    uint8_t first[PaletteBytes], second[PaletteBytes];
    MakeRandomPalette(first);
    MakeRandomPalette(second);
    EXPECT_EQ(0, std::memcmp(WaveEngine.BasePalette, first, PaletteBytes));
    EXPECT_EQ(0, std::memcmp(host->paletteEntries, first, PaletteBytes));
    EXPECT_EQ(0, std::memcmp(host->uploadedPalette, first, PaletteBytes));
    EXPECT_EQ(0, std::memcmp(WaveEngine.TargetPalette, second, PaletteBytes));

    // Then nine phases, nine morph positions and the direction rotation.
    Lcg lcg{4242};
    lcg.Skip(2 * 1524);
    const int32_t length = WaveEngine.TableLength;
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(WaveEngine.waves[k].phase, static_cast<uint32_t>(lcg.Next() % length)) << k;
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(WaveEngine.waves[k].morphPos, lcg.Next() % length) << k;
    int32_t rotation = lcg.Next() % 16;
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(WaveEngine.waves[k].dirX, DirectionX[(rotation + k) % 16]) << k;
        EXPECT_EQ(WaveEngine.waves[k].dirY, DirectionY[(rotation + k) % 16]) << k;
        EXPECT_EQ(WaveEngine.waves[k].phaseStep, 1u);
    }
    // Then 18 smooth waves of 5 draws each (Roughness 0), and nothing more.
    EXPECT_EQ(DrawsBetween(4242, afterRestart), 2 * 1524 + 18 + 1 + 18 * 5);
    EXPECT_EQ(WaveEngine.CycleFrame, 0u);
}

TEST_F(RestartTest, TheSecondPassOfWavesLeavesNoTraceOfTheFirst)
{
    MainSeed = 7;
    ASSERT_EQ(Restart(), 1);
    std::vector<std::vector<int32_t>> starts, targets;
    for (const Wave& wave : WaveEngine.waves) {
        starts.push_back(TableOf(wave.startTable));
        targets.push_back(TableOf(wave.targetTable));
    }
    // A different seed in between, then the same seed again: same tables.
    MainSeed = 8;
    Restart();
    MainSeed = 7;
    Restart();
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(TableOf(WaveEngine.waves[k].startTable), starts[k]) << k;
        EXPECT_EQ(TableOf(WaveEngine.waves[k].targetTable), targets[k]) << k;
        EXPECT_NE(starts[k], targets[k]) << k;
    }
}

TEST(Directions, RotationWrapsAfterEntry15AndNeverStandsStill)
{
    SetDirections(15);
    EXPECT_EQ(WaveEngine.waves[0].dirX, -1);
    EXPECT_EQ(WaveEngine.waves[0].dirY, -1);
    EXPECT_EQ(WaveEngine.waves[1].dirX, 0);
    EXPECT_EQ(WaveEngine.waves[1].dirY, -1);
    EXPECT_EQ(WaveEngine.waves[8].dirX, DirectionX[7]);
    EXPECT_EQ(WaveEngine.waves[8].dirY, DirectionY[7]);
    for (int i = 0; i < DirectionCount; ++i)
        EXPECT_FALSE(DirectionX[i] == 0 && DirectionY[i] == 0) << i;
}

TEST_F(RestartTest, SeedFromTheClockWhenMainSeedIsZero)
{
    MainSeed = 0;
    host->calendarSeconds = 1700000000u;  // % 32768 = 10240
    Restart();
    EXPECT_EQ(host->lastSeed, 1700000000u % 32768u);
    host->calendarSeconds = 32768u * 5u + 3u;
    Restart();
    EXPECT_EQ(host->lastSeed, 3u);
}

TEST_F(RestartTest, OnlyTheFirstRestartStartsTheMusic)
{
    MainSeed = 1;
    Restart();
    Restart();
    Restart();
    EXPECT_EQ(host->firstSongs, 1);
    EXPECT_EQ(MusicStarted, 1);
    EXPECT_EQ(host->seedsStored, 3);
}

TEST_F(RestartTest, RestartReplaysTheSameFrames)
{
    StartRun(640, 480);
    MainSeed = 2024;
    ColorCycleMode = 3;
    Restart();
    for (int i = 0; i < 3; ++i)
        RenderFrame();
    std::vector<uint8_t> frame = host->backBuffer;
    std::vector<uint8_t> palette(host->uploadedPalette, host->uploadedPalette + PaletteBytes);
    for (int i = 0; i < 50; ++i)
        RenderFrame();
    ASSERT_NE(host->backBuffer, frame);
    Restart();  // F1 with a fixed seed
    for (int i = 0; i < 3; ++i)
        RenderFrame();
    EXPECT_EQ(host->backBuffer, frame);
    EXPECT_EQ(std::vector<uint8_t>(host->uploadedPalette, host->uploadedPalette + PaletteBytes), palette);
}

}  // namespace
