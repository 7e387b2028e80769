// What the saver window does with a key or a mouse move: the decisions alone,
// without Windows, so that every rule can be checked on the host.
#pragma once
#include <cstdint>

// Every close request of the saver carries this as its wParam; any other
// WM_CLOSE is swallowed.
constexpr uint32_t CloseToken = 0xACEDBEEF;

enum class KeyCommand {
    Capture,      // TAB: capture the next frame (and, with Shift, set the wallpaper at the end)
    Nothing,      // Shift on its way to Shift-TAB
    ToggleStats,  // ESC
    Restart,      // F1
    Close,        // every other key
};

KeyCommand CommandForKey(uint32_t virtualKey);

// The mouse rule for one WM_MOUSEMOVE: while the countdown is 1 or more the move
// is counted off and ignored; after that a move closes unless x or y is 0 (the
// corner where the pointer is parked). A countdown of 0 or less is never changed.
bool MouseMoveCloses(int32_t* countdown, uint32_t lParam);

// WM_ACTIVATEAPP's wParam: 1 or 2 mean the application became active.
bool ActivatesApp(uint32_t wParam);
