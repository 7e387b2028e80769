// The names that the install and the uninstall share: files, registry keys and
// values, the Start-menu group, the logs. One place, so the two cannot drift.
#pragma once

inline constexpr char ProductName[] = "Tarnovelle";

// The installed files: the saver in the system directory, the configuration
// tool (the same program) and the installer's copy in the Windows directory.
inline constexpr char SaverFileName[] = "Tarnovelle.scr";
inline constexpr char ConfigToolFileName[] = "Tarnovelle.exe";
inline constexpr char SetupCopyFileName[] = "TarnovelleSetup.exe";

// HKEY_LOCAL_MACHINE: the uninstall entry and the scheduled deletion.
inline constexpr char UninstallParentKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr char UninstallEntryName[] = "Tarnovelle";
inline constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarnovelle";
inline constexpr char DisplayNameText[] = "Tarnovelle Screen Saver";
inline constexpr char RunOnceKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr char RunOnceValue[] = "UnInstallTarnovelle";

// HKEY_CURRENT_USER: the saver's settings; the parent key stays on uninstall.
inline constexpr char SettingsParentKey[] = "SOFTWARE\\HollisFernby";
inline constexpr char SettingsKeyName[] = "Tarnovelle";
inline constexpr char SettingsKeyPath[] = "SOFTWARE\\HollisFernby\\Tarnovelle";
inline constexpr const char* SettingValueNames[] = {
    "ColorCycleMode", "IgnoreMouseMoves", "LastSeed", "MainSeed", "MorphSpeed",
    "Resolution", "Roughness", "SongDir", "UseCurves",
};

// The Start-menu group made from SETUP.INI, under the user's "Start Menu".
inline constexpr char ShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr char GroupName[] = "Hollis Fernby";
inline constexpr char GroupFolderSuffix[] = "\\Programs\\Hollis Fernby";
inline constexpr char SaverItemTitle[] = "Tarnovelle Screen Saver";
inline constexpr char UninstallItemTitle[] = "Uninstall Tarnovelle";
inline constexpr char SaverShortcutName[] = "Tarnovelle Screen Saver.lnk";
inline constexpr char UninstallShortcutName[] = "Uninstall Tarnovelle.lnk";

// The installer's own log, and the saver's error log that the uninstall removes.
inline constexpr char InstallLogPath[] = "c:\\TarnovelleInstall.log";
inline constexpr char SaverLogPath[] = "c:\\Tarnovelle.log";
