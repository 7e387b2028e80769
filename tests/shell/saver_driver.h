// Driving the real Tarnovelle.scr from a test program inside Wine: settings
// written before the start, the run's window found, input posted, the end
// awaited with a bound.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/wine/bench.h"

namespace driver {

extern const char* const SettingsKey;

// Replaces every setting: the named values over the defaults a fresh
// install would load. Resolution 0 is the smallest 8-bit mode (320x200).
void WriteSettings(const std::vector<std::pair<const char*, std::string>>& values);

// c:\windows\Tarnovelle.bmp as this prefix has it.
std::string CapturePath();

class Saver {
public:
    // Starts "Tarnovelle.scr arguments" and waits for its run window (class
    // and title "Tarnovelle"); false when none appeared in time.
    bool Start(const std::string& arguments = "/s");
    // Posts a message to the run window.
    void Post(UINT message, WPARAM wParam, LPARAM lParam = 0);
    void Key(WPARAM virtualKey) { Post(WM_KEYDOWN, virtualKey, 1); }
    // True when the process ended within timeoutMs (exitCode set).
    bool Ended(DWORD timeoutMs, DWORD* exitCode = nullptr);
    bool Running() { return WaitForSingleObject(child.Handle(), 0) == WAIT_TIMEOUT; }
    HWND Window() const { return window; }
    bench::ChildProcess& Process() { return child; }

private:
    bench::ChildProcess child;
    HWND window = nullptr;
};

// Waits until the file exists with exactly size bytes.
bool WaitForFile(const std::string& path, size_t size, DWORD timeoutMs);

}  // namespace driver
