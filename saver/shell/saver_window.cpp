// SaverWndProc: one short handler per message, found in a table.
#include "saver/shell/saver_window.h"

#include <mmsystem.h>

#include "saver/engine/engine.h"
#include "saver/engine/run_flags.h"
#include "saver/settings/settings.h"
#include "saver/shell/input_rules.h"
#include "saver/shell/music_link.h"

namespace {

constexpr UINT_PTR StartTimer = 1;
constexpr UINT StartTimerMs = 1500;

using Handler = LRESULT (*)(HWND window, ScreenDevice* device, WPARAM wParam, LPARAM lParam);

LRESULT OnCreate(HWND window, ScreenDevice*, WPARAM, LPARAM)
{
    SetTimer(window, StartTimer, StartTimerMs, nullptr);
    return 0;
}

LRESULT OnTimer(HWND window, ScreenDevice*, WPARAM, LPARAM)
{
    KillTimer(window, StartTimer);  // the timer fires once
    return 0;
}

LRESULT OnPaint(HWND window, ScreenDevice*, WPARAM wParam, LPARAM lParam)
{
    // The pointer is parked in the corner, where a move never ends the run.
    SetCursorPos(0, 0);
    return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

LRESULT OnSetCursor(HWND, ScreenDevice*, WPARAM, LPARAM)
{
    SetCursor(nullptr);
    return TRUE;
}

LRESULT OnActivateApp(HWND window, ScreenDevice*, WPARAM wParam, LPARAM lParam)
{
    Active = ActivatesApp(static_cast<uint32_t>(wParam)) ? 1 : 0;
    return DefWindowProcA(window, WM_ACTIVATEAPP, wParam, lParam);
}

LRESULT OnKey(HWND, ScreenDevice* device, WPARAM wParam, LPARAM)
{
    OnKeyDown(device, wParam);
    return 0;
}

LRESULT OnMouseMove(HWND window, ScreenDevice* device, WPARAM wParam, LPARAM lParam)
{
    if (MouseMoveCloses(&MouseMoveCountdown, static_cast<uint32_t>(lParam)))
        RequestClose(device);
    return DefWindowProcA(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnClick(HWND window, ScreenDevice* device, WPARAM wParam, LPARAM lParam, UINT message)
{
    RequestClose(device);
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT OnLeftClick(HWND window, ScreenDevice* device, WPARAM wParam, LPARAM lParam)
{
    return OnClick(window, device, wParam, lParam, WM_LBUTTONDOWN);
}

LRESULT OnRightClick(HWND window, ScreenDevice* device, WPARAM wParam, LPARAM lParam)
{
    return OnClick(window, device, wParam, lParam, WM_RBUTTONDOWN);
}

LRESULT OnClose(HWND window, ScreenDevice*, WPARAM wParam, LPARAM)
{
    // Only the saver's own request ends the run; Alt+F4 or a task manager's
    // polite close is swallowed.
    if (static_cast<uint32_t>(wParam) == CloseToken)
        DestroyWindow(window);
    return 0;
}

LRESULT OnDestroy(HWND, ScreenDevice* device, WPARAM, LPARAM)
{
    if (device != nullptr)
        device->ReleaseDisplay();
    PostQuitMessage(0);
    return 0;
}

LRESULT OnSongEvent(HWND window, ScreenDevice*, WPARAM wParam, LPARAM lParam)
{
    NotifySong(window, wParam);
    return DefWindowProcA(window, MM_MCINOTIFY, wParam, lParam);
}

const struct {
    UINT message;
    Handler handle;
} Handlers[] = {
    {WM_CREATE, OnCreate},
    {WM_TIMER, OnTimer},
    {WM_PAINT, OnPaint},
    {WM_SETCURSOR, OnSetCursor},
    {WM_ACTIVATEAPP, OnActivateApp},
    {WM_KEYDOWN, OnKey},
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_LBUTTONDOWN, OnLeftClick},
    {WM_RBUTTONDOWN, OnRightClick},
    {WM_CLOSE, OnClose},
    {WM_DESTROY, OnDestroy},
    {MM_MCINOTIFY, OnSongEvent},
};

}  // namespace

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* device = reinterpret_cast<ScreenDevice*>(GetWindowLongPtrA(window, 0));
    for (const auto& entry : Handlers) {
        if (entry.message == message)
            return entry.handle(window, device, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RequestClose(ScreenDevice* device)
{
    if (device == nullptr || device->window == nullptr)
        return;
    PostMessageA(device->window, WM_CLOSE, static_cast<WPARAM>(CloseToken), 0);
}

void OnKeyDown(ScreenDevice* device, WPARAM virtualKey)
{
    switch (CommandForKey(static_cast<uint32_t>(virtualKey))) {
    case KeyCommand::Capture:
        CaptureRequested = 1;
        // Either bit counts: Shift held down, or its toggle left set.
        if (GetKeyState(VK_SHIFT) != 0)
            SetWallpaperAtExit = 1;
        break;
    case KeyCommand::Nothing:
        break;
    case KeyCommand::ToggleStats:
        ShowStats = ShowStats != 0 ? 0 : 1;
        break;
    case KeyCommand::Restart:
        Restart();
        break;
    case KeyCommand::Close:
        RequestClose(device);
        break;
    }
}
