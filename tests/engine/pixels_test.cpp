// The pixel loop: the mirrored index, the colour terms, the pixel map, and
// the specialised loops against the plain reference.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "saver/engine/pixels.h"
#include "saver/engine/restart.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/reference_pixels.h"

namespace {

struct PixelTest : EngineTest {
    void FillTable(int k, int32_t value)
    {
        for (int32_t i = 0; i < WaveEngine.TableLength; ++i)
            WaveEngine.waves[k - 1].blendTable[i] = value;
    }
    void Aim(int k, int32_t dirX, int32_t dirY, uint32_t phase)
    {
        WaveEngine.waves[k - 1].dirX = dirX;
        WaveEngine.waves[k - 1].dirY = dirY;
        WaveEngine.waves[k - 1].phase = phase;
    }
    std::vector<uint8_t> Draw(int32_t n)
    {
        std::vector<uint8_t> pixels(static_cast<size_t>(host->pitch) * host->height, 0xCC);
        DrawWaves(pixels.data(), host->pitch, host->width, host->height, n);
        return pixels;
    }
};

TEST(MirroredIndex, AbsoluteValueThenLowBits)
{
    EXPECT_EQ(MirroredIndex(5u, 511u), 5u);
    EXPECT_EQ(MirroredIndex(static_cast<uint32_t>(-5), 511u), 5u);
    EXPECT_EQ(MirroredIndex(512u + 3u, 511u), 3u);
    EXPECT_EQ(MirroredIndex(static_cast<uint32_t>(-515), 511u), 3u);
    EXPECT_EQ(MirroredIndex(0x80000000u, 2047u), 0u);  // |-2^31| = 2^31, remainder 0
    EXPECT_EQ(MirroredIndex(0x7FFFFFFFu, 1023u), 1023u);
    EXPECT_EQ(MirroredIndex(0x80000001u, 1023u), 1023u);
}

// With waves 2 and 3 at 0, a pixel is PixelMap[v(1) / 4]; wave 1's table
// holding 4 i shows the index it looked up.
TEST_F(PixelTest, TheLookUpTurnsBackAtIndexZero)
{
    for (int k = 1; k <= 3; ++k)
        FillTable(k, 0);
    for (int32_t i = 0; i < WaveEngine.TableLength; ++i)
        WaveEngine.waves[0].blendTable[i] = 4 * i;
    const struct {
        int32_t dirX;
        uint32_t phase;
        std::vector<uint8_t> row;
    } cases[] = {
        {-1, 0, {1, 1, 2, 3, 4, 5, 6, 7}},  // |-x|: 0, 1, 2, ... (index 0 maps to pixel 1)
        {+1, 0, {1, 1, 2, 3, 4, 5, 6, 7}},
        {-1, 5, {5, 4, 3, 2, 1, 1, 1, 2}},  // 5, 4, 3, 2, 1, 0, 1, 2
    };
    for (const auto& c : cases) {
        Aim(1, c.dirX, 0, c.phase);
        std::vector<uint8_t> pixels = Draw(3);
        EXPECT_EQ(std::vector<uint8_t>(pixels.begin(), pixels.begin() + 8), c.row) << c.phase;
    }
}

TEST_F(PixelTest, ConstantTablesGiveOneColourForEveryWaveCount)
{
    const struct {
        int32_t value;
        uint8_t pixel;
    } cases[] = {{100, 100}, {256, 1}, {511, 254}, {255, 254}, {0, 1}, {300, 44}};
    for (int32_t n = 3; n <= 9; ++n) {
        for (const auto& c : cases) {
            for (int k = 1; k <= 9; ++k)
                FillTable(k, c.value);
            std::vector<uint8_t> pixels = Draw(n);
            for (int32_t y = 0; y < host->height; ++y) {
                for (int32_t x = 0; x < host->width; ++x)
                    ASSERT_EQ(pixels[y * host->pitch + x], c.pixel) << n << " " << c.value;
            }
        }
    }
}

TEST_F(PixelTest, TheColourJoinsTwoWavesWithTheLast)
{
    // Wave k constant at 4 * 2^(k-1), the last wave at 0: m = 2^(a-1) + 2^(b-1)
    // tells which two waves were taken.
    const struct {
        int32_t n;
        int a;
        int b;
    } terms[] = {{3, 1, 2}, {4, 2, 3}, {5, 3, 4}, {6, 4, 5}, {7, 4, 5}, {8, 4, 6}, {9, 5, 7}};
    for (const auto& t : terms) {
        for (int k = 1; k <= 9; ++k)
            FillTable(k, k == t.n ? 0 : 4 << (k - 1));
        uint8_t expected = static_cast<uint8_t>((1 << (t.a - 1)) + (1 << (t.b - 1)));
        std::vector<uint8_t> pixels = Draw(t.n);
        EXPECT_EQ(pixels[0], expected) << t.n;
        EXPECT_EQ(pixels[host->pitch * (host->height - 1) + host->width - 1], expected) << t.n;
    }
}

// Random tables, phases and directions, every wave count and table length,
// phases near the 32-bit edges: the loop equals the reference byte for byte
// and leaves the bytes beyond each row alone.
TEST_F(PixelTest, SpecialisedLoopsEqualTheReference)
{
    std::mt19937 random(12345);
    const struct {
        int32_t width;
        int32_t height;
        int32_t pitch;
    } sizes[] = {{320, 200, 336}, {640, 48, 640}, {1600, 24, 1608}};
    const uint32_t phases[] = {0u, 5u, 0x7FFFFF00u, 0x80000000u, 0xFFFFFF80u, 0x7FFFFFFFu};
    for (const auto& size : sizes) {
        StartRun(size.width, size.height, size.pitch);
        const int32_t length = WaveEngine.TableLength;
        for (int32_t n = 3; n <= 9; ++n) {
            for (int round = 0; round < 3; ++round) {
                SetDirections(static_cast<int32_t>(random() % 16));
                for (int k = 1; k <= 9; ++k) {
                    for (int32_t i = 0; i < length; ++i)
                        WaveEngine.waves[k - 1].blendTable[i] = static_cast<int32_t>(random() % 600);
                    WaveEngine.waves[k - 1].phase = phases[random() % 6] + random() % 64;
                    if (random() % 4 == 0) {
                        WaveEngine.waves[k - 1].dirX = -WaveEngine.waves[k - 1].dirX;
                        WaveEngine.waves[k - 1].dirY = -WaveEngine.waves[k - 1].dirY;
                    }
                }
                std::vector<uint8_t> expected(static_cast<size_t>(size.pitch) * size.height, 0xCC);
                ReferenceDraw(expected.data(), size.pitch, size.width, size.height, n);
                ASSERT_EQ(Draw(n), expected) << "width " << size.width << " waves " << n;
            }
        }
    }
}

// The fast loop against the plain one: every wave count, all 16 direction
// rotations as the restart hands them out and with the signs of some waves
// turned round, the three table lengths, phases around 0 and both 32-bit
// edges, random tables (values up to 2000, so the previous wave's range is
// wide), an odd width (the pixels after the last group of four).
TEST_F(PixelTest, FastLoopEqualsThePlainLoopEverywhere)
{
    std::mt19937 random(777);
    const int32_t widths[] = {67, 700, 1100};  // tables of 512, 1024, 2048
    const uint32_t phases[] = {0u, 0x7FFFFFFFu, 0x80000000u};
    for (int32_t width : widths) {
        StartRun(width, 9, width + 5);
        const int32_t length = WaveEngine.TableLength;
        for (int32_t n = 3; n <= 9; ++n) {
            for (int rotation = 0; rotation < 16; ++rotation) {
                for (bool turned : {false, true}) {
                    SetDirections(rotation);
                    for (int k = 1; k <= 9; ++k) {
                        Wave& wave = WaveEngine.waves[k - 1];
                        for (int32_t i = 0; i < length; ++i)
                            wave.blendTable[i] = static_cast<int32_t>(random() % 2001);
                        wave.phase = phases[random() % 3] - 40u + random() % 80u;
                        if (turned && random() % 2 == 0) {
                            wave.dirX = -wave.dirX;
                            wave.dirY = -wave.dirY;
                        }
                    }
                    std::vector<uint8_t> plain(static_cast<size_t>(host->pitch) * host->height, 0xCC);
                    DrawWavesPlain(plain.data(), host->pitch, host->width, host->height, n);
                    ASSERT_EQ(Draw(n), plain) << "width " << width << " waves " << n << " rotation " << rotation
                                              << (turned ? " turned" : "");
                }
            }
        }
    }
}

// Values the 16-bit expansion cannot hold, and steps of more than one entry,
// still draw the right picture (through the plain loop).
TEST_F(PixelTest, WhatTheFastLoopCannotHoldIsStillDrawnRight)
{
    std::mt19937 random(4);
    SetDirections(3);
    for (int k = 1; k <= 9; ++k) {
        for (int32_t i = 0; i < WaveEngine.TableLength; ++i)
            WaveEngine.waves[k - 1].blendTable[i] = static_cast<int32_t>(random() % 300);
    }
    WaveEngine.waves[1].blendTable[17] = 70000;
    std::vector<uint8_t> expected(static_cast<size_t>(host->pitch) * host->height, 0xCC);
    ReferenceDraw(expected.data(), host->pitch, host->width, host->height, 6);
    EXPECT_EQ(Draw(6), expected);

    WaveEngine.waves[1].blendTable[17] = 5;
    WaveEngine.waves[0].dirX = 3;
    ReferenceDraw(expected.data(), host->pitch, host->width, host->height, 6);
    EXPECT_EQ(Draw(6), expected);
}

}  // namespace
