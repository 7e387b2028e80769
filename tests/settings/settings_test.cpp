// The settings' portable rules: text to number, limits, screen class.
#include "saver/settings/settings.h"

#include <gtest/gtest.h>

namespace {

TEST(TextToNumber, ReadsLikeAtoi)
{
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"abc", 0},
        {"12abc", 12},
        {"  \t42", 42},
        {"\n-3x", -3},
        {"", 0},
        {"-", 0},
        {"--1", 0},
        {"4 2", 4},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToNumber(c.text), c.value);
    }
}

TEST(TextToNumber, SeedsAbove31BitsRoundTripThroughTheirSignedText)
{
    // A MainSeed above 2147483647 is stored as "%d", a negative number.
    EXPECT_EQ(static_cast<uint32_t>(TextToNumber("-1")), 0xFFFFFFFFu);
    EXPECT_EQ(static_cast<uint32_t>(TextToNumber("-1294967296")), 3000000000u);
    // Unsigned text beyond 2^31 wraps to the same 32 bits.
    EXPECT_EQ(static_cast<uint32_t>(TextToNumber("4294967295")), 0xFFFFFFFFu);
    EXPECT_EQ(static_cast<uint32_t>(TextToNumber("3000000000")), 3000000000u);
    // Longer digit runs are defined too: modulo 2^32.
    EXPECT_EQ(static_cast<uint32_t>(TextToNumber("4294967296")), 0u);
    EXPECT_EQ(static_cast<uint32_t>(TextToNumber("99999999999999999999")), 1661992959u);
}

TEST(HoldToLimits, EachSetting)
{
    EXPECT_EQ(HoldToLimits(12, UseCurvesLimits), 9);
    EXPECT_EQ(HoldToLimits(2, UseCurvesLimits), 3);
    EXPECT_EQ(HoldToLimits(6, UseCurvesLimits), 6);
    EXPECT_EQ(HoldToLimits(-5, RoughnessLimits), 0);
    EXPECT_EQ(HoldToLimits(1001, RoughnessLimits), 1000);
    EXPECT_EQ(HoldToLimits(-1, ColorCycleModeLimits), 0);
    EXPECT_EQ(HoldToLimits(4, ColorCycleModeLimits), 3);
    EXPECT_EQ(HoldToLimits(500, MorphSpeedLimits), 500);
    EXPECT_EQ(HoldToLimits(INT32_MIN, MorphSpeedLimits), 0);
    EXPECT_EQ(HoldToLimits(-1, ResolutionLimits), 0);
    EXPECT_EQ(HoldToLimits(INT32_MAX, ResolutionLimits), INT32_MAX);
}

TEST(ScreenClassForWidth, Boundaries)
{
    const struct {
        int32_t width;
        int32_t screenClass;
    } cases[] = {{1, 0}, {320, 0}, {512, 0}, {513, 1}, {1024, 1}, {1025, 2}, {100000, 2}, {0, 2}, {-4, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        EXPECT_EQ(ScreenClassForWidth(c.width), c.screenClass);
    }
}

}  // namespace
