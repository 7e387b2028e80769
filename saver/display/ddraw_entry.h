// The one way into DirectDraw. Tests replace DirectDrawCreateEntry with a fake
// to drive the failure paths of the mode list and the display device.
#pragma once
#include <windows.h>
#include <ddraw.h>

using DirectDrawCreateFunction = HRESULT(WINAPI*)(GUID* driver, IDirectDraw** directDraw, IUnknown* outer);

extern DirectDrawCreateFunction DirectDrawCreateEntry;

// Calls Release until the reference count is 0 or less.
template <typename T>
void ReleaseAll(T* object)
{
    if (object == nullptr)
        return;
    while (static_cast<LONG>(object->Release()) > 0) {
    }
}
