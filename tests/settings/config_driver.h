// Drives a Tarnovelle.scr settings dialog in another process from a test
// program inside Wine: start, find, read and change controls, close. Every
// wait is bounded; a process still running at the end is ended.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/wine/bench.h"

namespace configtest {

// Bounds of the waits. Measured under a warm Wine server: a dialog shows 0.4 to
// 0.6 s after its start, a posted key is handled within milliseconds; with
// other builds loading the machine both took up to five times as long.
constexpr DWORD WindowTimeoutMs = 15000;   // a window appears or goes
constexpr DWORD ReactionTimeoutMs = 10000; // the dialog answers posted input
constexpr DWORD SendTimeoutMs = 5000;      // one sent message

// Polls condition every 20 ms until it holds or timeoutMs have passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// A visible top-level window of that process with exactly that title.
HWND FindProcessWindow(DWORD processId, const char* title);
HWND WaitForProcessWindow(DWORD processId, const char* title, DWORD timeoutMs);

// SendMessageA that gives up after SendTimeoutMs (0 then).
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
std::string WindowText(HWND window);

// Ends a process the way a user ends a run (a key press in each of its
// windows), or by force when that has not ended it within 5 s.
void EndProcess(DWORD processId);
// Ends, like that, every process that parentId started and that still runs.
void EndChildProcesses(DWORD parentId);

// In the shell's folder picker (its tree is control 14145), walks down from
// the tree's first root through the items whose texts contain the given
// parts, expanding each, and selects the last one. False when a part is not
// found.
bool SelectPickerFolder(HWND picker, const std::vector<std::string>& parts);

class ConfigDialog {
public:
    ConfigDialog() = default;
    ConfigDialog(const ConfigDialog&) = delete;
    ConfigDialog& operator=(const ConfigDialog&) = delete;

    // Starts program with arguments and waits until its "Tarnovelle
    // Configuration" dialog is visible.
    bool Open(const std::string& arguments, const std::string& program = bench::BuildPath("Tarnovelle.scr"));

    HWND Window() const { return dialog; }
    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    DWORD ProcessId() const { return process.Id(); }

    std::string Text(int id) const { return WindowText(Item(id)); }
    // WM_SETTEXT, then a key release (sent, so the box has handled it on return).
    void TypeAndRelease(int id, const std::string& text);
    void SetText(int id, const std::string& text);
    // Posts a typed character and its key release, as the keyboard would.
    void PostKey(int id, char c);

    int BarPosition(int id) const;
    void Scroll(int barId, int code, int thumb = 0);

    int Selection(int id) const;
    void Select(int id, int index);
    std::vector<std::string> Items(int id) const;

    // BM_CLICK posted, as buttons that open modal dialogs need.
    void Click(int id);
    // Clicks the button and waits for the process to end with its exit code.
    bool CloseWith(int id, DWORD* exitCode);
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode) { return process.Wait(timeoutMs, exitCode); }

private:
    bench::ChildProcess process;
    HWND dialog = nullptr;
};

}  // namespace configtest
