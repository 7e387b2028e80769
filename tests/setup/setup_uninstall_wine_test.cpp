// Uninstalls by the real TarnovelleSetup.exe, each test in a fresh prefix:
// what goes, what stays, what the install log receives, and the modes that
// the command line chooses.
#include <windows.h>

#include <iterator>

#include <gtest/gtest.h>

#include "tests/setup/installer_driver.h"
#include "tests/wine/bench.h"

namespace {

using namespace setup_test;


std::string DeleteCommand(const char* interpreter)
{
    return std::string(interpreter) + " /C del \"" + bench::WindowsDirectory() + "\\TarnovelleSetup.exe\"";
}

// The error a deletion of this missing file meets, as the uninstall logs it.
int DeletionError(const std::string& path)
{
    DeleteFileA(path.c_str());
    return static_cast<int>(GetLastError());
}

// What one uninstall on a machine without Tarnovelle writes to the log.
std::vector<std::string> CleanSystemLines()
{
    std::string saverLink = GroupFolder() + "\\Tarnovelle Screen Saver.lnk";
    std::string uninstallLink = GroupFolder() + "\\Uninstall Tarnovelle.lnk";
    std::vector<std::string> lines = {
        "Error " + std::to_string(DeletionError(saverLink)) + " attempting to delete '" + saverLink + "'",
        "Error " + std::to_string(DeletionError(uninstallLink)) + " attempting to delete '" + uninstallLink + "'",
        "KillRegValue:RegOpenKeyEx() failed: 2",  // DisplayName
        "KillRegValue:RegOpenKeyEx() failed: 2",  // UninstallString
        "KillRegKey:RegDeleteKey() failed: 2",    // the entry's key
    };
    for (size_t i = 0; i < std::size(SettingNames); ++i)
        lines.push_back("KillRegValue:RegOpenKeyEx() failed: 2");
    lines.push_back("KillRegKey:RegOpenKeyEx() failed: 2");  // SOFTWARE\HollisFernby is missing
    return lines;
}

std::vector<std::string> Twice(const std::vector<std::string>& lines)
{
    std::vector<std::string> both = lines;
    both.insert(both.end(), lines.begin(), lines.end());
    return both;
}

TEST(SetupUninstall, OnACleanSystemEveryFailureIsLoggedAndTheDeletionStillScheduled)
{
    ASSERT_FALSE(bench::FileExists(InstallLog));
    std::vector<std::string> once = CleanSystemLines();

    SilentRun first = RunSilently(BuiltInstaller(), "-remove -auto");
    ASSERT_TRUE(first.ended);
    EXPECT_EQ(first.exitCode, 0u);
    EXPECT_FALSE(first.windowSeen);
    EXPECT_EQ(ReadLines(InstallLog), once);
    std::string raw = FileText(InstallLog);
    EXPECT_EQ(raw.find("\n\n"), std::string::npos);
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n') {
            ASSERT_TRUE(i > 0 && raw[i - 1] == '\r') << "line end at " << i << " is not CR LF";
        }
    }
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), DeleteCommand("cmd.exe"));
    EXPECT_TRUE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallParent));

    // The switches in the other order, a second time: the lines are appended.
    SilentRun second = RunSilently(BuiltInstaller(), "-auto -remove");
    ASSERT_TRUE(second.ended);
    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_FALSE(second.windowSeen);
    EXPECT_EQ(ReadLines(InstallLog), Twice(once));

    // The Windows 95 family deletes through command.com.
    bench::WriteText(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\TarnovelleSetup.exe", "Version", "win98");
    SilentRun win98 = RunSilently(BuiltInstaller(), "-remove -auto");
    bench::DeleteKeyTree(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\TarnovelleSetup.exe");
    ASSERT_TRUE(win98.ended);
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), DeleteCommand("command.com"));

    // Asked with -removeall ("-remove" inside a longer word): OK uninstalls
    // and says so.
    bench::DeleteKeyTree(HKEY_LOCAL_MACHINE, RunOnceKey);
    UninstallRun asked = RunUninstaller("-removeall", true);
    ASSERT_TRUE(asked.ended);
    EXPECT_EQ(asked.exitCode, 0u);
    EXPECT_EQ(asked.messages, (std::vector<std::string>{
        "Would you like to Uninstall Tarnovelle from your system?",
        "Tarnovelle has been successfully uninstalled."}));
    EXPECT_EQ(asked.buttons, (std::vector<std::string>{"OK", "Cancel"}));
    EXPECT_FALSE(asked.anyOtherWindow);
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), DeleteCommand("cmd.exe"));
    EXPECT_EQ(ReadLines(InstallLog).size(), 4 * once.size());
}

TEST(SetupUninstall, AfterAnInstallOnlyTheParentKeyTheLogAndTheUsersFilesStay)
{
    ASSERT_TRUE(InstallGroupConverterStandIn());
    InstallChoices startMenu;
    startMenu.makeDefault = false;
    InstallRun install = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, startMenu);
    ASSERT_TRUE(install.ended);
    ASSERT_TRUE(bench::FileExists(SaverPath()));
    ASSERT_TRUE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
    std::vector<std::string> logAfterInstall = ReadLines(InstallLog);
    ASSERT_EQ(logAfterInstall.size(), 1u);

    // What the group converter and the saver would have left, read-only
    // where that can be; and a file of the user's own in the group folder.
    std::string folder = GroupFolder();
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(MakeFile(folder + "\\Tarnovelle Screen Saver.lnk", "link", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(MakeFile(folder + "\\Uninstall Tarnovelle.lnk", "link", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(MakeFile(folder + "\\My notes.txt", "mine", FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(MakeFile("c:\\Tarnovelle.log", "saver log", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(SetFileAttributesA(SaverPath().c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(SetFileAttributesA(ConfigToolPath().c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesA(SetupCopyPath().c_str(), FILE_ATTRIBUTE_READONLY));
    for (const char* name : SettingNames)
        bench::WriteText(HKEY_CURRENT_USER, SettingsKey, name, "1");

    SilentRun uninstall = RunSilently(SetupCopyPath(), "-remove -auto");
    ASSERT_TRUE(uninstall.ended);
    EXPECT_EQ(uninstall.exitCode, 0u);
    EXPECT_FALSE(uninstall.windowSeen);

    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_FALSE(bench::FileExists(ConfigToolPath()));
    EXPECT_FALSE(bench::FileExists(folder + "\\Tarnovelle Screen Saver.lnk"));
    EXPECT_FALSE(bench::FileExists(folder + "\\Uninstall Tarnovelle.lnk"));
    EXPECT_FALSE(bench::FileExists("c:\\Tarnovelle.log"));
    EXPECT_TRUE(bench::FileExists(folder + "\\My notes.txt"));  // so the folder stays
    // The copy stays until the next start of Windows, writable for its deletion.
    EXPECT_TRUE(bench::FileExists(SetupCopyPath()));
    EXPECT_EQ(Attributes(SetupCopyPath()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), DeleteCommand("cmd.exe"));

    EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
    EXPECT_TRUE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallParent));
    EXPECT_FALSE(bench::KeyExists(HKEY_CURRENT_USER, SettingsKey));
    EXPECT_TRUE(bench::KeyExists(HKEY_CURRENT_USER, SettingsParent));
    // Everything was there to delete: nothing new in the log, which stays.
    EXPECT_EQ(ReadLines(InstallLog), logAfterInstall);

    // Without the user's file, the next uninstall takes the folder too.
    ASSERT_TRUE(DeleteFileA((folder + "\\My notes.txt").c_str()));
    SilentRun again = RunSilently(BuiltInstaller(), "-remove -auto");
    ASSERT_TRUE(again.ended);
    EXPECT_FALSE(bench::FileExists(folder));
}

}  // namespace
