// The random generator and the random shapes: draws, their order, their
// reductions, and the shapes they make.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

#include "saver/engine/cosine.h"
#include "saver/engine/palette.h"
#include "saver/engine/waves.h"
#include "tests/engine/engine_fixture.h"

namespace {

TEST(RandomGenerator, FirstDrawsFromTheStartState)
{
    SeedRandom(1);
    const int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int32_t value : expected)
        EXPECT_EQ(DrawRandom(), value);
}

TEST(RandomGenerator, SeedingSetsTheStateAndDrawsStayIn15Bits)
{
    SeedRandom(0xFFFFFFFFu);
    EXPECT_EQ(RandomState, 0xFFFFFFFFu);
    Lcg lcg{0xFFFFFFFFu};
    for (int i = 0; i < 100000; ++i) {
        int32_t draw = DrawRandom();
        ASSERT_EQ(draw, lcg.Next());
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, 32767);
    }
}

TEST(DisplaceMidpoints, FillsEveryInteriorIndexWithTwoDrawsEach)
{
    for (auto [lo, hi] : {std::pair{0, 2}, {0, 128}, {127, 255}, {0, 127}, {384, 511}, {3, 100}}) {
        SCOPED_TRACE(testing::Message() << lo << ".." << hi);
        std::vector<int32_t> values(hi + 2, -1);
        values[lo] = 100;
        values[hi] = 200;
        SeedRandom(77);
        DisplaceMidpoints(values.data(), lo, hi, 255);
        EXPECT_EQ(DrawsBetween(77, RandomState), 2L * (hi - lo - 1));
        for (int i = lo + 1; i < hi; ++i) {
            EXPECT_GE(values[i], 0) << i;
            EXPECT_LE(values[i], 255) << i;
        }
        EXPECT_EQ(values[hi + 1], -1);  // nothing beyond hi
        EXPECT_EQ(values[lo], 100);
        EXPECT_EQ(values[hi], 200);
    }
}

// Over 0..4 the midpoints come in the order 2, then 1 (left), then 3 (right);
// each is avg + r1 - r2 with r = draw % spread, clamped. Only the first
// midpoint is clamped to top.
TEST(DisplaceMidpoints, DepthFirstLeftBeforeRightAndTopOnlyOnTheFirst)
{
    for (int32_t top : {255, 40, 0}) {
        SCOPED_TRACE(top);
        int32_t values[5] = {60, -1, -1, -1, 250};
        SeedRandom(1234);
        DisplaceMidpoints(values, 0, 4, top);

        Lcg lcg{1234};
        auto mid = [&lcg](int32_t a, int32_t b, int32_t spread, int32_t clamp) {
            int32_t r1 = lcg.Next() % spread;
            int32_t r2 = lcg.Next() % spread;
            int32_t v = (a + b) / 2 + r1 - r2;
            return v > clamp ? clamp : (v < 0 ? 0 : v);
        };
        int32_t m2 = mid(60, 250, 3, top);  // half 2, spread 3
        int32_t m1 = mid(60, m2, 1, 255);   // half 1, spread 1
        int32_t m3 = mid(m2, 250, 1, 255);
        EXPECT_EQ(values[2], m2);
        EXPECT_EQ(values[1], m1);
        EXPECT_EQ(values[3], m3);
    }
}

TEST(MakeRandomPalette, ThreeBlackToPeakToBlackRampsFrom1524Draws)
{
    for (uint32_t seed : {1u, 99u, 31337u}) {
        SCOPED_TRACE(seed);
        uint8_t palette[PaletteBytes];
        SeedRandom(seed);
        MakeRandomPalette(palette);
        EXPECT_EQ(DrawsBetween(seed, RandomState), 1524);

        // Each channel's peak comes from the first two draws of its 508.
        Lcg lcg{seed};
        for (int channel = 0; channel < 3; ++channel) {
            int32_t first = lcg.Next() % 256;
            int32_t second = lcg.Next() % 256;
            EXPECT_EQ(palette[4 * 127 + channel], (first + second) / 2) << channel;
            EXPECT_EQ(palette[4 * 0 + channel], 0) << channel;
            EXPECT_EQ(palette[4 * 255 + channel], 0) << channel;
            lcg.Skip(506);
        }
        for (int i = 0; i < 256; ++i)
            EXPECT_EQ(palette[4 * i + 3], 1) << i;
    }
}

TEST(NormaliseWave, StretchesOntoZeroToTopMinusOne)
{
    // scale = (top - 1) / span is rounded before it multiplies, so some spans
    // end just below top - 1 (a largest value of 198 for top 200).
    for (int32_t span : {1, 2, 7, 73, 81, 91, 100, 199, 255}) {
        SCOPED_TRACE(span);
        std::vector<int32_t> values = {10 + span, 10, 10 + span / 2, 10 + span / 3};
        NormaliseWave(values.data(), 4, 200);
        double scale = 199.0 / span;
        EXPECT_EQ(values[0], static_cast<int32_t>(span * scale));
        EXPECT_EQ(values[1], 0);
        EXPECT_EQ(values[2], static_cast<int32_t>((span / 2) * scale));
        EXPECT_GE(values[0], 198);
        EXPECT_LE(values[0], 199);
    }
    std::vector<int32_t> spans73 = {0, 73};
    NormaliseWave(spans73.data(), 2, 200);
    EXPECT_EQ(spans73[1], 198);
}

TEST(NormaliseWave, EqualValuesBecomeZero)
{
    std::vector<int32_t> values(512, 77);
    NormaliseWave(values.data(), 512, 250);
    for (int32_t v : values)
        ASSERT_EQ(v, 0);
}

TEST(SmoothWave, AveragesThreeNeighboursOfTheOriginalAndWraps)
{
    std::vector<int32_t> spike(8, 0);
    spike[0] = 90;
    SmoothWave(spike.data(), 8);
    EXPECT_EQ(spike, (std::vector<int32_t>{30, 30, 0, 0, 0, 0, 0, 30}));

    std::vector<int32_t> ramp = {0, 3, 6, 9, 12, 15};
    SmoothWave(ramp.data(), 6);
    // Each from the original values: (15+3+0)/3, (0+6+3)/3, ..., (12+0+15)/3.
    EXPECT_EQ(ramp, (std::vector<int32_t>{6, 3, 6, 9, 12, 9}));
}

// A smooth wave predicted from its definition: one discarded draw, the
// amplitude W/8 + draw % (W/8) + draw % (W/32), the frequency by the width,
// then a * |cos(2 pi k i / L) + 1| truncated.
std::vector<int32_t> ExpectedSmoothWave(Lcg& lcg, int32_t width, int32_t length)
{
    lcg.Next();
    int32_t a = width / 8;
    if (width / 8 != 0)
        a += lcg.Next() % (width / 8);
    if (width / 32 != 0)
        a += lcg.Next() % (width / 32);
    int32_t choices = width <= 320 ? 4 : width <= 400 ? 3 : width <= 512 ? 2 : width <= 640 ? 4
                    : width <= 800 ? 3 : width <= 1024 ? 3 : width <= 1280 ? 4 : width <= 1600 ? 3 : 2;
    int32_t k = lcg.Next() % choices + 1;
    std::vector<int32_t> wave(length);
    for (int32_t i = 0; i < length; ++i) {
        double x = static_cast<double>(i) / length * 6.283185307179586 * k;
        wave[i] = static_cast<int32_t>(a * std::fabs(std::cos(x) + 1.0));
    }
    return wave;
}

TEST_F(EngineTest, SmoothWavesFollowTheirDrawsForEveryWidthClass)
{
    const int32_t widths[] = {320, 400, 512, 640, 800, 1024, 1280, 1600, 1920, 200, 16, 4};
    for (int32_t width : widths) {
        SCOPED_TRACE(width);
        StartRun(width, 240);
        const int32_t length = WaveEngine.TableLength;
        std::vector<int32_t> start(length), target(length, 5);
        Roughness = 0;
        for (uint32_t seed : {3u, 4u, 5u, 6u}) {
            SeedRandom(seed);
            GenerateWave(start.data(), target.data(), length);
            Lcg lcg{seed};
            lcg.Next();  // the rough-or-smooth draw
            std::vector<int32_t> expected = ExpectedSmoothWave(lcg, width, length);
            ASSERT_EQ(target, expected) << seed;
            long draws = DrawsBetween(seed, RandomState);
            EXPECT_EQ(draws, width >= 32 ? 5 : width >= 8 ? 4 : 3);
        }
    }
}

TEST(Cosine, AgreesWithTheSmoothWavesUseOfTheLibraryCosine)
{
    // Every argument the smooth waves use, for the amplitudes they reach.
    for (int32_t length : {512, 1024, 2048}) {
        for (int k = 1; k <= 4; ++k) {
            for (int32_t i = 0; i < length; ++i) {
                double x = static_cast<double>(i) / length * 6.283185307179586 * k;
                ASSERT_NEAR(Cosine(x), std::cos(x), 2.3e-16) << x;
                for (int32_t a : {0, 1, 40, 63, 100, 159, 255, 300, 399, 487}) {
                    ASSERT_EQ(static_cast<int32_t>(a * std::fabs(Cosine(x) + 1.0)),
                              static_cast<int32_t>(a * std::fabs(std::cos(x) + 1.0)))
                        << "a " << a << " x " << x;
                }
            }
        }
    }
    EXPECT_EQ(Cosine(0.0), 1.0);
    EXPECT_NEAR(Cosine(-2.5), std::cos(-2.5), 2.3e-16);
    EXPECT_NEAR(Cosine(1000.25), std::cos(1000.25), 2.3e-16);
}

TEST_F(EngineTest, RoughWavesTakeTheirDrawsAndStayNormalised)
{
    const struct {
        int32_t width;
        int32_t length;
        int32_t top;
        long draws;
    } classes[] = {{320, 512, 200, 1020}, {1024, 1024, 250, 2040}, {1600, 2048, 300, 4080}};
    for (const auto& c : classes) {
        SCOPED_TRACE(c.width);
        StartRun(c.width, 200);
        ASSERT_EQ(WaveEngine.TableLength, c.length);
        Roughness = 1000;
        std::vector<int32_t> start(c.length), target(c.length, 9);
        for (uint32_t seed : {11u, 12u, 13u}) {
            SeedRandom(seed);
            GenerateWave(start.data(), target.data(), c.length);
            EXPECT_EQ(DrawsBetween(seed, RandomState), c.draws);
            auto [low, high] = std::minmax_element(target.begin(), target.end());
            EXPECT_GE(*low, 0);
            EXPECT_LE(*high, c.top - 1);
            // Smoothing after normalising keeps the range nearly whole.
            EXPECT_LE(*low, 1);
            EXPECT_GE(*high, c.top - 4);
        }
    }
}

TEST_F(EngineTest, GenerateWaveMakesTheOldTargetTheNewStart)
{
    const int32_t length = WaveEngine.TableLength;
    std::vector<int32_t> start(length, -7), target(length);
    std::iota(target.begin(), target.end(), 0);
    std::vector<int32_t> old = target;
    SeedRandom(5);
    GenerateWave(start.data(), target.data(), length);
    EXPECT_EQ(start, old);
    EXPECT_NE(target, old);
}

TEST_F(EngineTest, RoughnessDecidesByADrawModulo1000)
{
    // The first draw of a wave, % 1000, below Roughness means rough. Find
    // seeds with first draws of 0 and 999 and check both ends of the range.
    uint32_t seedZero = 0, seedTop = 0;
    for (uint32_t seed = 1; seedZero == 0 || seedTop == 0; ++seed) {
        Lcg lcg{seed};
        int32_t t = lcg.Next() % 1000;
        if (t == 0 && seedZero == 0)
            seedZero = seed;
        if (t == 999 && seedTop == 0)
            seedTop = seed;
    }
    const int32_t length = WaveEngine.TableLength;
    std::vector<int32_t> start(length), target(length);
    const struct {
        int32_t roughness;
        uint32_t seed;
        long draws;  // 1020: rough; 5: smooth
    } cases[] = {{0, seedZero, 5}, {1, seedZero, 1020}, {999, seedTop, 5}, {1000, seedTop, 1020}};
    for (const auto& c : cases) {
        Roughness = c.roughness;
        SeedRandom(c.seed);
        GenerateWave(start.data(), target.data(), length);
        EXPECT_EQ(DrawsBetween(c.seed, RandomState), c.draws) << c.roughness;
    }
}

}  // namespace
