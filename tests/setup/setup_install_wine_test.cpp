// Installs by the real TarnovelleSetup.exe, each test in a fresh prefix: what
// lands on the machine, the programs it starts, its messages and progress.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/setup/installer_driver.h"
#include "tests/wine/bench.h"

namespace {

using namespace setup_test;

const std::vector<int> EveryPosition = {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000};

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

std::vector<std::string> Texts(const InstallRun& run)
{
    std::vector<std::string> texts;
    for (const MessageSeen& seen : run.messages)
        texts.push_back(seen.text);
    return texts;
}

// Polls a record file until it has at least `count` lines (bounded).
std::vector<std::string> WaitForLines(const char* path, size_t count, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<std::string> lines = ReadLines(path);
        if (lines.size() >= count || GetTickCount() - start > timeoutMs)
            return lines;
        Sleep(50);
    }
}

std::string ExpectedSetupIni()
{
    std::string windows = bench::WindowsDirectory();
    return "[progman.groups]\r\ngroupX=Hollis Fernby\r\n[groupX]\r\n"
           "\"Tarnovelle Screen Saver\",\"" + ShortPath(ConfigToolPath()) + "\",,,,\"" + windows + "\"\r\n"
           "\"Uninstall Tarnovelle\",\"" + ShortPath(SetupCopyPath()) + " -remove\",,,,\"" + windows + "\"\r\n";
}

void ExpectThreeFilesInstalled()
{
    EXPECT_TRUE(SameBytes(SetupCopyPath(), BuiltInstaller()));
    EXPECT_TRUE(SameBytes(SaverPath(), BuiltSaver()));
    EXPECT_TRUE(SameBytes(ConfigToolPath(), BuiltSaver()));
    EXPECT_EQ(Attributes(SetupCopyPath()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(Attributes(ConfigToolPath()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString"),
              Quoted(SetupCopyPath()) + " -remove");
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName"), "Tarnovelle Screen Saver");
}

// The line an install leaves when no deletion was pending: the RunOnce value
// it deletes is missing (or its whole key is).
std::string NothingPendingLine()
{
    return bench::KeyExists(HKEY_LOCAL_MACHINE, RunOnceKey) ? "KillRegValue:RegDeleteValue() failed: 2"
                                                            : "KillRegValue:RegOpenKeyEx() failed: 2";
}

TEST(SetupInstall, EveryBoxInstallsGroupsChoosesAndStartsTheSaver)
{
    ASSERT_TRUE(InstallGroupConverterStandIn());
    ASSERT_TRUE(InstallDisplayPropertiesStandIn());

    InstallChoices choices;
    choices.runAfter = true;
    bool untouchedAtHint = false;
    InstallRun run = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, choices,
        [&](const MessageSeen& seen) {
            if (seen.text == Hint)
                untouchedAtHint = !bench::FileExists(SetupCopyPath()) && !bench::FileExists(SaverPath())
                    && !bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey);
        });
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(untouchedAtHint);
    ASSERT_EQ(Texts(run), (std::vector<std::string>{Hint, Success}));
    EXPECT_EQ(run.messages[0].progress, 0);
    EXPECT_FALSE(run.messages[0].barVisible);
    EXPECT_EQ(run.messages[1].progress, 1000);
    EXPECT_TRUE(run.messages[1].barVisible);
    EXPECT_EQ(run.progressSent, EveryPosition);

    ExpectThreeFilesInstalled();

    std::string ini = ExpectedSetupIni();
    EXPECT_EQ(FileText(SetupIniPath()), ini);
    // Started hidden with "-o", after SETUP.INI was complete.
    EXPECT_EQ(WaitForLines(GroupConverterRecord, 1, 10000),
              (std::vector<std::string>{"grpconv -o|1|0|" + std::to_string(ini.size())}));

    // The whole Display Properties sequence: the screen-saver tab, the list
    // without the entry passed over, the entry chosen and reported, then OK.
    EXPECT_EQ(ReadLines(DisplayPropertiesRecord), (std::vector<std::string>{
        "opened",
        "TCM_SETCURFOCUS 1",
        "CB_FINDSTRINGEXACT 1200 0 Tarnovelle",
        "CB_FINDSTRINGEXACT 1300 0 Tarnovelle",
        "CB_SETCURSEL 1300 2",
        "WM_COMMAND 1300 9 saver-list",
        "WM_COMMAND 1 0 0",
        "closed ok Tarnovelle",
    }));

    EXPECT_EQ(run.saverCommandLines, (std::vector<std::string>{Quoted(SaverPath()) + " /s"}));
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");
    EXPECT_EQ(ReadLines(InstallLog), (std::vector<std::string>{NothingPendingLine()}));
}

TEST(SetupInstall, UncheckedThenOverReadOnlyCopiesThenFromTheCopyItself)
{
    ASSERT_TRUE(InstallGroupConverterStandIn());
    ASSERT_TRUE(InstallDisplayPropertiesStandIn());

    // All three boxes unchecked: the files and the uninstall entry only.
    InstallChoices none;
    none.makeDefault = false;
    none.startMenu = false;
    InstallRun first = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, none);
    ASSERT_TRUE(first.ended);
    EXPECT_EQ(first.exitCode, 0u);
    EXPECT_EQ(Texts(first), (std::vector<std::string>{Hint, Success}));
    EXPECT_EQ(first.progressSent, EveryPosition);
    ExpectThreeFilesInstalled();
    Sleep(500);  // a converter or applet started by mistake would have written by now
    EXPECT_FALSE(bench::FileExists(SetupIniPath()));
    EXPECT_FALSE(bench::FileExists(GroupConverterRecord));
    EXPECT_FALSE(bench::FileExists(DisplayPropertiesRecord));
    EXPECT_TRUE(first.saverCommandLines.empty());

    // A second install over the first: read-only copies are replaced, an
    // old SETUP.INI is replaced whole, a pending deletion of the copy is cancelled.
    ASSERT_TRUE(MakeFile(SetupCopyPath(), "old installer copy", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(MakeFile(ConfigToolPath(), "old tool", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(MakeFile(SaverPath(), "old saver", FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(MakeFile(SetupIniPath(), std::string(3000, ';') + "\r\n", FILE_ATTRIBUTE_NORMAL));
    bench::WriteText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue, "cmd.exe /C del x");
    InstallChoices startMenu = none;
    startMenu.startMenu = true;
    InstallRun second = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, startMenu);
    ASSERT_TRUE(second.ended);
    EXPECT_EQ(Texts(second), (std::vector<std::string>{Hint, Success}));
    ExpectThreeFilesInstalled();
    EXPECT_EQ(Attributes(SetupCopyPath()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);
    EXPECT_EQ(FileText(SetupIniPath()), ExpectedSetupIni());
    EXPECT_EQ(WaitForLines(GroupConverterRecord, 1, 10000).size(), 1u);
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");

    // Started from the copy itself, which cannot be copied onto itself: the
    // copy counts as done. No Display Properties window ever appears (the
    // applet is gone): the search gives up after its bound and the install
    // goes on to succeed.
    ASSERT_TRUE(RemoveDisplayPropertiesStandIn());
    InstallChoices makeDefault = none;
    makeDefault.makeDefault = true;
    InstallRun third = RunInstaller(SetupCopyPath(), "", LicenceAnswer::AcceptOk, makeDefault);
    ASSERT_TRUE(third.ended);
    EXPECT_EQ(third.exitCode, 0u);
    EXPECT_EQ(Texts(third), (std::vector<std::string>{Hint, Success}));
    EXPECT_EQ(third.progressSent, EveryPosition);
    ExpectThreeFilesInstalled();
    EXPECT_GE(third.elapsedMs, 5000u);
    EXPECT_LT(third.elapsedMs, 12000u);
    EXPECT_FALSE(bench::FileExists(DisplayPropertiesRecord));
}

TEST(SetupInstall, FailuresShowTheirMessageAndUninstallSilently)
{
    // The copy of the installer fails (a directory stands in its place): no
    // copy, so no clean-up can start either.
    ASSERT_TRUE(CreateDirectoryA(SetupCopyPath().c_str(), nullptr));
    CopyFileA(BuiltInstaller().c_str(), SetupCopyPath().c_str(), FALSE);
    int copyError = static_cast<int>(GetLastError());
    InstallRun copyFails = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, InstallChoices{});
    ASSERT_TRUE(copyFails.ended);
    EXPECT_EQ(copyFails.exitCode, 0u);
    ASSERT_EQ(Texts(copyFails), (std::vector<std::string>{Hint,
        "Error copying setup program to '" + SetupCopyPath() + "': (Error Number: " + std::to_string(copyError) + ")",
        Failure}));
    EXPECT_EQ(copyFails.messages[1].progress, 100);
    EXPECT_EQ(copyFails.messages[2].progress, 1000);
    EXPECT_EQ(copyFails.progressSent, (std::vector<int>{100, 1000}));
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_TRUE(WaitForNoOtherInstaller(10000));
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");
    ASSERT_TRUE(RemoveDirectoryA(SetupCopyPath().c_str()));

    // A read-only saver cannot be written: its message, then the silent
    // clean-up from the new copy, which also takes the read-only file away.
    // (Wine run as root writes read-only files all the same, so the test
    // also holds the file open without write sharing, which refuses the
    // write as Windows refuses it for the read-only flag; it lets go when the
    // message shows, before the clean-up starts.)
    ASSERT_TRUE(MakeFile(SaverPath(), "read-only saver", FILE_ATTRIBUTE_READONLY));
    HANDLE holder = CreateFileA(SaverPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    InstallRun saverFails = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, InstallChoices{},
        [&](const MessageSeen& seen) {
            if (seen.text.rfind("Error writing", 0) == 0 && holder != INVALID_HANDLE_VALUE)
                CloseHandle(holder);
            else
                return;
            holder = INVALID_HANDLE_VALUE;
        });
    if (holder != INVALID_HANDLE_VALUE)
        CloseHandle(holder);
    ASSERT_TRUE(saverFails.ended);
    ASSERT_EQ(Texts(saverFails), (std::vector<std::string>{Hint,
        "Error writing to '" + SaverPath() + "' - can't install screen saver!", Failure}));
    EXPECT_EQ(saverFails.messages[1].progress, 200);
    EXPECT_EQ(saverFails.progressSent, (std::vector<int>{100, 200, 1000}));
    EXPECT_TRUE(WaitForNoOtherInstaller(10000));
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue),
              "cmd.exe /C del \"" + bench::WindowsDirectory() + "\\TarnovelleSetup.exe\"");
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_FALSE(bench::FileExists(ConfigToolPath()));
    EXPECT_TRUE(SameBytes(SetupCopyPath(), BuiltInstaller()));
    EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));

    // The configuration tool cannot be written (a directory in its place):
    // the saver written just before is taken away again by the clean-up.
    ASSERT_TRUE(CreateDirectoryA(ConfigToolPath().c_str(), nullptr));
    bench::DeleteKeyTree(HKEY_LOCAL_MACHINE, RunOnceKey);
    InstallRun toolFails = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, InstallChoices{});
    ASSERT_TRUE(toolFails.ended);
    ASSERT_EQ(Texts(toolFails), (std::vector<std::string>{Hint,
        "Error writing to '" + ConfigToolPath() + "' - can't install screen saver configuration tool!", Failure}));
    EXPECT_EQ(toolFails.messages[1].progress, 300);
    EXPECT_EQ(toolFails.progressSent, (std::vector<int>{100, 200, 300, 1000}));
    EXPECT_TRUE(WaitForNoOtherInstaller(10000));
    EXPECT_NE(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    ASSERT_TRUE(RemoveDirectoryA(ConfigToolPath().c_str()));

    // An installer without the saver inside: its message after the copy.
    std::string broken = "C:\\broken";
    ASSERT_TRUE(CreateDirectoryA(broken.c_str(), nullptr));
    broken += "\\TarnovelleSetup.exe";
    ASSERT_TRUE(CopyFileA(bench::BuildPath("tests/setup/TarnovelleSetupWithoutSaver.exe").c_str(),
                          broken.c_str(), FALSE));
    InstallRun noSaver = RunInstaller(broken, "", LicenceAnswer::AcceptOk, InstallChoices{});
    ASSERT_TRUE(noSaver.ended);
    EXPECT_EQ(Texts(noSaver), (std::vector<std::string>{Hint, "Error finding binary resource!", Failure}));
    EXPECT_EQ(noSaver.progressSent, (std::vector<int>{100, 200, 1000}));
    EXPECT_TRUE(WaitForNoOtherInstaller(10000));
    EXPECT_FALSE(bench::FileExists(SaverPath()));
}

}  // namespace
