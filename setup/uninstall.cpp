// Uninstall: the Start-menu group and the files first, then the scheduled
// deletion of the installer copy, then the registry entries.
#include "setup/uninstall.h"

#include <windows.h>

#include <cstdio>

#include "setup/command_lines.h"
#include "setup/install_log.h"
#include "setup/registry_edit.h"
#include "setup/setup_names.h"
#include "setup/system_directories.h"

namespace {

// Clears read-only, hidden and system flags so the deletion can succeed.
BOOL DeleteWritable(const char* path)
{
    SetFileAttributesA(path, FILE_ATTRIBUTE_ARCHIVE);
    return DeleteFileA(path);
}

// A Start-menu shortcut: a failed deletion is logged.
void DeleteShortcut(const char* folder, const char* name)
{
    char path[260];
    if (!FormatInstallPath(path, sizeof path, folder, name))
        return;
    if (!DeleteWritable(path)) {
        DWORD error = GetLastError();
        InstallLog("Error %d attempting to delete '%s'\n", static_cast<int>(error), path);
    }
}

// The group's two shortcuts, the saver's log and the group folder, all found
// through the user's Start Menu folder.
void RemoveStartMenuGroup()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ShellFoldersKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    char startMenu[260];
    DWORD size = sizeof startMenu - 1;
    if (RegQueryValueExA(key, "Start Menu", nullptr, nullptr, reinterpret_cast<BYTE*>(startMenu),
                         &size) != ERROR_SUCCESS) {
        RegCloseKey(key);
        return;
    }
    startMenu[size < sizeof startMenu ? size : sizeof startMenu - 1] = '\0';
    char folder[260];
    int length = std::snprintf(folder, sizeof folder, "%s%s", startMenu, GroupFolderSuffix);
    if (length > 0 && static_cast<size_t>(length) < sizeof folder) {
        DeleteShortcut(folder, SaverShortcutName);
        DeleteShortcut(folder, UninstallShortcutName);
        DeleteWritable(SaverLogPath);
        RemoveDirectoryA(folder);
    }
    RegCloseKey(key);
}

// A program file in a directory; a failure is not logged.
void DeleteProgramFile(const char* directory, const char* name)
{
    char path[260];
    if (FormatInstallPath(path, sizeof path, directory, name))
        DeleteWritable(path);
}

// The installer's copy may be the program that runs now, so a command run
// once at the next start of Windows deletes it.
void ScheduleSetupCopyDeletion(const char* windowsDirectory)
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    char command[2048];
    if (FormatRunOnceCommand(command, sizeof command, version.dwPlatformId, windowsDirectory))
        SetRegString(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue, command);
}

}  // namespace

void Uninstall()
{
    RemoveStartMenuGroup();

    // A directory the system cannot give names no file: its steps are
    // skipped (unreported, like the failed deletions) and the rest goes on.
    char systemDirectory[260];
    if (GetSystemDirectoryPath(systemDirectory, sizeof systemDirectory))
        DeleteProgramFile(systemDirectory, SaverFileName);

    char windowsDirectory[260];
    if (GetWindowsDirectoryPath(windowsDirectory, sizeof windowsDirectory)) {
        DeleteProgramFile(windowsDirectory, ConfigToolFileName);
        // The installer's copy is only made writable; the scheduled
        // command deletes it later.
        char setupCopy[260];
        if (FormatInstallPath(setupCopy, sizeof setupCopy, windowsDirectory, SetupCopyFileName))
            SetFileAttributesA(setupCopy, FILE_ATTRIBUTE_ARCHIVE);
        ScheduleSetupCopyDeletion(windowsDirectory);
    }

    KillRegValue(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName");
    KillRegValue(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString");
    KillRegKey(HKEY_LOCAL_MACHINE, UninstallParentKey, UninstallEntryName);

    for (const char* name : SettingValueNames)
        KillRegValue(HKEY_CURRENT_USER, SettingsKeyPath, name);
    KillRegKey(HKEY_CURRENT_USER, SettingsParentKey, SettingsKeyName);
}
