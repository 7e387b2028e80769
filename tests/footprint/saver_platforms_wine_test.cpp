// Tarnovelle.scr's main paths on both families of Windows, each test in a
// fresh prefix: Wine's own default (the NT family) and Windows 98 (platform
// id 1), chosen for programs named Tarnovelle.scr by the AppDefaults key.
// Configuration mode opens its dialog and closes; a run starts, draws (a TAB
// capture appears) and ends on a key; preview ends at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/wine/bench.h"

namespace {

const char* const SettingsKey = "Software\\HollisFernby\\Tarnovelle";

struct Platform {
    const char* name;
    const char* wineVersion;  // nullptr: Wine's default
    DWORD platformId;
};

void PrintTo(const Platform& platform, std::ostream* out)
{
    *out << platform.name;
}

class SaverPlatformsWine : public ::testing::TestWithParam<Platform> {
protected:
    void SetUp() override
    {
        if (GetParam().wineVersion != nullptr)
            bench::WriteText(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Tarnovelle.scr", "Version",
                             GetParam().wineVersion);
        // The smallest 8-bit mode, a fixed seed, and mouse moves that never end the run.
        bench::DeleteKeyTree(HKEY_CURRENT_USER, SettingsKey);
        const std::pair<const char*, const char*> settings[] = {
            {"MainSeed", "7"},  {"Resolution", "0"},     {"MorphSpeed", "2"},          {"UseCurves", "6"},
            {"Roughness", "0"}, {"ColorCycleMode", "3"}, {"IgnoreMouseMoves", "1000"}, {"SongDir", ""},
        };
        for (const auto& setting : settings)
            bench::WriteText(HKEY_CURRENT_USER, SettingsKey, setting.first, setting.second);
    }

    std::string Saver() const { return bench::BuildPath("Tarnovelle.scr"); }
};

// The probe, copied under the saver's file name, reports what Wine tells a
// program of that name: the setting reaches Tarnovelle.scr.
TEST_P(SaverPlatformsWine, AProgramNamedLikeTheSaverSeesThePlatform)
{
    std::string folder = bench::WindowsDirectory() + "\\footprint";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string copy = folder + "\\Tarnovelle.scr";
    ASSERT_TRUE(CopyFileA(bench::BuildPath("tests\\footprint\\platform_probe.exe").c_str(), copy.c_str(), FALSE));
    DWORD code = 0;
    ASSERT_TRUE(bench::Run(bench::CommandLine(copy, ""), 20000, &code));
    EXPECT_EQ(code / 10000, GetParam().platformId);
    if (GetParam().platformId == VER_PLATFORM_WIN32_WINDOWS) {
        EXPECT_EQ(code % 10000, 410u) << "Windows 98 is version 4.10";
    }
}

TEST_P(SaverPlatformsWine, ConfigurationOpensAndCloses)
{
    bench::ChildProcess saver;
    ASSERT_TRUE(saver.Start(bench::CommandLine(Saver(), "")));
    HWND dialog = bench::WaitForWindow(nullptr, "Tarnovelle Configuration", 10000);
    ASSERT_NE(dialog, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(dialog, &owner);
    EXPECT_EQ(owner, saver.Id());
    EXPECT_NE(GetDlgItem(dialog, IDOK), nullptr);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    DWORD code = 99;
    EXPECT_TRUE(saver.Wait(5000, &code));
    EXPECT_EQ(code, 0u);
}

TEST_P(SaverPlatformsWine, ARunDrawsAndEndsOnAKey)
{
    std::string capture = bench::WindowsDirectory() + "\\Tarnovelle.bmp";
    DeleteFileA(capture.c_str());
    bench::ChildProcess saver;
    ASSERT_TRUE(saver.Start(bench::CommandLine(Saver(), "/s")));
    HWND window = bench::WaitForProcessWindow(saver.Id(), 10000);
    ASSERT_NE(window, nullptr);
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Tarnovelle");

    // TAB saves the back buffer before the next frame is drawn, so the first
    // press may come before anything was drawn: press again until a capture
    // holds a picture.
    const size_t expectedSize = 1078 + 320 * 200;  // 320 x 200, 8 bits, 256 colours
    bool drawn = false;
    for (int attempt = 0; attempt < 5 && !drawn; ++attempt) {
        DeleteFileA(capture.c_str());
        Sleep(300);
        PostMessageA(window, WM_KEYDOWN, VK_TAB, 1);
        std::string bitmap;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(20)) {
            if (bench::ReadFile(capture, &bitmap) && bitmap.size() == expectedSize)
                break;
        }
        ASSERT_EQ(bitmap.size(), expectedSize) << "no capture";
        EXPECT_EQ(bitmap.compare(0, 2, "BM"), 0);
        std::string pixels = bitmap.substr(1078);
        drawn = pixels.find_first_not_of(pixels[0]) != std::string::npos;
    }
    EXPECT_TRUE(drawn) << "every capture holds a single colour";
    EXPECT_EQ(WaitForSingleObject(saver.Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "TAB does not end the run";

    PostMessageA(window, WM_KEYDOWN, 'Q', 1);
    DWORD code = 99;
    EXPECT_TRUE(saver.Wait(5000, &code)) << "a key ends the run";
    EXPECT_EQ(code, 0u);
    DeleteFileA(capture.c_str());
}

TEST_P(SaverPlatformsWine, PreviewEndsAtOnce)
{
    DWORD code = 99;
    ASSERT_TRUE(bench::Run(bench::CommandLine(Saver(), "/p 1234"), 10000, &code));
    EXPECT_EQ(code, 0u);
}

INSTANTIATE_TEST_SUITE_P(Families, SaverPlatformsWine,
                         ::testing::Values(Platform{"NT", nullptr, VER_PLATFORM_WIN32_NT},
                                           Platform{"Windows98", "win98", VER_PLATFORM_WIN32_WINDOWS}),
                         [](const ::testing::TestParamInfo<Platform>& info) { return std::string(info.param.name); });

}  // namespace
