// LoadSettings and SaveSettings against Wine's registry and DirectDraw.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "saver/display/mode_list.h"
#include "saver/settings/registry.h"
#include "saver/settings/settings.h"
#include "saver/settings/settings_store.h"
#include "tests/wine/bench.h"

namespace {

const char* const Key = "Software\\HollisFernby\\Tarnovelle";

struct SettingsStoreWine : ::testing::Test {
    void SetUp() override { bench::DeleteKeyTree(HKEY_CURRENT_USER, Key); }
    void TearDown() override { bench::DeleteKeyTree(HKEY_CURRENT_USER, Key); }

    static std::string Stored(const char* name) { return bench::ReadText(HKEY_CURRENT_USER, Key, name); }
    static void Store(const char* name, const std::string& text) { bench::WriteText(HKEY_CURRENT_USER, Key, name, text); }

    // Index of the smallest mode as the mode list orders them.
    static int32_t SmallestModeIndex()
    {
        ModeChoice choice = ModeForIndex(INT32_MAX);
        return choice.position;
    }
};

TEST_F(SettingsStoreWine, EmptyRegistryLeavesEveryDefaultAsText)
{
    ASSERT_FALSE(bench::KeyExists(HKEY_CURRENT_USER, Key));
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(Stored("MainSeed"), "0");
    EXPECT_EQ(Stored("Resolution"), std::to_string(SmallestModeIndex()));
    EXPECT_EQ(Stored("MorphSpeed"), "2");
    EXPECT_EQ(Stored("UseCurves"), "6");
    EXPECT_EQ(Stored("Roughness"), "0");
    EXPECT_EQ(Stored("ColorCycleMode"), "3");
    EXPECT_EQ(Stored("IgnoreMouseMoves"), "2");
    EXPECT_EQ(Stored("SongDir"), "");
    EXPECT_EQ(Stored("LastSeed"), "<missing>");  // written by a restart, not by the load

    EXPECT_EQ(MainSeed, 0u);
    EXPECT_EQ(MorphSpeed, 2);
    EXPECT_EQ(UseCurves, 6);
    EXPECT_EQ(Roughness, 0);
    EXPECT_EQ(ColorCycleMode, 3);
    EXPECT_EQ(MouseMoveCountdown, 2);
    EXPECT_STREQ(SongDir, "");
    // Wine's virtual desktop: the smallest 8-bit mode is 320x200.
    EXPECT_EQ(DisplayWidth, 320);
    EXPECT_EQ(DisplayHeight, 200);
    EXPECT_EQ(ScreenClass, 0);
}

TEST_F(SettingsStoreWine, LimitsApplyInMemoryOnly)
{
    Store("UseCurves", "12");
    Store("Roughness", "-5");
    Store("ColorCycleMode", "7");
    Store("MorphSpeed", "500");
    Store("IgnoreMouseMoves", "-3");
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(UseCurves, 9);
    EXPECT_EQ(Roughness, 0);
    EXPECT_EQ(ColorCycleMode, 3);
    EXPECT_EQ(MorphSpeed, 500);
    EXPECT_EQ(MouseMoveCountdown, -3);
    EXPECT_EQ(Stored("UseCurves"), "12");
    EXPECT_EQ(Stored("Roughness"), "-5");
    EXPECT_EQ(Stored("ColorCycleMode"), "7");
    EXPECT_EQ(Stored("MorphSpeed"), "500");
}

TEST_F(SettingsStoreWine, TextsReadTheWayAtoiReadsThem)
{
    Store("UseCurves", "abc");     // 0, held to 3
    Store("Roughness", "12abc");   // 12
    Store("MainSeed", "-1");       // all 32 bits
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(UseCurves, 3);
    EXPECT_EQ(Roughness, 12);
    EXPECT_EQ(MainSeed, 0xFFFFFFFFu);
    EXPECT_EQ(Stored("UseCurves"), "abc");
}

TEST_F(SettingsStoreWine, ValuesTooLongForTheirBufferGetTheirDefault)
{
    Store("UseCurves", std::string(300, '7'));
    Store("SongDir", "C:\\" + std::string(300, 'm'));
    Store("Roughness", std::string(252, '0') + "700");  // 255 characters still fit
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(UseCurves, 6);
    EXPECT_EQ(Stored("UseCurves"), "6");
    EXPECT_STREQ(SongDir, "");
    EXPECT_EQ(Stored("SongDir"), "");
    EXPECT_EQ(Stored("Roughness"), std::string(252, '0') + "700");
    EXPECT_EQ(Roughness, 700);
}

TEST_F(SettingsStoreWine, ValueWithoutTerminatorFillingTheBufferCountsAsTooLong)
{
    std::string digits(256, '5');
    bench::WriteValue(HKEY_CURRENT_USER, Key, "UseCurves", REG_SZ, digits.data(), 256);
    std::string exact(259, 'd');
    bench::WriteValue(HKEY_CURRENT_USER, Key, "SongDir", REG_BINARY, exact.data(), 259);
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(UseCurves, 6);
    EXPECT_EQ(Stored("UseCurves"), "6");
    EXPECT_EQ(std::string(SongDir), exact);  // 259 characters and the terminator fit
}

TEST_F(SettingsStoreWine, ResolutionNamingAModeStaysOtherwiseCorrected)
{
    Store("Resolution", "2");
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(Resolution, 2);
    EXPECT_EQ(Stored("Resolution"), "2");
    ModeChoice third = ModeForIndex(2);
    EXPECT_EQ(DisplayWidth, third.width);
    EXPECT_EQ(DisplayHeight, third.height);

    Store("Resolution", "-4");  // raised to 0, which names a mode
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(Resolution, 0);
    EXPECT_EQ(Stored("Resolution"), "-4");

    Store("Resolution", "9999");
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(Resolution, SmallestModeIndex());
    EXPECT_EQ(Stored("Resolution"), std::to_string(SmallestModeIndex()));
}

TEST_F(SettingsStoreWine, ScreenClassFollowsTheChosenWidth)
{
    ASSERT_TRUE(BuildModeList());
    std::vector<int32_t> widths;
    for (DisplayMode* mode = FirstMode(); mode != nullptr; mode = NextMode())
        widths.push_back(mode->width);
    for (size_t position = 0; position < widths.size(); ++position) {
        SCOPED_TRACE(widths[position]);
        Store("Resolution", std::to_string(position));
        ASSERT_EQ(LoadSettings(), 0);
        EXPECT_EQ(DisplayWidth, widths[position]);
        EXPECT_EQ(ScreenClass, widths[position] <= 512 ? 0 : (widths[position] <= 1024 ? 1 : 2));
    }
}

TEST_F(SettingsStoreWine, SaveWritesMemoryWithoutLimits)
{
    ASSERT_EQ(LoadSettings(), 0);
    MainSeed = 3000000000u;
    Resolution = 1;
    MorphSpeed = 500;
    UseCurves = 9;
    Roughness = 1000;
    ColorCycleMode = 1;
    MouseMoveCountdown = 0;
    std::snprintf(SongDir, sizeof SongDir, "%s", "C:\\My Songs");
    SaveSettings();
    EXPECT_EQ(Stored("MainSeed"), "-1294967296");
    EXPECT_EQ(Stored("Resolution"), "1");
    EXPECT_EQ(Stored("MorphSpeed"), "500");
    EXPECT_EQ(Stored("UseCurves"), "9");
    EXPECT_EQ(Stored("Roughness"), "1000");
    EXPECT_EQ(Stored("ColorCycleMode"), "1");
    EXPECT_EQ(Stored("IgnoreMouseMoves"), "0");
    EXPECT_EQ(Stored("SongDir"), "C:\\My Songs");
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(MainSeed, 3000000000u);
}

TEST_F(SettingsStoreWine, RegistryHelpersRoundTrip)
{
    RegWriteInt(HKEY_CURRENT_USER, Key, "Number", -17);
    EXPECT_EQ(Stored("Number"), "-17");
    EXPECT_EQ(RegReadInt(HKEY_CURRENT_USER, Key, "Number", 5), -17);
    EXPECT_EQ(RegReadInt(HKEY_CURRENT_USER, Key, "Missing", 5), 5);
    EXPECT_EQ(Stored("Missing"), "5");
    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(bench::ReadValue(HKEY_CURRENT_USER, Key, "Missing", &type, &data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(data, std::string("5", 2));  // stored with its terminator
}

}  // namespace
