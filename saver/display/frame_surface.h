// FrameSurface: one DirectDraw surface of the flip chain, with the lock that
// gives 8-bit pixel access and the device context that draws the status line.
#pragma once
#include <windows.h>
#include <ddraw.h>

#include <cstdint>

class FrameSurface {
public:
    // Reads the surface's size; a description that cannot be read is logged
    // as an error and leaves width and height at 0, the wrapper still usable.
    explicit FrameSurface(IDirectDrawSurface* surface);

    // Drops every reference the surface still has.
    void Release();

    // Locks the whole surface: the first pixel, with pitch set; null (and a
    // plain log entry) when the lock failed.
    uint8_t* Lock();
    // Does nothing unless locked.
    void Unlock();

    // The text calls work between a successful GetDC and ReleaseDC; ReleaseDC
    // is made whatever GetDC returned.
    bool GetDC();
    void ReleaseDC();
    COLORREF SetTextColor(COLORREF colour);
    int SetBkMode(int mode);
    void DrawText(int32_t x, int32_t y, const char* text);

    IDirectDrawSurface* surface = nullptr;
    HDC dc = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t* locked = nullptr;  // first pixel while locked
    int32_t pitch = 0;          // bytes from one row to the next, from the last good lock
    DDSURFACEDESC lockDesc{};
};
