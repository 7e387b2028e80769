// The paths and command lines the installer builds: where its files go, what
// the uninstall entry and the RunOnce key hold, and how it starts programs.
#pragma once
#include <cstddef>

// Each writes a zero-terminated text into buffer and returns true, or returns
// false (buffer then holds an empty text) when the text does not fit: a cut
// path would name another file, so callers do nothing with it.
//
// Paths that are run or stored as commands are quoted, since the Windows
// directory may hold spaces and an unquoted path with a space runs another
// program ("C:\My" with the rest as its arguments).

// directory, backslash, file name.
bool FormatInstallPath(char* buffer, std::size_t size, const char* directory, const char* fileName);

// The uninstall entry's "UninstallString": the quoted installer copy with -remove.
bool FormatUninstallString(char* buffer, std::size_t size, const char* setupCopyPath);

// The silent clean-up after a failed install: the quoted copy with -remove -auto.
bool FormatCleanupCommand(char* buffer, std::size_t size, const char* setupCopyPath);

// The saver's full-screen run after the install: the quoted saver with /s.
bool FormatRunSaverCommand(char* buffer, std::size_t size, const char* saverPath);

// The RunOnce command that deletes the installer copy at the next start of
// Windows: "command.com" on the Windows 95 family (platform id 1), "cmd.exe"
// on every other platform id (the NT family, or 0 when the version is unknown).
bool FormatRunOnceCommand(char* buffer, std::size_t size, unsigned long platformId,
                          const char* windowsDirectory);
