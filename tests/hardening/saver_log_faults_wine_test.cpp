// The saver's log at its real place, c:\Tarnovelle.log, when it cannot be
// written: a directory in its place, the file held open by another program
// without sharing, or a full drive. The entries are lost without a word; the
// end-of-run report still comes, on either platform family.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "saver/shell/error_report.h"
#include "saver/shell/saver_log.h"
#include "tests/wine/bench.h"

namespace {

const char* const LogPath = "c:\\Tarnovelle.log";

// The report's system calls, counted instead of made.
struct Reported {
    DWORD platform = VER_PLATFORM_WIN32_NT;
    int events = 0;
    std::string eventText;
    std::vector<std::string> commands;
} Seen;

BOOL WINAPI FakeVersion(OSVERSIONINFOA* version)
{
    version->dwPlatformId = Seen.platform;
    return TRUE;
}

HANDLE WINAPI FakeRegister(const char*, const char*)
{
    return reinterpret_cast<HANDLE>(0x5150);
}

BOOL WINAPI FakeReport(HANDLE, WORD, WORD, DWORD, PSID, WORD count, DWORD, const char** strings, void*)
{
    Seen.events += 1;
    Seen.eventText = count >= 1 ? strings[0] : "";
    return TRUE;
}

BOOL WINAPI FakeDeregister(HANDLE)
{
    return TRUE;
}

UINT WINAPI FakeWinExec(const char* command, UINT)
{
    Seen.commands.push_back(command);
    return 33;
}

enum class Blocker { Directory, HeldOpen, FullDrive };

struct SaverLogFaults : ::testing::Test {
    void SetUp() override
    {
        saved = ReportCalls;
        ReportCalls = {FakeVersion, FakeRegister, FakeReport, FakeDeregister, FakeWinExec};
        Seen = Reported{};
        RemoveBlocker();
    }
    void TearDown() override
    {
        ReportCalls = saved;
        RemoveBlocker();
    }
    void RemoveBlocker()
    {
        if (holder != INVALID_HANDLE_VALUE)
            CloseHandle(holder);
        holder = INVALID_HANDLE_VALUE;
        if (linked)
            bench::RemoveFullDeviceLink(LogPath);
        linked = false;
        RemoveDirectoryA(LogPath);
        DeleteFileA(LogPath);
    }
    void Block(Blocker blocker)
    {
        if (blocker == Blocker::Directory) {
            ASSERT_TRUE(CreateDirectoryA(LogPath, nullptr));
            return;
        }
        if (blocker == Blocker::FullDrive) {
            linked = true;
            ASSERT_TRUE(bench::LinkToFullDevice(LogPath));
            return;
        }
        ASSERT_TRUE(bench::WriteFile(LogPath, "another program's text"));
        holder = CreateFileA(LogPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    }

    ErrorReportCalls saved{};
    HANDLE holder = INVALID_HANDLE_VALUE;
    bool linked = false;
};

TEST_F(SaverLogFaults, EntriesAreLostAndTheReportStillComes)
{
    ASSERT_STREQ(SaverLogPath, LogPath);
    struct Case {
        const char* what;
        Blocker blocker;
        DWORD platform;
    };
    const Case cases[] = {
        {"a directory, NT family", Blocker::Directory, VER_PLATFORM_WIN32_NT},
        {"a directory, Windows 95 family", Blocker::Directory, VER_PLATFORM_WIN32_WINDOWS},
        {"held without sharing, NT family", Blocker::HeldOpen, VER_PLATFORM_WIN32_NT},
        {"held without sharing, Windows 95 family", Blocker::HeldOpen, VER_PLATFORM_WIN32_WINDOWS},
        {"a full drive, NT family", Blocker::FullDrive, VER_PLATFORM_WIN32_NT},
        {"a full drive, Windows 95 family", Blocker::FullDrive, VER_PLATFORM_WIN32_WINDOWS},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.what);
        RemoveBlocker();
        Seen = Reported{};
        Seen.platform = each.platform;
        Block(each.blocker);

        StartSaverLog();
        LogPlain("Error locking frame buffer: 0x%x\n", 0x887601c2u);
        LogError("SetDisplayMode failed. Error: 0x%x\n", 0x80004001u);
        EXPECT_EQ(ErrorsLogged, 1);
        ReportErrors();
        if (each.platform == VER_PLATFORM_WIN32_NT) {
            EXPECT_EQ(Seen.events, 1);
            EXPECT_EQ(Seen.eventText, ErrorReportText);
            EXPECT_TRUE(Seen.commands.empty());
        } else {
            EXPECT_EQ(Seen.events, 0);
            EXPECT_EQ(Seen.commands, std::vector<std::string>{"notepad.exe c:\\Tarnovelle.log"});
        }

        // Nothing was truncated or appended behind the holder's back, and
        // the directory stayed a directory.
        if (each.blocker == Blocker::HeldOpen) {
            CloseHandle(holder);
            holder = INVALID_HANDLE_VALUE;
            std::string text;
            EXPECT_TRUE(bench::ReadFile(LogPath, &text));
            EXPECT_EQ(text, "another program's text");
        } else if (each.blocker == Blocker::Directory) {
            DWORD attributes = GetFileAttributesA(LogPath);
            EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
            EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
        }
    }
}

}  // namespace
