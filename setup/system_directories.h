// The Windows and system directories as the installer and the uninstall get
// them: checked, never used half-filled, and replaceable for the tests.
#pragma once
#include <windows.h>

#include <cstddef>

// The two system calls, defaulting to GetWindowsDirectoryA and
// GetSystemDirectoryA. Each fills a buffer of the given size and returns the
// path's length, 0 on failure, or the size it needs when it does not fit.
struct DirectoryCalls {
    UINT(WINAPI* windowsDirectory)(LPSTR buffer, UINT size);
    UINT(WINAPI* systemDirectory)(LPSTR buffer, UINT size);
};
extern DirectoryCalls SetupDirectoryCalls;

// The directory as a zero-terminated path and true; false, with an empty
// text in buffer, when the call fails or the path does not fit.
bool GetWindowsDirectoryPath(char* buffer, std::size_t size);
bool GetSystemDirectoryPath(char* buffer, std::size_t size);
