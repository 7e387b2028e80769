// BuildModeList: asks the default display driver for its modes through DirectDraw.
#include <windows.h>
#include <ddraw.h>

#include "saver/display/ddraw_entry.h"
#include "saver/display/mode_list.h"

DirectDrawCreateFunction DirectDrawCreateEntry = DirectDrawCreate;

static HRESULT WINAPI OnEnumeratedMode(DDSURFACEDESC* desc, void*)
{
    AddEnumeratedMode(desc->ddpfPixelFormat.dwFlags, desc->dwWidth, desc->dwHeight);
    return DDENUMRET_OK;
}

bool BuildModeList()
{
    IDirectDraw* directDraw = nullptr;
    if (DirectDrawCreateEntry(nullptr, &directDraw, nullptr) != DD_OK || directDraw == nullptr)
        return false;
    ClearModeList();
    directDraw->EnumDisplayModes(0, nullptr, nullptr, OnEnumeratedMode);
    ReleaseAll(directDraw);
    SortModeList();
    return true;
}
