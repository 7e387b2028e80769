// Driving the real TarnovelleSetup.exe from inside Wine as a user would: the
// licence agreement, the install dialog's boxes and buttons, each message box
// read and closed in turn; plus the machine state the tests look at and the
// stand-ins for the group converter and the Display Properties dialog.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace setup_test {

// Built programs, as Windows paths.
std::string BuiltInstaller();
std::string BuiltSaver();

// Where an install puts its files in this prefix.
std::string SaverPath();       // system directory\Tarnovelle.scr
std::string ConfigToolPath();  // Windows directory\Tarnovelle.exe
std::string SetupCopyPath();   // Windows directory\TarnovelleSetup.exe
std::string SetupIniPath();    // Windows directory\SETUP.INI
std::string GroupFolder();     // the user's Start Menu\Programs\Hollis Fernby

// Files the stand-ins and the progress probe write.
inline constexpr char GroupConverterRecord[] = "C:\\grpconv.log";
inline constexpr char DisplayPropertiesRecord[] = "C:\\display_properties.log";
inline constexpr char ProgressRecord[] = "C:\\progress_probe.log";
inline constexpr char InstallLog[] = "c:\\TarnovelleInstall.log";

// The registry keys and values the installer writes and the uninstaller removes.
inline constexpr char UninstallParent[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarnovelle";
inline constexpr char RunOnceKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr char RunOnceValue[] = "UnInstallTarnovelle";
inline constexpr char SettingsParent[] = "SOFTWARE\\HollisFernby";
inline constexpr char SettingsKey[] = "SOFTWARE\\HollisFernby\\Tarnovelle";
// The values the saver keeps under SettingsKey, all removed by the uninstaller.
inline constexpr const char* SettingNames[] = {"ColorCycleMode", "IgnoreMouseMoves", "LastSeed", "MainSeed", "MorphSpeed",
                                               "Resolution",     "Roughness",        "SongDir",  "UseCurves"};

// The installer's messages.
inline constexpr char Hint[] = "Try pressing the F1 Key while Tarnovelle is running to get different colors!";
inline constexpr char Success[] = "Tarnovelle was successfully installed";
inline constexpr char Failure[] = "Errors occurred.\nTarnovelle was not successfully installed";
inline constexpr char Question[] = "Would you like to Uninstall Tarnovelle from your system?";
inline constexpr char Uninstalled[] = "Tarnovelle has been successfully uninstalled.";

// Copies the recording grpconv.exe into the system directory.
bool InstallGroupConverterStandIn();
// Installs the recording applet as the system directory's desk.cpl.
bool InstallDisplayPropertiesStandIn();
bool RemoveDisplayPropertiesStandIn();

// A text file's lines without their CR LF; empty when it is missing.
std::vector<std::string> ReadLines(const std::string& path);
// A whole file; "<missing>" when it cannot be read.
std::string FileText(const std::string& path);
bool SameBytes(const std::string& pathA, const std::string& pathB);
DWORD Attributes(const std::string& path);
// Makes a file with this text and these attributes (replacing any file).
bool MakeFile(const std::string& path, const std::string& text, DWORD attributes);
std::string ShortPath(const std::string& path);

enum class LicenceAnswer {
    PresetOk,      // OK with "I do not accect" still chosen
    AcceptCancel,  // choose "I accect", then Cancel
    AcceptOk,      // choose "I accect", then OK
};

struct InstallChoices {
    bool makeDefault = true;
    bool startMenu = true;
    bool runAfter = false;
    bool pressCancel = false;  // Cancel in the install dialog instead of Install
};

// A message box the installer showed, and what was to be seen at that moment.
struct MessageSeen {
    std::string text;
    int progress = -1;          // PBM_GETPOS of the install dialog's bar
    bool barVisible = false;
};

struct InstallRun {
    bool licenceShown = false;
    bool declinePreset = false;     // 1005 checked and 1004 not, at first sight
    std::string licenceText;        // the text of edit control 1006
    // Each dialog's controls in template order: class name and text ("<bitmap>"
    // for a picture control that holds its bitmap).
    std::vector<std::pair<std::string, std::string>> licenceControls;
    std::vector<std::pair<std::string, std::string>> installControls;
    bool installDialogShown = false;
    // Check boxes 1003, 1005, 1004 as the install dialog first showed them.
    bool initialMakeDefault = false, initialStartMenu = false, initialRunAfter = false;
    bool barVisibleAtStart = true;
    std::vector<MessageSeen> messages;
    std::vector<int> progressSent;  // every PBM_SETPOS, from the probe on the installer's thread
    std::vector<std::string> saverCommandLines;  // Tarnovelle.scr processes started meanwhile
    bool ended = false;
    DWORD exitCode = 0xFFFFFFFF;
    DWORD elapsedMs = 0;            // from pressing Install to the end of the process
};

// Starts the installer (program with arguments), answers the licence, sets
// the boxes and presses Install, closes each message box with OK (calling
// onMessage first, if given), and waits for the end. Every wait is bounded;
// a process still running at the end is ended.
InstallRun RunInstaller(const std::string& program, const std::string& arguments,
                        LicenceAnswer answer, const InstallChoices& choices,
                        const std::function<void(const MessageSeen&)>& onMessage = nullptr);

// Runs the installer with these arguments and answers the uninstall question
// (OK or Cancel); returns the message boxes' texts in order.
struct UninstallRun {
    std::vector<std::string> messages;
    std::vector<std::string> buttons;  // the first box's button texts
    bool anyOtherWindow = false;       // a visible window that was not a message box
    bool ended = false;
    DWORD exitCode = 0xFFFFFFFF;
};
UninstallRun RunUninstaller(const std::string& arguments, bool answerOk);
// The same for a whole command line, such as the uninstall entry's.
UninstallRun RunUninstallCommand(const std::string& commandLine, bool answerOk);

// Starts the installer and watches it until it ends: for the silent modes.
struct SilentRun {
    bool ended = false;
    DWORD exitCode = 0xFFFFFFFF;
    bool windowSeen = false;  // any visible top-level window of the process
};
SilentRun RunSilently(const std::string& program, const std::string& arguments);

// Waits (bounded) until no TarnovelleSetup.exe other than this process runs.
bool WaitForNoOtherInstaller(DWORD timeoutMs);

}  // namespace setup_test
