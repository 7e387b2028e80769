// The saver window's key and mouse decisions.
#include "saver/shell/input_rules.h"

namespace {
constexpr uint32_t KeyTab = 9;
constexpr uint32_t KeyShift = 16;
constexpr uint32_t KeyEscape = 27;
constexpr uint32_t KeyF1 = 112;
}  // namespace

KeyCommand CommandForKey(uint32_t virtualKey)
{
    switch (virtualKey) {
    case KeyTab:
        return KeyCommand::Capture;
    case KeyShift:
        return KeyCommand::Nothing;
    case KeyEscape:
        return KeyCommand::ToggleStats;
    case KeyF1:
        return KeyCommand::Restart;
    default:
        return KeyCommand::Close;
    }
}

bool MouseMoveCloses(int32_t* countdown, uint32_t lParam)
{
    if (*countdown >= 1) {
        *countdown -= 1;
        return false;
    }
    uint32_t x = lParam & 0xFFFFu;
    uint32_t y = (lParam >> 16) & 0xFFFFu;
    return x != 0 && y != 0;
}

bool ActivatesApp(uint32_t wParam)
{
    return wParam == 1 || wParam == 2;
}
