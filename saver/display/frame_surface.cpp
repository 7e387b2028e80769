// FrameSurface: lock and unlock for the renderer and the capture, and the
// device context for the status line.
#include "saver/display/frame_surface.h"

#include <cstring>

#include "saver/display/ddraw_entry.h"
#include "saver/shell/saver_log.h"

FrameSurface::FrameSurface(IDirectDrawSurface* wrapped) : surface(wrapped)
{
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_HEIGHT | DDSD_WIDTH;
    if (surface->GetSurfaceDesc(&desc) < 0) {
        LogError("Error getting Surface description\n");
        return;
    }
    width = static_cast<int32_t>(desc.dwWidth);
    height = static_cast<int32_t>(desc.dwHeight);
}

void FrameSurface::Release()
{
    ReleaseAll(surface);
}

uint8_t* FrameSurface::Lock()
{
    std::memset(&lockDesc, 0, sizeof lockDesc);
    lockDesc.dwSize = sizeof lockDesc;
    HRESULT result = surface->Lock(nullptr, &lockDesc, DDLOCK_WAIT, nullptr);
    if (result != DD_OK) {
        LogPlain("Error locking frame buffer: 0x%x\n", static_cast<unsigned>(result));
        return nullptr;
    }
    pitch = lockDesc.lPitch;
    locked = static_cast<uint8_t*>(lockDesc.lpSurface);
    return locked;
}

void FrameSurface::Unlock()
{
    if (locked == nullptr)
        return;
    surface->Unlock(nullptr);
    locked = nullptr;
}

bool FrameSurface::GetDC()
{
    dc = nullptr;
    if (surface->GetDC(&dc) == DD_OK)
        return true;
    dc = nullptr;  // the text calls then draw nothing
    return false;
}

void FrameSurface::ReleaseDC()
{
    surface->ReleaseDC(dc);
    dc = nullptr;
}

COLORREF FrameSurface::SetTextColor(COLORREF colour)
{
    return ::SetTextColor(dc, colour);
}

int FrameSurface::SetBkMode(int mode)
{
    return ::SetBkMode(dc, mode);
}

void FrameSurface::DrawText(int32_t x, int32_t y, const char* text)
{
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}
