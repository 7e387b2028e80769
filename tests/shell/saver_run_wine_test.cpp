// The real Tarnovelle.scr in Wine's virtual desktop: the TAB capture is a
// frame the engine draws for the same settings, ESC puts the stats line on
// it, F1 restarts from the same seed, and the closing rules hold.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "saver/engine/engine.h"
#include "saver/engine/run_flags.h"
#include "saver/settings/settings.h"
#include "tests/shell/saver_driver.h"

namespace {

using driver::Saver;

// The engine in this process, drawing into memory.
class MemoryHost final : public EngineHost {
public:
    MemoryHost(int32_t w, int32_t h) : width(w), pixels(static_cast<size_t>(w) * static_cast<size_t>(h)) {}
    bool DeviceFailed() override { return false; }
    uint8_t* PaletteEntries() override { return palette; }
    void UploadPalette() override {}
    uint8_t* LockBackBuffer(int32_t* pitch) override
    {
        *pitch = width;
        return pixels.data();
    }
    void UnlockBackBuffer() override {}
    void DrawStatusLine(const char*) override {}
    void Present() override {}
    void SaveCapture() override {}
    void StartFirstSong() override {}
    const char* CurrentSongName() override { return nullptr; }
    void StoreLastSeed(uint32_t) override {}
    uint32_t TickCount() override { return 0; }
    uint32_t CalendarSeconds() override { return 0; }

    int32_t width;
    std::vector<uint8_t> pixels;
    uint8_t palette[1024] = {};
};

struct Capture {
    int32_t width = 0;
    int32_t height = 0;
    std::string colours;  // 1024 bytes: blue, green, red, 0
    std::vector<uint8_t> screen;  // top row first
};

bool ReadCapture(Capture* capture)
{
    std::string file;
    if (!bench::ReadFile(driver::CapturePath(), &file) || file.size() < 1078)
        return false;
    std::memcpy(&capture->width, file.data() + 18, 4);
    std::memcpy(&capture->height, file.data() + 22, 4);
    size_t w = static_cast<size_t>(capture->width);
    size_t h = static_cast<size_t>(capture->height);
    if (file.size() != 1078 + w * h)
        return false;
    capture->colours = file.substr(54, 1024);
    capture->screen.resize(w * h);
    for (size_t row = 0; row < h; ++row)  // the file's first row is the bottom one
        std::memcpy(capture->screen.data() + (h - 1 - row) * w, file.data() + 1078 + row * w, w);
    return true;
}

// True when rows from firstRow down are equal.
bool RowsMatch(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int32_t width, int32_t firstRow)
{
    size_t from = static_cast<size_t>(firstRow) * static_cast<size_t>(width);
    return std::memcmp(a.data() + from, b.data() + from, a.size() - from) == 0;
}

const std::vector<std::pair<const char*, std::string>> FixedPicture = {
    {"MainSeed", "4321"},      {"MorphSpeed", "0"},           {"UseCurves", "5"},
    {"Roughness", "500"},      {"ColorCycleMode", "0"},       {"IgnoreMouseMoves", "1000"},
};

// Leaves no settings or capture behind for the tests that share the prefix.
struct SaverRunWine : ::testing::Test {
    void TearDown() override
    {
        bench::DeleteKeyTree(HKEY_CURRENT_USER, driver::SettingsKey);
        DeleteFileA(driver::CapturePath().c_str());
    }
};

TEST_F(SaverRunWine, TabCapturesAFrameOfTheAnimationAndEscAddsTheStatsLine)
{
    driver::WriteSettings(FixedPicture);
    DeleteFileA(driver::CapturePath().c_str());
    Saver saver;
    ASSERT_TRUE(saver.Start());
    Sleep(300);
    saver.Key(VK_TAB);
    ASSERT_TRUE(driver::WaitForFile(driver::CapturePath(), 1078 + 320 * 200, 5000));
    Capture plain;
    ASSERT_TRUE(ReadCapture(&plain));

    saver.Key(VK_ESCAPE);
    Sleep(200);
    DeleteFileA(driver::CapturePath().c_str());
    saver.Key(VK_TAB);
    ASSERT_TRUE(driver::WaitForFile(driver::CapturePath(), 1078 + 320 * 200, 5000));
    Capture stats;
    ASSERT_TRUE(ReadCapture(&stats));
    saver.Key('Q');
    DWORD exitCode = 99;
    ASSERT_TRUE(saver.Ended(5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, driver::SettingsKey, "LastSeed"), "4321");

    // The same settings in this process's engine.
    ASSERT_EQ(plain.width, 320);
    ASSERT_EQ(plain.height, 200);
    MainSeed = 4321;
    MorphSpeed = 0;
    UseCurves = 5;
    Roughness = 500;
    ColorCycleMode = 0;
    DisplayWidth = plain.width;
    DisplayHeight = plain.height;
    ScreenClass = ScreenClassForWidth(plain.width);
    Active = 1;
    ShowStats = 0;
    MemoryHost host(plain.width, plain.height);
    SetEngineHost(&host);
    ASSERT_TRUE(AllocateWaveTables());
    ASSERT_EQ(Restart(), 1);
    for (int i = 0; i < 256; ++i) {
        // Without colour cycling the palette stays the restart's.
        ASSERT_EQ(static_cast<uint8_t>(plain.colours[4 * i + 0]), host.palette[4 * i + 2]) << i;
        ASSERT_EQ(static_cast<uint8_t>(plain.colours[4 * i + 1]), host.palette[4 * i + 1]) << i;
        ASSERT_EQ(static_cast<uint8_t>(plain.colours[4 * i + 2]), host.palette[4 * i + 0]) << i;
        ASSERT_EQ(plain.colours[4 * i + 3], 0) << i;
    }

    // The stats line is drawn in the top rows only: below them the second
    // capture is a later frame, within them it differs from that frame.
    constexpr int32_t TextRows = 20;
    constexpr int FrameLimit = 30000;
    int plainFrame = -1;
    int statsFrame = -1;
    for (int frame = 1; frame <= FrameLimit && statsFrame < 0; ++frame) {
        RenderFrame();
        if (plainFrame < 0 && host.pixels == plain.screen)
            plainFrame = frame;
        else if (plainFrame >= 0 && RowsMatch(host.pixels, stats.screen, plain.width, TextRows)
                 && !RowsMatch(host.pixels, stats.screen, plain.width, 0))
            statsFrame = frame;
    }
    FreeWaveTables();
    SetEngineHost(nullptr);
    EXPECT_GT(plainFrame, 0) << "the capture is none of the first " << FrameLimit << " frames";
    EXPECT_GT(statsFrame, plainFrame) << "no later frame with the stats line on top";
}

TEST_F(SaverRunWine, F1RestartsWithTheSameSeedOrTheClock)
{
    for (const char* seed : {"999", "0"}) {
        SCOPED_TRACE(seed);
        driver::WriteSettings({{"MainSeed", seed}, {"IgnoreMouseMoves", "1000"}});
        Saver saver;
        ASSERT_TRUE(saver.Start());
        Sleep(200);
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, driver::SettingsKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
        RegDeleteValueA(key, "LastSeed");
        RegCloseKey(key);
        uint32_t before = static_cast<uint32_t>(std::time(nullptr));
        saver.Key(VK_F1);
        std::string lastSeed = "<missing>";
        for (int wait = 0; wait < 250 && lastSeed == "<missing>"; ++wait) {
            Sleep(20);
            lastSeed = bench::ReadText(HKEY_CURRENT_USER, driver::SettingsKey, "LastSeed");
        }
        uint32_t after = static_cast<uint32_t>(std::time(nullptr));
        EXPECT_TRUE(saver.Running()) << "F1 does not end the run";
        if (std::string(seed) == "999") {
            EXPECT_EQ(lastSeed, "999");
        } else {
            bool fromClock = false;
            for (uint32_t t = before; t <= after; ++t)
                fromClock = fromClock || lastSeed == std::to_string(t % 32768);
            EXPECT_TRUE(fromClock) << lastSeed;
        }
        saver.Key('Q');
        EXPECT_TRUE(saver.Ended(5000));
    }
}

TEST_F(SaverRunWine, OtherKeysClicksAndTheOwnCloseRequestEndTheRun)
{
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
    } cases[] = {
        {"Q", WM_KEYDOWN, 'Q'},
        {"Ctrl", WM_KEYDOWN, VK_CONTROL},
        {"Space", WM_KEYDOWN, VK_SPACE},
        {"left click", WM_LBUTTONDOWN, MK_LBUTTON},
        {"right click", WM_RBUTTONDOWN, MK_RBUTTON},
        {"close with the token", WM_CLOSE, 0xACEDBEEF},
    };
    driver::WriteSettings({{"IgnoreMouseMoves", "1000"}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Saver saver;
        ASSERT_TRUE(saver.Start());
        Sleep(100);
        saver.Post(c.message, c.wParam, MAKELPARAM(20, 20));
        DWORD exitCode = 99;
        EXPECT_TRUE(saver.Ended(5000, &exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
}

TEST_F(SaverRunWine, MiddleButtonAndForeignCloseRequestsDoNotEndTheRun)
{
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
    } cases[] = {
        {"middle button", WM_MBUTTONDOWN, MK_MBUTTON},
        {"Shift", WM_KEYDOWN, VK_SHIFT},
        {"close without the token", WM_CLOSE, 0},
        {"close with another number", WM_CLOSE, 0xACEDBEEE},
    };
    driver::WriteSettings({{"IgnoreMouseMoves", "1000"}});
    Saver saver;
    ASSERT_TRUE(saver.Start());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        saver.Post(c.message, c.wParam, MAKELPARAM(20, 20));
        Sleep(300);
        EXPECT_TRUE(saver.Running());
    }
    saver.Key('Q');
    EXPECT_TRUE(saver.Ended(5000));
}

// Mouse moves posted at (9, 9) one by one until the run ends: how many were ignored.
int MovesIgnoredBeforeTheEnd(Saver& saver)
{
    for (int moves = 0; moves < 10; ++moves) {
        saver.Post(WM_MOUSEMOVE, 0, MAKELPARAM(9, 9));
        if (saver.Ended(300))
            return moves;
    }
    return -1;
}

TEST_F(SaverRunWine, MouseMovesAreCountedOffThenEndTheRunAwayFromTheEdges)
{
    // The pointer must wait in the corner, so that the moves Wine reports at
    // the start lie on the edge; only the countdown they use up is unknown.
    // A first run parks it there (its window may move the pointer, this
    // program's call alone may not).
    {
        driver::WriteSettings({{"IgnoreMouseMoves", "1000"}});
        Saver parking;
        ASSERT_TRUE(parking.Start());
        SetCursorPos(0, 0);
        Sleep(300);
        parking.Key('Q');
        ASSERT_TRUE(parking.Ended(5000));
    }
    POINT pointer{-1, -1};
    GetCursorPos(&pointer);
    ASSERT_EQ(pointer.x, 0);
    ASSERT_EQ(pointer.y, 0);
    const struct {
        const char* countdown;
        bool edgeMoves;
    } cases[] = {{"0", true}, {"-3", false}, {"2", false}, {"5", false}};
    int ignored[4] = {};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(cases[i].countdown);
        driver::WriteSettings({{"IgnoreMouseMoves", cases[i].countdown}});
        Saver saver;
        ASSERT_TRUE(saver.Start());
        Sleep(400);
        ASSERT_TRUE(saver.Running()) << "the start's own moves ended the run";
        if (cases[i].edgeMoves) {
            for (LPARAM at : {MAKELPARAM(0, 7), MAKELPARAM(7, 0), MAKELPARAM(0, 0)}) {
                saver.Post(WM_MOUSEMOVE, 0, at);
                Sleep(200);
                EXPECT_TRUE(saver.Running()) << "a move on the edge ended the run";
            }
        }
        ignored[i] = MovesIgnoredBeforeTheEnd(saver);
    }
    EXPECT_EQ(ignored[0], 0);
    EXPECT_EQ(ignored[1], 0) << "a negative countdown ignores nothing";
    EXPECT_GE(ignored[2], 0);
    EXPECT_LE(ignored[2], 2);
    EXPECT_EQ(ignored[3] - ignored[2], 3) << "each move counts the countdown down by one";
}

TEST_F(SaverRunWine, RunSwitchesAsTheDesktopGivesThem)
{
    driver::WriteSettings({{"IgnoreMouseMoves", "1000"}});
    for (const char* arguments : {"/S", "x/sy", "/s 1234"}) {
        SCOPED_TRACE(arguments);
        Saver saver;
        ASSERT_TRUE(saver.Start(arguments)) << "no run window";
        saver.Key('Q');
        DWORD exitCode = 99;
        EXPECT_TRUE(saver.Ended(5000, &exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
    // "/P" is not the preview switch: the configuration opens, not the run.
    bench::ChildProcess configuration;
    ASSERT_TRUE(configuration.Start(bench::CommandLine(bench::BuildPath("Tarnovelle.scr"), "/P")));
    Sleep(1500);
    HWND runWindow = FindWindowA("Tarnovelle", "Tarnovelle");
    EXPECT_EQ(runWindow, nullptr);
    HWND shown = bench::WaitForProcessWindow(configuration.Id(), 3000);
    if (shown != nullptr) {
        char className[256] = {};
        GetClassNameA(shown, className, sizeof className);
        EXPECT_STREQ(className, "#32770") << "the settings dialog";
    }
}

}  // namespace
