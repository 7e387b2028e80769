// One frame: its steps, its order, the morphs and the status line.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "saver/engine/render.h"
#include "saver/engine/waves.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/reference_pixels.h"

namespace {

struct FrameTest : EngineTest {
    void SetUp() override
    {
        EngineTest::SetUp();
        MainSeed = 99;
        ASSERT_EQ(Restart(), 1);
        host->uploads = 0;
    }
};

TEST_F(FrameTest, NothingHappensWhileInactive)
{
    Active = 0;
    CaptureRequested = 1;
    uint32_t state = RandomState;
    uint32_t phase = WaveEngine.waves[0].phase;
    RenderFrame();
    EXPECT_EQ(host->locks + host->presents + host->uploads + host->captures, 0);
    EXPECT_EQ(RandomState, state);
    EXPECT_EQ(WaveEngine.waves[0].phase, phase);
    EXPECT_EQ(WaveEngine.CycleFrame, 0u);
    EXPECT_EQ(CaptureRequested, 1);  // waits for the next drawn frame
    Active = 1;
    RenderFrame();
    EXPECT_EQ(host->captures, 1);
    EXPECT_EQ(CaptureRequested, 0);
}

TEST_F(FrameTest, OneFrameDrawsBlendsAdvancesUploadsAndFlips)
{
    // What the frame should show: the blends of the restart's tables.
    BlendWaves();
    std::vector<uint8_t> expected(host->backBuffer.size());
    ReferenceDraw(expected.data(), host->width, host->width, host->height, UseCurves);
    uint32_t phases[9];
    for (int k = 0; k < 9; ++k)
        phases[k] = WaveEngine.waves[k].phase;

    RenderFrame();
    EXPECT_EQ(host->backBuffer, expected);
    EXPECT_EQ(host->locks, 1);
    EXPECT_EQ(host->unlocks, 1);
    EXPECT_EQ(host->uploads, 1);
    EXPECT_EQ(host->presents, 1);
    EXPECT_FALSE(host->locked);
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(WaveEngine.waves[k].phase, phases[k] + 1u) << "all nine advance";
    EXPECT_EQ(WaveEngine.CycleFrame, 1u);
    EXPECT_EQ(0, std::memcmp(host->uploadedPalette, host->paletteEntries, PaletteBytes));
}

TEST_F(FrameTest, AFailedLockSkipsThePixelsButNotTheRest)
{
    host->lockFails = true;
    uint32_t phase = WaveEngine.waves[3].phase;
    int32_t morph = WaveEngine.waves[0].morphPos;
    std::vector<uint8_t> untouched = host->backBuffer;
    RenderFrame();
    EXPECT_EQ(host->backBuffer, untouched);
    EXPECT_EQ(host->unlocks, 0);
    EXPECT_EQ(WaveEngine.waves[3].phase, phase);
    EXPECT_EQ(WaveEngine.CycleFrame, 1u);
    EXPECT_EQ(WaveEngine.waves[0].morphPos, morph + MorphSpeed);
    EXPECT_EQ(host->presents, 1);
}

TEST_F(FrameTest, BlendWeighsStartAndTargetByTheMorphPosition)
{
    const int32_t length = WaveEngine.TableLength;
    Wave& wave = WaveEngine.waves[0];
    for (int32_t i = 0; i < length; ++i) {
        wave.startTable[i] = 100;
        wave.targetTable[i] = 201;
    }
    const struct {
        int32_t morph;
        int32_t blended;
    } cases[] = {{0, 100}, {length, 201}, {length / 2, 150}, {length / 4, 125}, {1, 100}, {length - 1, 200}};
    for (const auto& c : cases) {
        wave.morphPos = c.morph;
        BlendWaves();
        EXPECT_EQ(wave.blendTable[0], c.blended) << c.morph;
        EXPECT_EQ(wave.blendTable[length - 1], c.blended) << c.morph;
    }
}

TEST_F(FrameTest, MorphSpeedZeroNeverDrawsANewWave)
{
    MorphSpeed = 0;
    ColorCycleMode = 0;
    uint32_t state = RandomState;
    for (int i = 0; i < 20; ++i)
        RenderFrame();
    EXPECT_EQ(RandomState, state);
}

// Above the table length every used wave completes each frame: the draws of
// the new targets come for waves n down to 1; waves above n keep their morph.
TEST_F(FrameTest, MorphSpeedAboveTheLengthRenewsEveryUsedWaveEveryFrame)
{
    const int32_t length = WaveEngine.TableLength;
    MorphSpeed = length + 1;
    UseCurves = 3;
    ColorCycleMode = 0;
    int32_t morph4 = WaveEngine.waves[3].morphPos;
    std::vector<std::vector<int32_t>> oldTargets;
    for (int k = 0; k < 3; ++k)
        oldTargets.push_back(TableOf(WaveEngine.waves[k].targetTable));
    uint32_t state = RandomState;

    AdvanceMorphs(UseCurves);
    EXPECT_EQ(DrawsBetween(state, RandomState), 3 * 5);
    // Wave 3 took the first five draws, wave 1 the last five.
    std::vector<int32_t> start(length), byFirst(length), byLast(length);
    SeedRandom(state);
    GenerateWave(start.data(), byFirst.data(), length);
    GenerateWave(start.data(), byLast.data(), length);
    GenerateWave(start.data(), byLast.data(), length);
    EXPECT_EQ(TableOf(WaveEngine.waves[2].targetTable), byFirst);
    EXPECT_EQ(TableOf(WaveEngine.waves[0].targetTable), byLast);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(WaveEngine.waves[k].morphPos, 0);
        EXPECT_EQ(TableOf(WaveEngine.waves[k].startTable), oldTargets[k]);
    }
    EXPECT_EQ(WaveEngine.waves[3].morphPos, morph4);
}

TEST_F(FrameTest, AMorphCompletesOnlyPastTheLength)
{
    const int32_t length = WaveEngine.TableLength;
    MorphSpeed = 2;
    Wave& wave = WaveEngine.waves[0];
    wave.morphPos = length - 2;
    uint32_t state = RandomState;
    AdvanceMorphs(1);
    EXPECT_EQ(wave.morphPos, length);  // this frame shows the target exactly
    EXPECT_EQ(RandomState, state);
    AdvanceMorphs(1);
    EXPECT_EQ(wave.morphPos, 0);
    EXPECT_NE(RandomState, state);
}

TEST_F(FrameTest, AHugeMorphSpeedStillCompletesTheMorph)
{
    MorphSpeed = INT_MAX;
    Wave& wave = WaveEngine.waves[0];
    wave.morphPos = 5;
    AdvanceMorphs(1);
    EXPECT_EQ(wave.morphPos, 0);
    MorphSpeed = INT_MAX - 3;
    wave.morphPos = 10;
    AdvanceMorphs(1);
    EXPECT_EQ(wave.morphPos, 0);
}

TEST_F(FrameTest, PhasesWrapModulo2To32)
{
    WaveEngine.waves[2].phase = 0xFFFFFFFFu;
    WaveEngine.waves[2].phaseStep = 1;
    WaveEngine.waves[5].phase = 0x7FFFFFFFu;
    AdvancePhases();
    EXPECT_EQ(WaveEngine.waves[2].phase, 0u);
    EXPECT_EQ(WaveEngine.waves[5].phase, 0x80000000u);
    // A wrapped phase is drawn like any other.
    BlendWaves();
    std::vector<uint8_t> expected(host->backBuffer.size());
    ReferenceDraw(expected.data(), host->width, host->width, host->height, UseCurves);
    RenderFrame();
    EXPECT_EQ(host->backBuffer, expected);
}

TEST(StatusLine, FrameRateAndSong)
{
    char text[2048];
    FormatStatusLine(text, sizeof text, true, 57, nullptr);
    EXPECT_STREQ(text, "FPS: 57  ");
    FormatStatusLine(text, sizeof text, true, 0, "SONG.MID");
    EXPECT_STREQ(text, "FPS: 0  SONG: SONG.MID");
    FormatStatusLine(text, sizeof text, false, 57, "SONG.MID");
    EXPECT_STREQ(text, "");
}

TEST_F(FrameTest, TheFrameRateIsTheCountOfTheLastWindowOverASecond)
{
    ShowStats = 1;
    host->songName = "A.MID";
    for (int i = 0; i < 7; ++i) {
        host->tick = 100u * static_cast<uint32_t>(i);
        RenderFrame();
        EXPECT_EQ(host->statusLine, "FPS: 0  SONG: A.MID");
    }
    host->tick = 1000;  // not more than 1000 ms yet
    RenderFrame();
    EXPECT_EQ(host->statusLine, "FPS: 0  SONG: A.MID");
    host->tick = 1001;
    RenderFrame();
    EXPECT_EQ(host->statusLine, "FPS: 9  SONG: A.MID");
    host->tick = 1500;
    RenderFrame();
    EXPECT_EQ(host->statusLine, "FPS: 9  SONG: A.MID");
    ShowStats = 0;
    RenderFrame();
    EXPECT_EQ(host->statusLine, "");
}

TEST_F(FrameTest, TheTickWindowSurvivesTheCounterWrap)
{
    StartRun(320, 200);
    host->tick = 0xFFFFFF00u;
    FreeWaveTables();
    ASSERT_TRUE(AllocateWaveTables());
    MainSeed = 1;
    Restart();
    ShowStats = 1;
    host->tick = 0x00000200u;  // 0x300 = 768 ms later, across the wrap
    RenderFrame();
    EXPECT_EQ(host->statusLine, "FPS: 0  ");
    host->tick = 0x000002F0u;  // 1008 ms after the start
    RenderFrame();
    EXPECT_EQ(host->statusLine, "FPS: 2  ");
}

}  // namespace
