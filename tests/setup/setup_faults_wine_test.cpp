// The installer against a hostile machine, each test in a fresh prefix:
// Windows and system directories with spaces, missing, unavailable or too
// long (through the test build whose directories come from the environment),
// and install logs that cannot be written. Each ends with its message or a
// silent loss, never a crash or a hang, and the right programs are started.
#include <windows.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "tests/setup/installer_driver.h"
#include "tests/wine/bench.h"

namespace {

using namespace setup_test;


std::string Redirected() { return bench::BuildPath("tests/setup/TarnovelleSetupRedirected.exe"); }
std::string Recorder() { return bench::BuildPath("tests/settings/tarnovelle_command_recorder.exe"); }

// What the command recorder noted when it ran as this program.
std::string Note(const std::string& program) { return program + ".ran.txt"; }

// The directories the test build of the installer uses; a null one is unset,
// which the installer meets as a failing system call.
void Redirect(const char* windowsDirectory, const char* systemDirectory)
{
    SetEnvironmentVariableA("TARNOVELLE_WINDOWS_DIR", windowsDirectory);
    SetEnvironmentVariableA("TARNOVELLE_SYSTEM_DIR", systemDirectory);
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::vector<std::string> Texts(const InstallRun& run)
{
    std::vector<std::string> texts;
    for (const MessageSeen& seen : run.messages)
        texts.push_back(seen.text);
    return texts;
}

// Polls until the file exists (bounded); its text, or "<missing>".
std::string WaitForText(const std::string& path, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!bench::FileExists(path) && GetTickCount() - start < timeoutMs)
        Sleep(50);
    Sleep(50);  // the writer closes the file right after creating it
    return FileText(path);
}

InstallChoices OnlyFiles()
{
    InstallChoices choices;
    choices.makeDefault = false;
    choices.startMenu = false;
    return choices;
}

bool IsDirectory(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Nothing of an install reached the real Windows and system directories.
void ExpectRealDirectoriesUntouched()
{
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_FALSE(bench::FileExists(ConfigToolPath()));
    EXPECT_FALSE(bench::FileExists(SetupCopyPath()));
}

// Windows and system directories whose paths hold spaces. Decoys stand where
// an unquoted command would go astray ("C:\Program.exe", then
// "C:\Program Files\Tarnovelle.exe"): the saver started after the install,
// the uninstall entry run as the system runs it, the clean-up after a failure
// and the scheduled deletion each reach their own program and no decoy.
TEST(SetupFaults, DirectoriesWithSpacesStartTheRightPrograms)
{
    const std::string windows = "C:\\Program Files\\Tarnovelle Windows";
    const std::string system = windows + "\\System Files";
    const std::string setupCopy = windows + "\\TarnovelleSetup.exe";
    const std::string configTool = windows + "\\Tarnovelle.exe";
    const std::string saver = system + "\\Tarnovelle.scr";
    const std::vector<std::string> decoys = {"C:\\Program.exe", "C:\\Program Files\\Tarnovelle.exe"};
    ASSERT_TRUE(CreateDirectoryA(windows.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(system.c_str(), nullptr));
    for (const std::string& decoy : decoys)
        ASSERT_TRUE(CopyFileA(Recorder().c_str(), decoy.c_str(), FALSE));
    ASSERT_TRUE(InstallGroupConverterStandIn());
    Redirect(windows.c_str(), system.c_str());
    auto expectNoDecoyStarted = [&](const char* step) {
        for (const std::string& decoy : decoys)
            EXPECT_FALSE(bench::FileExists(Note(decoy))) << decoy << " was started by " << step;
    };

    InstallChoices choices = OnlyFiles();
    choices.startMenu = true;
    choices.runAfter = true;
    InstallRun install = RunInstaller(Redirected(), "", LicenceAnswer::AcceptOk, choices);
    ASSERT_TRUE(install.ended);
    EXPECT_EQ(install.exitCode, 0u);
    EXPECT_EQ(Texts(install), (std::vector<std::string>{Hint, Success}));
    EXPECT_TRUE(SameBytes(setupCopy, Redirected()));
    EXPECT_TRUE(SameBytes(saver, Recorder()));
    EXPECT_TRUE(SameBytes(configTool, Recorder()));
    ExpectRealDirectoriesUntouched();
    EXPECT_EQ(WaitForText(Note(saver), 10000), Quoted(saver) + " /s");
    expectNoDecoyStarted("the saver's start");

    // The group's command lines are short paths, which hold no spaces; the
    // working directory is the long one, in quotes.
    std::string shortTool = ShortPath(configTool);
    std::string shortCopy = ShortPath(setupCopy);
    EXPECT_EQ(shortTool.find(' '), std::string::npos);
    EXPECT_EQ(shortCopy.find(' '), std::string::npos);
    EXPECT_EQ(FileText(windows + "\\SETUP.INI"),
              "[progman.groups]\r\ngroupX=Hollis Fernby\r\n[groupX]\r\n"
              "\"Tarnovelle Screen Saver\",\"" + shortTool + "\",,,,\"" + windows + "\"\r\n"
              "\"Uninstall Tarnovelle\",\"" + shortCopy + " -remove\",,,,\"" + windows + "\"\r\n");

    // The uninstall entry, run as the system's list of programs runs it.
    std::string entry = bench::ReadText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString");
    EXPECT_EQ(entry, Quoted(setupCopy) + " -remove");
    UninstallRun asked = RunUninstallCommand(entry, true);
    ASSERT_TRUE(asked.ended);
    EXPECT_EQ(asked.exitCode, 0u);
    EXPECT_EQ(asked.messages, (std::vector<std::string>{Question, Uninstalled}));
    EXPECT_FALSE(bench::FileExists(saver));
    EXPECT_FALSE(bench::FileExists(configTool));
    EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
    expectNoDecoyStarted("the uninstall entry");
    std::string deletion = bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue);
    EXPECT_EQ(deletion, "cmd.exe /C del " + Quoted(setupCopy));

    // The scheduled deletion, run as Windows runs it at its next start.
    ASSERT_TRUE(bench::FileExists(setupCopy));
    DWORD code = 0;
    ASSERT_TRUE(bench::Run(deletion, 30000, &code));
    EXPECT_FALSE(bench::FileExists(setupCopy));
    expectNoDecoyStarted("the scheduled deletion");

    // A failed install from there: the clean-up is the copy, quoted, with
    // -remove -auto; it takes back the saver already written.
    ASSERT_TRUE(CreateDirectoryA(configTool.c_str(), nullptr));
    bench::DeleteKeyTree(HKEY_LOCAL_MACHINE, RunOnceKey);
    InstallRun failed = RunInstaller(Redirected(), "", LicenceAnswer::AcceptOk, OnlyFiles());
    ASSERT_TRUE(failed.ended);
    EXPECT_EQ(Texts(failed), (std::vector<std::string>{Hint,
        "Error writing to '" + configTool + "' - can't install screen saver configuration tool!", Failure}));
    EXPECT_TRUE(WaitForNoOtherInstaller(15000));
    EXPECT_FALSE(bench::FileExists(saver));
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), deletion);

    expectNoDecoyStarted("the clean-up");
    Redirect(nullptr, nullptr);
}

struct DirectoryCase {
    const char* what;
    const char* windows;  // null: the call fails
    const char* system;
    std::string message;  // the failure's own message, between the hint and "Errors occurred."
    std::vector<int> progress;
    bool copyMade;        // the installer's copy was written, so the clean-up ran
};

// Directories that are missing, that the system cannot give, or whose paths
// are too long: each install ends with its own message and "Errors occurred.",
// writes nothing beyond what its clean-up takes back, and leaves the real
// directories alone.
TEST(SetupFaults, UnusableDirectoriesEndWithTheirMessage)
{
    const std::string windows = "C:\\Tarnovelle Windows";
    const std::string system = windows + "\\System";
    ASSERT_TRUE(CreateDirectoryA(windows.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(system.c_str(), nullptr));
    const std::string missingWindows = "C:\\No Such Windows";
    const std::string missingSystem = windows + "\\No Such System";
    const std::string tooLong = "C:\\" + std::string(300, 'w');              // longer than the buffer
    const std::string noRoomForFiles = "C:\\" + std::string(245, 'w');       // fits, its files do not

    CopyFileA(Redirected().c_str(), (missingWindows + "\\TarnovelleSetup.exe").c_str(), FALSE);
    const int pathNotFound = static_cast<int>(GetLastError());
    const std::string noWindows = "Error getting the Windows directory - can't install Tarnovelle!";
    const std::string noSystem = "Error getting the system directory - can't install Tarnovelle!";

    const std::vector<DirectoryCase> cases = {
        {"Windows directory missing", missingWindows.c_str(), system.c_str(),
         "Error copying setup program to '" + missingWindows + "\\TarnovelleSetup.exe': (Error Number: "
             + std::to_string(pathNotFound) + ")",
         {100, 1000}, false},
        {"system directory missing", windows.c_str(), missingSystem.c_str(),
         "Error writing to '" + missingSystem + "\\Tarnovelle.scr' - can't install screen saver!",
         {100, 200, 1000}, true},
        {"Windows directory unavailable", nullptr, system.c_str(), noWindows, {100, 1000}, false},
        {"system directory unavailable", windows.c_str(), nullptr, noSystem, {100, 1000}, false},
        {"Windows directory longer than the buffer", tooLong.c_str(), system.c_str(), noWindows,
         {100, 1000}, false},
        {"system directory longer than the buffer", windows.c_str(), tooLong.c_str(), noSystem,
         {100, 1000}, false},
        {"no room for the file names", noRoomForFiles.c_str(), system.c_str(), noWindows, {100, 1000}, false},
    };
    for (const DirectoryCase& each : cases) {
        SCOPED_TRACE(each.what);
        DeleteFileA((windows + "\\TarnovelleSetup.exe").c_str());
        bench::DeleteKeyTree(HKEY_LOCAL_MACHINE, RunOnceKey);
        Redirect(each.windows, each.system);
        InstallRun run = RunInstaller(Redirected(), "", LicenceAnswer::AcceptOk, OnlyFiles());
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(Texts(run), (std::vector<std::string>{Hint, each.message, Failure}));
        EXPECT_EQ(run.progressSent, each.progress);
        EXPECT_TRUE(WaitForNoOtherInstaller(15000));
        EXPECT_EQ(bench::FileExists(windows + "\\TarnovelleSetup.exe"), each.copyMade);
        // Only a clean-up schedules the deletion of the copy it ran from.
        EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue) != "<missing>", each.copyMade);
        EXPECT_FALSE(bench::FileExists(system + "\\Tarnovelle.scr"));
        EXPECT_FALSE(bench::FileExists(windows + "\\Tarnovelle.exe"));
        EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
        ExpectRealDirectoriesUntouched();
    }
    Redirect(nullptr, nullptr);
}

// An uninstall whose system calls give no directory skips the files it cannot
// name and the deletion it cannot schedule, and does all the rest: the
// registry entries go, the installed files stay untouched, nothing hangs.
TEST(SetupFaults, UninstallWithoutDirectoriesStillClearsTheRegistry)
{
    InstallRun install = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, OnlyFiles());
    ASSERT_TRUE(install.ended);
    ASSERT_EQ(Texts(install), (std::vector<std::string>{Hint, Success}));
    bench::WriteText(HKEY_CURRENT_USER, SettingsKey, "UseCurves", "7");

    Redirect(nullptr, nullptr);
    SilentRun neither = RunSilently(Redirected(), "-remove -auto");
    ASSERT_TRUE(neither.ended);
    EXPECT_EQ(neither.exitCode, 0u);
    EXPECT_FALSE(neither.windowSeen);
    EXPECT_TRUE(bench::FileExists(SaverPath()));
    EXPECT_TRUE(bench::FileExists(ConfigToolPath()));
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");
    EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
    EXPECT_FALSE(bench::KeyExists(HKEY_CURRENT_USER, SettingsKey));

    // With the system directory alone, the saver goes and the rest stays.
    std::string systemDirectory = bench::SystemDirectory();
    Redirect(nullptr, systemDirectory.c_str());
    SilentRun systemOnly = RunSilently(Redirected(), "-remove -auto");
    ASSERT_TRUE(systemOnly.ended);
    EXPECT_EQ(systemOnly.exitCode, 0u);
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_TRUE(bench::FileExists(ConfigToolPath()));
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");
    Redirect(nullptr, nullptr);
}

// Keys an administrator has locked: a settings key this user may only read,
// an uninstall entry nobody may touch, and their parent keys read-only, so
// neither can be deleted. Each refused step reaches the install log with the
// system's code (5, access denied), the locked keys and their values stay, and
// everything else is removed as usual.
TEST(SetupFaults, LockedKeysAreLoggedAndTheRestIsRemoved)
{
    InstallRun install = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, OnlyFiles());
    ASSERT_TRUE(install.ended);
    ASSERT_EQ(Texts(install), (std::vector<std::string>{Hint, Success}));
    const std::vector<std::string> names(std::begin(SettingNames), std::end(SettingNames));
    for (const std::string& name : names)
        bench::WriteText(HKEY_CURRENT_USER, SettingsKey, name.c_str(), "1");
    const DWORD readOnly = KEY_READ;
    const DWORD nothing = 0;
    ASSERT_TRUE(bench::SetKeyAccess(HKEY_CURRENT_USER, SettingsKey, &readOnly));
    ASSERT_TRUE(bench::SetKeyAccess(HKEY_CURRENT_USER, SettingsParent, &readOnly));
    ASSERT_TRUE(bench::SetKeyAccess(HKEY_LOCAL_MACHINE, UninstallKey, &nothing));
    ASSERT_TRUE(bench::SetKeyAccess(HKEY_LOCAL_MACHINE, UninstallParent, &readOnly));
    const size_t logged = ReadLines(InstallLog).size();

    SilentRun uninstall = RunSilently(SetupCopyPath(), "-remove -auto");
    ASSERT_TRUE(uninstall.ended);
    EXPECT_EQ(uninstall.exitCode, 0u);
    EXPECT_FALSE(uninstall.windowSeen);
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_FALSE(bench::FileExists(ConfigToolPath()));
    EXPECT_NE(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");

    std::vector<std::string> lines = ReadLines(InstallLog);
    ASSERT_GE(lines.size(), logged);
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(logged));
    std::vector<std::string> expected;
    for (const std::string& shortcut : {GroupFolder() + "\\Tarnovelle Screen Saver.lnk",
                                        GroupFolder() + "\\Uninstall Tarnovelle.lnk"}) {
        DeleteFileA(shortcut.c_str());
        expected.push_back("Error " + std::to_string(GetLastError()) + " attempting to delete '" + shortcut + "'");
    }
    expected.push_back("KillRegValue:RegOpenKeyEx() failed: 5");  // DisplayName
    expected.push_back("KillRegValue:RegOpenKeyEx() failed: 5");  // UninstallString
    expected.push_back("KillRegKey:RegOpenKeyEx() failed: 5");    // its read-only parent
    for (size_t i = 0; i < names.size(); ++i)
        expected.push_back("KillRegValue:RegOpenKeyEx() failed: 5");
    expected.push_back("KillRegKey:RegOpenKeyEx() failed: 5");
    EXPECT_EQ(lines, expected);

    ASSERT_TRUE(bench::SetKeyAccess(HKEY_LOCAL_MACHINE, UninstallParent, nullptr));
    ASSERT_TRUE(bench::SetKeyAccess(HKEY_LOCAL_MACHINE, UninstallKey, nullptr));
    ASSERT_TRUE(bench::SetKeyAccess(HKEY_CURRENT_USER, SettingsParent, nullptr));
    ASSERT_TRUE(bench::SetKeyAccess(HKEY_CURRENT_USER, SettingsKey, nullptr));
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName"), "Tarnovelle Screen Saver");
    for (const std::string& name : names)
        EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, SettingsKey, name.c_str()), "1") << name;
}

// Logs that cannot be written, a directory in their place or a file held
// open by another program without sharing: the entries are lost without a
// word, the install and the uninstall do everything else, and the uninstall
// still says it is done.
TEST(SetupFaults, LogsThatCannotBeWrittenLoseOnlyTheirEntries)
{
    const std::string installLog = InstallLog;
    const std::string saverLog = "c:\\Tarnovelle.log";
    ASSERT_TRUE(CreateDirectoryA(installLog.c_str(), nullptr));
    InstallRun install = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, OnlyFiles());
    ASSERT_TRUE(install.ended);
    EXPECT_EQ(install.exitCode, 0u);
    EXPECT_EQ(Texts(install), (std::vector<std::string>{Hint, Success}));
    EXPECT_TRUE(SameBytes(SaverPath(), BuiltSaver()));
    EXPECT_TRUE(SameBytes(SetupCopyPath(), BuiltInstaller()));
    EXPECT_TRUE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));

    // Both logs directories: the saver's cannot be deleted, silently.
    ASSERT_TRUE(CreateDirectoryA(saverLog.c_str(), nullptr));
    SilentRun uninstall = RunSilently(SetupCopyPath(), "-remove -auto");
    ASSERT_TRUE(uninstall.ended);
    EXPECT_EQ(uninstall.exitCode, 0u);
    EXPECT_FALSE(uninstall.windowSeen);
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_FALSE(bench::FileExists(ConfigToolPath()));
    EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
    EXPECT_NE(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");
    EXPECT_TRUE(IsDirectory(installLog));
    EXPECT_TRUE(IsDirectory(saverLog));
    ASSERT_TRUE(RemoveDirectoryA(installLog.c_str()));
    ASSERT_TRUE(RemoveDirectoryA(saverLog.c_str()));

    // Both logs held open without sharing, on a machine with nothing left to
    // remove, where every step has a line to log: none reaches the file.
    ASSERT_TRUE(MakeFile(installLog, "earlier entries\r\n", FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(MakeFile(saverLog, "Starting log\r\n\r\n", FILE_ATTRIBUTE_ARCHIVE));
    HANDLE holders[2];
    holders[0] = CreateFileA(installLog.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    holders[1] = CreateFileA(saverLog.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holders[0], INVALID_HANDLE_VALUE);
    ASSERT_NE(holders[1], INVALID_HANDLE_VALUE);
    bench::DeleteKeyTree(HKEY_LOCAL_MACHINE, RunOnceKey);
    SilentRun silent = RunSilently(BuiltInstaller(), "-remove -auto");
    UninstallRun asked = RunUninstaller("-remove", true);
    CloseHandle(holders[0]);
    CloseHandle(holders[1]);
    ASSERT_TRUE(silent.ended);
    EXPECT_EQ(silent.exitCode, 0u);
    EXPECT_FALSE(silent.windowSeen);
    ASSERT_TRUE(asked.ended);
    EXPECT_EQ(asked.exitCode, 0u);
    EXPECT_EQ(asked.messages, (std::vector<std::string>{Question, Uninstalled}));
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue),
              "cmd.exe /C del \"" + bench::WindowsDirectory() + "\\TarnovelleSetup.exe\"");
    EXPECT_EQ(FileText(installLog), "earlier entries\r\n");
    EXPECT_EQ(FileText(saverLog), "Starting log\r\n\r\n");

    // Once the log can be opened again, the next run's lines arrive after the
    // earlier ones.
    SilentRun after = RunSilently(BuiltInstaller(), "-remove -auto");
    ASSERT_TRUE(after.ended);
    std::vector<std::string> lines = ReadLines(installLog);
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(lines.front(), "earlier entries");
    EXPECT_EQ(lines.back(), "KillRegKey:RegOpenKeyEx() failed: 2");
}

// Full drives. The logs: every entry is lost, the install and the uninstall
// go on as usual and nothing hangs. The program files: the short write ends
// the install with its message and the system's error number, and the
// clean-up takes back what was written.
TEST(SetupFaults, FullDrivesLoseLogEntriesAndFailProgramFilesWithTheirMessage)
{
    ASSERT_TRUE(bench::LinkToFullDevice(InstallLog)) << "cannot link to /dev/full";
    ASSERT_TRUE(bench::LinkToFullDevice("c:\\Tarnovelle.log"));
    InstallRun install = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, OnlyFiles());
    ASSERT_TRUE(install.ended);
    EXPECT_EQ(install.exitCode, 0u);
    EXPECT_EQ(Texts(install), (std::vector<std::string>{Hint, Success}));
    EXPECT_TRUE(SameBytes(SaverPath(), BuiltSaver()));
    SilentRun uninstall = RunSilently(SetupCopyPath(), "-remove -auto");
    ASSERT_TRUE(uninstall.ended);
    EXPECT_EQ(uninstall.exitCode, 0u);
    EXPECT_FALSE(uninstall.windowSeen);
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
    EXPECT_NE(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");

    const std::string windows = "C:\\FullDrive";
    const std::string system = windows + "\\System";
    ASSERT_TRUE(CreateDirectoryA(windows.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(system.c_str(), nullptr));
    Redirect(windows.c_str(), system.c_str());
    struct FullFile {
        std::string path;
        std::vector<int> progress;
        bool saverWritten;  // and then taken back by the clean-up
    };
    const FullFile fullFiles[] = {
        {system + "\\Tarnovelle.scr", {100, 200, 1000}, false},
        {windows + "\\Tarnovelle.exe", {100, 200, 300, 1000}, true},
    };
    for (const FullFile& full : fullFiles) {
        SCOPED_TRACE(full.path);
        ASSERT_TRUE(bench::LinkToFullDevice(full.path));
        bench::DeleteKeyTree(HKEY_LOCAL_MACHINE, RunOnceKey);
        InstallRun run = RunInstaller(Redirected(), "", LicenceAnswer::AcceptOk, OnlyFiles());
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(Texts(run), (std::vector<std::string>{Hint,
            "Error copying file '" + full.path + "' (Error number: " + std::to_string(ENOSPC) + ")", Failure}));
        EXPECT_EQ(run.progressSent, full.progress);
        EXPECT_TRUE(WaitForNoOtherInstaller(15000));
        EXPECT_NE(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue), "<missing>");
        if (full.saverWritten) {
            EXPECT_FALSE(bench::FileExists(system + "\\Tarnovelle.scr")) << "the clean-up left the saver";
        }
        EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
        ASSERT_TRUE(bench::RemoveFullDeviceLink(full.path));
    }
    Redirect(nullptr, nullptr);
}

}  // namespace
