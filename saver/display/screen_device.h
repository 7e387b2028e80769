// ScreenDevice: the run's connection to the screen. A topmost full-screen
// window, DirectDraw in exclusive mode, the display mode, a flip chain of a
// primary surface and one back buffer, the 8-bit palette and its working copy.
#pragma once
#include <windows.h>
#include <ddraw.h>

#include <cstdint>
#include <ctime>

#include "saver/display/frame_surface.h"

// Codes of the construction step that failed (errorCode).
enum DeviceStep : int32_t {
    StepDirectDrawCreate = 1,
    StepSetCooperativeLevel = 2,
    StepSetDisplayMode = 3,
    StepCreateSurface = 4,
    StepGetAttachedSurface = 5,
};

class ScreenDevice {
public:
    // Builds the device in its fixed order of steps (seed, log, window,
    // DirectDraw, mode, surfaces, palette). Never fails outward: a failing
    // step leaves its code in errorCode, an error entry in the log, and the
    // window destroyed. windowProcedure is the saver window's procedure.
    ScreenDevice(HINSTANCE instance, const char* title, int32_t width, int32_t height,
                 int32_t wantBackBuffer, int32_t bitsPerPixel, WNDPROC windowProcedure);
    ~ScreenDevice() = default;
    ScreenDevice(const ScreenDevice&) = delete;
    ScreenDevice& operator=(const ScreenDevice&) = delete;

    // Flips the chain; false when the frame was lost (surface lost, restored).
    bool Present();
    // All 256 working entries to the palette; nothing when there is none.
    void UploadPalette();
    // Restores the mode and releases surfaces, palette and DirectDraw; the
    // second call finds nothing to do.
    void ReleaseDisplay();
    // Writes the back buffer and the working palette as an 8-bit bitmap
    // directory\fileName (capture.cpp).
    void SaveBitmap(const char* directory, const char* fileName);

    HINSTANCE instance = nullptr;
    char title[256] = {};
    HWND window = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    int32_t wantBackBuffer = 0;
    int32_t ready = 0;
    int32_t errorCode = 0;
    std::time_t startTime = 0;
    IDirectDraw* directDraw = nullptr;
    IDirectDrawSurface* primary = nullptr;
    IDirectDrawSurface* backBuffer = nullptr;
    IDirectDrawPalette* palette = nullptr;
    uint8_t* paletteEntries = nullptr;  // 256 entries of red, green, blue, flags
    FrameSurface* front = nullptr;
    FrameSurface* back = nullptr;

private:
    void CreateFullScreenWindow(WNDPROC windowProcedure);
    void CreateInitialPalette();
};

// The run's one device, for the parts that reach it without a window.
extern ScreenDevice* RunDevice;
