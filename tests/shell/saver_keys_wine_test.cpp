// Real key presses (SendInput) and platform settings, each test in a fresh
// prefix: the key state they leave behind must not reach other tests.
// Shift-TAB then a closing key sets the wallpaper once the mode is back;
// Alt and F10 arrive as system keys and do not end the run; the report opens
// Notepad on the Windows 98 family.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/shell/saver_driver.h"

namespace {

using driver::Saver;

const char* const DesktopKey = "Control Panel\\Desktop";

void Press(const std::vector<std::pair<WORD, bool>>& keys)
{
    std::vector<INPUT> inputs;
    for (const auto& key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key.first;
        input.ki.dwFlags = key.second ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Tap(WORD key)
{
    Press({{key, true}, {key, false}});
}

SIZE DesktopMode()
{
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    return SIZE{static_cast<LONG>(mode.dmPelsWidth), static_cast<LONG>(mode.dmPelsHeight)};
}

bool Focus(HWND window)
{
    SetForegroundWindow(window);
    for (int wait = 0; wait < 100 && GetForegroundWindow() != window; ++wait)
        Sleep(20);
    return GetForegroundWindow() == window;
}

TEST(SaverKeysWine, ShiftTabThenAKeySetsTheWallpaperAfterTheModeIsRestored)
{
    driver::WriteSettings({{"MainSeed", "55"}, {"IgnoreMouseMoves", "1000"}});
    bench::WriteText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper", "");
    SIZE desktop = DesktopMode();
    DeleteFileA(driver::CapturePath().c_str());
    Saver saver;
    ASSERT_TRUE(saver.Start());
    ASSERT_TRUE(Focus(saver.Window()));
    Sleep(200);
    SIZE during = DesktopMode();
    EXPECT_EQ(during.cx, 320);
    EXPECT_EQ(during.cy, 200);

    Press({{VK_SHIFT, true}, {VK_TAB, true}, {VK_TAB, false}, {VK_SHIFT, false}});
    ASSERT_TRUE(driver::WaitForFile(driver::CapturePath(), 1078 + 320 * 200, 5000));
    Sleep(300);
    EXPECT_TRUE(saver.Running()) << "Shift-TAB does not end the run";
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper"), "") << "not before the end";

    Tap('Q');
    // Watch the wallpaper appear: the desktop must have its own mode back by then.
    std::string wallpaper;
    SIZE whenSet{};
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000) {
        wallpaper = bench::ReadText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper");
        // The value may be missing for a moment while the system rewrites it.
        if (!wallpaper.empty() && wallpaper != "<missing>") {
            whenSet = DesktopMode();
            break;
        }
        Sleep(1);
    }
    DWORD exitCode = 99;
    EXPECT_TRUE(saver.Ended(5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(wallpaper, driver::CapturePath());
    EXPECT_EQ(whenSet.cx, desktop.cx);
    EXPECT_EQ(whenSet.cy, desktop.cy);
}

TEST(SaverKeysWine, TabAloneLeavesTheWallpaperAndSystemKeysDoNotEndTheRun)
{
    driver::WriteSettings({{"IgnoreMouseMoves", "1000"}});
    bench::WriteText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper", "");
    DeleteFileA(driver::CapturePath().c_str());
    Saver saver;
    ASSERT_TRUE(saver.Start());
    ASSERT_TRUE(Focus(saver.Window()));
    Sleep(200);
    Tap(VK_TAB);
    ASSERT_TRUE(driver::WaitForFile(driver::CapturePath(), 1078 + 320 * 200, 5000));
    for (WORD key : {VK_SHIFT, VK_MENU, VK_F10}) {
        SCOPED_TRACE(key);
        Tap(key);
        Sleep(300);
        EXPECT_TRUE(saver.Running());
    }
    Press({{VK_MENU, true}, {'X', true}, {'X', false}, {VK_MENU, false}});
    Sleep(300);
    EXPECT_TRUE(saver.Running()) << "Alt+X";
    // Alt or F10 may have left the window's menu mode on; Escape leaves it.
    Tap(VK_ESCAPE);
    Sleep(100);
    Tap(VK_CONTROL);
    DWORD exitCode = 99;
    EXPECT_TRUE(saver.Ended(5000, &exitCode)) << "Ctrl ends the run";
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, DesktopKey, "Wallpaper"), "");
}

HWND WaitForNotepad(DWORD timeoutMs)
{
    return bench::WaitForWindow(nullptr, "Tarnovelle.log - Notepad", timeoutMs);
}

TEST(SaverKeysWine, TheReportOpensTheLogInNotepadOnlyOnTheWindows98Family)
{
    std::string probe = bench::BuildPath("tests\\shell\\report_probe.exe");
    DWORD platform = 99;
    ASSERT_TRUE(bench::Run(bench::CommandLine(probe, ""), 20000, &platform));
    EXPECT_EQ(platform, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(WaitForNotepad(1500), nullptr) << "the NT family writes an event instead";

    bench::WriteText(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\report_probe.exe", "Version", "win98");
    ASSERT_TRUE(bench::Run(bench::CommandLine(probe, ""), 20000, &platform));
    EXPECT_EQ(platform, static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS));
    HWND notepad = WaitForNotepad(10000);
    EXPECT_NE(notepad, nullptr);
    if (notepad != nullptr)
        PostMessageA(notepad, WM_CLOSE, 0, 0);
    std::string log;
    ASSERT_TRUE(bench::ReadFile("c:\\Tarnovelle.log", &log));
    EXPECT_EQ(log, "Starting log\r\n\r\n!! probe entry 1\r\n");
}

}  // namespace
