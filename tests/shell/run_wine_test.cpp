// The run put together in this process over the fake DirectDraw: the order
// of its parts, a failed start that draws nothing, a palette failure that
// does not stop it, the capture at the next frame, the wallpaper after the
// mode is restored, F1 and ESC, and the end-of-run report.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "saver/display/screen_device.h"
#include "saver/engine/run_flags.h"
#include "saver/settings/settings.h"
#include "saver/shell/error_report.h"
#include "saver/shell/run_mode.h"
#include "saver/shell/saver_log.h"
#include "tests/display/device_fixture.h"
#include "tests/wine/bench.h"

namespace {

const char* const SettingsKey = "Software\\HollisFernby\\Tarnovelle";
const char* const DesktopKey = "Control Panel\\Desktop";
constexpr int32_t Width = 64;
constexpr int32_t Height = 48;

// The report's system calls, recorded instead of made.
struct ReportLog {
    int versionCalls = 0;
    DWORD platform = VER_PLATFORM_WIN32_NT;
    bool sourceAvailable = true;
    std::vector<std::string> registered;  // source names
    bool serverWasNull = true;
    int reports = 0;
    WORD type = 0, category = 99, stringCount = 0;
    DWORD eventId = 0, dataSize = 0;
    bool userWasNull = false;
    std::string string, data;
    int deregistered = 0;
    bool deregisteredSameHandle = false;
    std::vector<std::string> commands;
    UINT show = 0;
} Report;

HANDLE const SourceHandle = reinterpret_cast<HANDLE>(0x5150);

BOOL WINAPI FakeVersion(OSVERSIONINFOA* version)
{
    Report.versionCalls += 1;
    if (version->dwOSVersionInfoSize != 148)
        return FALSE;
    version->dwPlatformId = Report.platform;
    return TRUE;
}

HANDLE WINAPI FakeRegister(const char* server, const char* source)
{
    Report.serverWasNull = server == nullptr;
    Report.registered.push_back(source);
    return Report.sourceAvailable ? SourceHandle : nullptr;
}

BOOL WINAPI FakeReport(HANDLE source, WORD type, WORD category, DWORD id, PSID user, WORD count, DWORD size,
                       const char** strings, void* data)
{
    Report.reports += 1;
    Report.deregisteredSameHandle = source == SourceHandle;
    Report.type = type;
    Report.category = category;
    Report.eventId = id;
    Report.userWasNull = user == nullptr;
    Report.stringCount = count;
    Report.dataSize = size;
    Report.string = count >= 1 ? strings[0] : "";
    Report.data.assign(static_cast<const char*>(data), size);
    return TRUE;
}

BOOL WINAPI FakeDeregister(HANDLE source)
{
    Report.deregistered += 1;
    Report.deregisteredSameHandle = Report.deregisteredSameHandle && source == SourceHandle;
    return TRUE;
}

UINT WINAPI FakeWinExec(const char* command, UINT show)
{
    Report.commands.push_back(command);
    Report.show = show;
    return 33;
}

// A run that never ends would hang the test: this ends it after a while.
void CALLBACK EndStuckRun(HWND, UINT, UINT_PTR, DWORD)
{
    if (RunDevice != nullptr && RunDevice->window != nullptr)
        PostMessageA(RunDevice->window, WM_CLOSE, 0xACEDBEEF, 0);
}

void Post(WPARAM key)
{
    PostMessageA(RunDevice->window, WM_KEYDOWN, key, 1);
}

std::vector<uint8_t> BackPixels()
{
    return fake::record.back.pixels;
}

struct RunTest : devicetest::DeviceTest {
    void SetUp() override
    {
        devicetest::DeviceTest::SetUp();
        fake::Install(Width, Height);
        DisplayWidth = Width;
        DisplayHeight = Height;
        ScreenClass = 0;
        UseCurves = 3;
        MorphSpeed = 2;
        Roughness = 300;
        ColorCycleMode = 3;
        MainSeed = 77;
        MouseMoveCountdown = 1000000;  // Wine's own pointer moves must not end the run
        Active = 0;
        ShowStats = 0;
        CaptureRequested = 0;
        SetWallpaperAtExit = 0;
        Report = ReportLog{};
        savedCalls = ReportCalls;
        ReportCalls = {FakeVersion, FakeRegister, FakeReport, FakeDeregister, FakeWinExec};
        bench::DeleteKeyTree(HKEY_CURRENT_USER, SettingsKey);
        bench::WriteText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper", "before");
        DeleteFileA(CapturePath().c_str());
        safety = SetTimer(nullptr, 0, 15000, EndStuckRun);
    }
    void TearDown() override
    {
        KillTimer(nullptr, safety);
        ReportCalls = savedCalls;
        BYTE keys[256] = {};
        SetKeyboardState(keys);
        bench::DeleteKeyTree(HKEY_CURRENT_USER, SettingsKey);
        bench::WriteText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper", "");
        DeleteFileA(CapturePath().c_str());
        devicetest::DeviceTest::TearDown();
    }
    static std::string CapturePath() { return bench::WindowsDirectory() + "\\Tarnovelle.bmp"; }
    std::string LastSeed() const { return bench::ReadText(HKEY_CURRENT_USER, SettingsKey, "LastSeed"); }

    ErrorReportCalls savedCalls{};
    UINT_PTR safety = 0;
};

TEST_F(RunTest, AFailedStartDrawsNothingAndPointsTheUserToTheLog)
{
    const struct {
        int32_t code;
        HRESULT* result;
    } cases[] = {
        {1, &fake::script.create},        {2, &fake::script.cooperativeLevel},
        {3, &fake::script.displayMode},   {4, &fake::script.createSurface},
        {5, &fake::script.attachedSurface},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        fake::Install(Width, Height);
        *c.result = DDERR_GENERIC;
        Report = ReportLog{};
        EXPECT_EQ(RunSaver(GetModuleHandleA(nullptr)), 0);
        EXPECT_EQ(fake::record.primary.locks + fake::record.back.locks, 0);
        EXPECT_EQ(fake::record.primary.flips, 0);
        EXPECT_EQ(fake::record.setEntriesCalls, 0);
        EXPECT_EQ(LastSeed(), "<missing>") << "no restart happened";
        EXPECT_EQ(Report.registered, std::vector<std::string>{"Tarnovelle"});
        EXPECT_EQ(Report.reports, 1);
        std::string log = devicetest::ReadLog();
        EXPECT_EQ(log.rfind("Starting log\r\n\r\n!! ", 0), 0u) << log;
        EXPECT_EQ(log.find("!! ", 20), std::string::npos) << "one error entry: " << log;
        EXPECT_EQ(RunDevice, nullptr);
        EXPECT_EQ(fake::record.directDrawReferences, 0);
        devicetest::DrainQueue();
    }
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper"), "before");
}

TEST_F(RunTest, APaletteThatCannotBeCreatedIsLoggedAndTheRunGoesOn)
{
    fake::script.createPalette = DDERR_NOPALETTEHW;
    fake::onFlip = [](int flip) {
        if (flip == 5)
            Post('Q');
    };
    EXPECT_EQ(RunSaver(GetModuleHandleA(nullptr)), 0);
    EXPECT_GE(fake::record.primary.flips, 6) << "at least one frame follows the close request";
    EXPECT_EQ(fake::record.back.locks, fake::record.primary.flips);
    EXPECT_EQ(fake::record.setEntriesCalls, 0) << "no palette, no upload";
    EXPECT_EQ(LastSeed(), "77");
    EXPECT_EQ(Report.reports, 1);
    EXPECT_EQ(fake::record.restoreDisplayModeCalls, 1);
    EXPECT_EQ(fake::record.directDrawReferences + fake::record.primary.references + fake::record.back.references,
              0);
    EXPECT_EQ(devicetest::ReadLog(), devicetest::OnDisk("Starting log\n\n!! Error creating palette: -2005532099\n"));
}

TEST_F(RunTest, ACleanRunEndsWithoutAReport)
{
    fake::onFlip = [](int flip) {
        if (flip == 2)
            PostMessageA(RunDevice->window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    };
    EXPECT_EQ(RunSaver(GetModuleHandleA(nullptr)), 0);
    EXPECT_GE(fake::record.primary.flips, 3);
    // Each frame: one lock and unlock, one device context, one upload, one flip.
    EXPECT_EQ(fake::record.back.locks, fake::record.primary.flips);
    EXPECT_EQ(fake::record.back.unlocks, fake::record.primary.flips);
    EXPECT_EQ(fake::record.back.getDCs, fake::record.primary.flips);
    EXPECT_EQ(fake::record.back.releaseDCs, fake::record.primary.flips);
    // Restart's upload and the one before the loop, then one per frame.
    EXPECT_EQ(fake::record.setEntriesCalls, fake::record.primary.flips + 2);
    EXPECT_EQ(Report.versionCalls, 0);
    EXPECT_TRUE(Report.registered.empty());
    EXPECT_EQ(devicetest::ReadLog(), devicetest::OnDisk("Starting log\n\n"));
}

TEST_F(RunTest, TabCapturesAtTheNextFrameAndShiftTabSetsTheWallpaperAfterTheModeIsRestored)
{
    for (bool shift : {false, true}) {
        SCOPED_TRACE(shift ? "Shift-TAB" : "TAB");
        fake::Install(Width, Height);
        SetWallpaperAtExit = 0;
        CaptureRequested = 0;
        DeleteFileA(CapturePath().c_str());
        bench::WriteText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper", "before");
        static std::vector<uint8_t> shown;
        static std::vector<uint8_t> palette;
        static std::string wallpaperAtRestore;
        static bool withShift;
        withShift = shift;
        fake::onFlip = [](int flip) {
            if (flip == 3) {
                // What this frame left in the back buffer is what the next frame captures.
                shown = BackPixels();
                palette = fake::record.lastEntries;
                BYTE keys[256] = {};
                if (withShift)
                    keys[VK_SHIFT] = 0x80;
                SetKeyboardState(keys);
                Post(VK_TAB);
            }
            if (flip == 6)
                Post(VK_SPACE);
        };
        fake::onRestoreDisplayMode = [] {
            wallpaperAtRestore = bench::ReadText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper");
        };
        RunSaver(GetModuleHandleA(nullptr));

        std::string file;
        ASSERT_TRUE(bench::ReadFile(CapturePath(), &file));
        ASSERT_EQ(file.size(), 1078u + Width * Height);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(static_cast<uint8_t>(file[54 + 4 * i]), palette[4 * i + 2]) << i;
            ASSERT_EQ(static_cast<uint8_t>(file[55 + 4 * i]), palette[4 * i + 1]) << i;
            ASSERT_EQ(static_cast<uint8_t>(file[56 + 4 * i]), palette[4 * i + 0]) << i;
            ASSERT_EQ(file[57 + 4 * i], 0) << i;
        }
        for (int32_t row = 0; row < Height; ++row) {
            const uint8_t* screen = shown.data() + (Height - 1 - row) * fake::Pitch();
            EXPECT_EQ(file.substr(1078 + static_cast<size_t>(row) * Width, Width),
                      std::string(reinterpret_cast<const char*>(screen), Width))
                << "file row " << row;
        }
        EXPECT_EQ(CaptureRequested, 0) << "served";
        EXPECT_EQ(wallpaperAtRestore, "before");
        EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper"), shift ? CapturePath() : "before");
        devicetest::DrainQueue();
    }
}

TEST_F(RunTest, F1RestartsTheSameAnimationAndEscTogglesTheStatsLine)
{
    static std::vector<uint8_t> first, second;
    static std::string seedAfterF1;
    static uint8_t statsSeen[3];
    fake::onFlip = [](int flip) {
        switch (flip) {
        case 1:
            first = BackPixels();
            break;
        case 2:
            second = BackPixels();
            bench::DeleteKeyTree(HKEY_CURRENT_USER, SettingsKey);
            Post(VK_F1);
            break;
        case 3:  // the first frame after the restart
            seedAfterF1 = bench::ReadText(HKEY_CURRENT_USER, SettingsKey, "LastSeed");
            EXPECT_EQ(BackPixels(), first) << "F1 with a fixed seed starts the same picture again";
            statsSeen[0] = ShowStats;
            Post(VK_ESCAPE);
            break;
        // One message per frame: the WM_CHAR that each ESC brings comes
        // before the next key, so the checks leave a few frames between.
        case 6:
            statsSeen[1] = ShowStats;
            Post(VK_ESCAPE);
            break;
        case 9:
            statsSeen[2] = ShowStats;
            Post('Z');
            break;
        }
    };
    RunSaver(GetModuleHandleA(nullptr));
    EXPECT_NE(first, second) << "the picture moves from frame to frame";
    EXPECT_EQ(seedAfterF1, "77");
    EXPECT_EQ(statsSeen[0], 0);
    EXPECT_EQ(statsSeen[1], 1);
    EXPECT_EQ(statsSeen[2], 0);
}

TEST_F(RunTest, ALockThatFailsSkipsThePixelsButNotTheFrame)
{
    fake::script.lock = DDERR_SURFACEBUSY;
    fake::onFlip = [](int flip) {
        if (flip == 3)
            Post('Q');
    };
    RunSaver(GetModuleHandleA(nullptr));
    EXPECT_GE(fake::record.primary.flips, 4);
    EXPECT_EQ(fake::record.back.unlocks, 0);
    EXPECT_EQ(fake::record.back.pixels, std::vector<uint8_t>(fake::record.back.pixels.size(), 0));
    EXPECT_EQ(Report.reports, 0) << "a failed lock is a plain entry";
}

TEST_F(RunTest, TheReportFitsThePlatform)
{
    const std::string text = "Tarnovelle reported errors. See C:\\Tarnovelle.log for details.";
    // NT family: one error event, id 1, the text as string and as raw data.
    ErrorsLogged = 1;
    ReportErrors();
    EXPECT_EQ(Report.registered, std::vector<std::string>{"Tarnovelle"});
    EXPECT_TRUE(Report.serverWasNull);
    EXPECT_EQ(Report.reports, 1);
    EXPECT_EQ(Report.type, EVENTLOG_ERROR_TYPE);
    EXPECT_EQ(Report.category, 0);
    EXPECT_EQ(Report.eventId, 1u);
    EXPECT_TRUE(Report.userWasNull);
    EXPECT_EQ(Report.stringCount, 1);
    EXPECT_EQ(Report.string, text);
    EXPECT_EQ(Report.dataSize, text.size());
    EXPECT_EQ(Report.data, text);
    EXPECT_EQ(Report.deregistered, 1);
    EXPECT_TRUE(Report.deregisteredSameHandle);
    EXPECT_TRUE(Report.commands.empty());

    // No source: nothing reported, nothing else tried.
    Report = ReportLog{};
    Report.sourceAvailable = false;
    ReportErrors();
    EXPECT_EQ(Report.reports, 0);
    EXPECT_EQ(Report.deregistered, 0);
    EXPECT_TRUE(Report.commands.empty());

    // Windows 95 family: the log in Notepad.
    Report = ReportLog{};
    Report.platform = VER_PLATFORM_WIN32_WINDOWS;
    ReportErrors();
    EXPECT_TRUE(Report.registered.empty());
    EXPECT_EQ(Report.commands, std::vector<std::string>{"notepad.exe c:\\Tarnovelle.log"});
    EXPECT_EQ(Report.show, static_cast<UINT>(SW_SHOW));

    // Without error entries: nothing at all.
    Report = ReportLog{};
    ErrorsLogged = 0;
    ReportErrors();
    EXPECT_EQ(Report.versionCalls, 0);
    EXPECT_TRUE(Report.registered.empty());
    EXPECT_TRUE(Report.commands.empty());
}

}  // namespace
