// The Morph Speed and Roughness boxes: each key release reads the box, and a
// changed number goes to the dialog held to the box's limits.
#include "saver/settings/value_boxes.h"

#include "saver/settings/config_rules.h"
#include "saver/settings/settings.h"

WNDPROC MorphSpeedEditPrevious;
WNDPROC RoughnessEditPrevious;

namespace {

struct ValueBox {
    int32_t* value;
    NumberLimits limits;
    UINT message;
    WNDPROC* previous;
};

const ValueBox MorphSpeedBox{&MorphSpeed, MorphSpeedScroll.limits, MorphSpeedTypedMessage,
                             &MorphSpeedEditPrevious};
const ValueBox RoughnessBox{&Roughness, RoughnessScroll.limits, RoughnessTypedMessage,
                            &RoughnessEditPrevious};

LRESULT HandleBoxMessage(const ValueBox& box, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYUP) {
        char text[257];
        GetWindowTextA(window, text, sizeof text);
        TypedChange change = TypedValue(text, *box.value, box.limits);
        if (change.send) {
            *box.value = change.value;
            SendMessageA(GetParent(window), box.message, static_cast<WPARAM>(change.value), 0);
        }
    }
    return CallWindowProcA(*box.previous, window, message, wParam, lParam);
}

void Subclass(HWND box, WNDPROC procedure, WNDPROC* previous)
{
    *previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

}  // namespace

LRESULT CALLBACK MorphSpeedEditProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleBoxMessage(MorphSpeedBox, box, message, wParam, lParam);
}

LRESULT CALLBACK RoughnessEditProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleBoxMessage(RoughnessBox, box, message, wParam, lParam);
}

void SubclassMorphSpeedBox(HWND box)
{
    Subclass(box, MorphSpeedEditProc, &MorphSpeedEditPrevious);
}

void SubclassRoughnessBox(HWND box)
{
    Subclass(box, RoughnessEditProc, &RoughnessEditPrevious);
}
