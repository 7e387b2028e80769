// ScreenDevice: construction step by step, the flip, the palette upload and
// the teardown.
#include "saver/display/screen_device.h"

#include <cstdio>
#include <new>

#include "saver/display/ddraw_entry.h"
#include "saver/engine/palette.h"
#include "saver/engine/random.h"
#include "saver/shell/saver_log.h"

static_assert(sizeof(DDSURFACEDESC) == 108, "DirectDraw's first surface description");

ScreenDevice* RunDevice;

namespace {
constexpr int IconResource = 104;
// Retries of a flip that reports the chain still drawing. DDFLIP_WAIT makes
// a single retry the rule; the bound only keeps a broken driver from hanging
// the saver for ever (the frame is then dropped).
constexpr int StillDrawingRetries = 10000;
}  // namespace

ScreenDevice::ScreenDevice(HINSTANCE module, const char* name, int32_t modeWidth, int32_t modeHeight,
                           int32_t backBufferWanted, int32_t bits, WNDPROC windowProcedure)
{
    startTime = std::time(nullptr);
    SeedRandom(static_cast<uint32_t>(startTime));
    instance = module;
    width = modeWidth;
    height = modeHeight;
    bitsPerPixel = bits;
    wantBackBuffer = backBufferWanted;
    ErrorsLogged = 0;
    errorCode = 0;
    std::snprintf(title, sizeof title, "%s", name);
    StartSaverLog();
    ready = 0;

    // Each failing step throws its code; it is caught right here and never
    // leaves the constructor.
    try {
        CreateFullScreenWindow(windowProcedure);

        directDraw = nullptr;
        HRESULT result = DirectDrawCreateEntry(nullptr, &directDraw, nullptr);
        if (result != DD_OK) {
            directDraw = nullptr;  // nothing to release
            LogError("DirectDrawCreate() failed. Error: %d\n"
                     "   You may not have DirectDraw3 (or higher) installed correctly\n",
                     static_cast<int>(result));
            throw static_cast<int>(StepDirectDrawCreate);
        }
        result = directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
        if (result != DD_OK) {
            LogError("SetCooperativeLevel failed. Error: %d\nUnable to access full-screen mode.\n",
                     static_cast<int>(result));
            throw static_cast<int>(StepSetCooperativeLevel);
        }
        result = directDraw->SetDisplayMode(static_cast<DWORD>(width), static_cast<DWORD>(height),
                                            static_cast<DWORD>(bitsPerPixel));
        if (result != DD_OK) {
            LogError("SetDisplayMode failed. Error: 0x%x\n"
                     "   Your video driver does not support (%dx%d) resolution.\n"
                     "   Please choose a different screen resolution in the Settings dialog box.\n",
                     static_cast<unsigned>(result), static_cast<int>(width), static_cast<int>(height));
            throw static_cast<int>(StepSetDisplayMode);
        }

        DDSURFACEDESC desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
        desc.dwBackBufferCount = wantBackBuffer != 0 ? 1 : 0;
        desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
        primary = nullptr;
        result = directDraw->CreateSurface(&desc, &primary, nullptr);
        if (result != DD_OK) {
            primary = nullptr;
            LogError("CreateSurface failed. Error: %d\n", static_cast<int>(result));
            throw static_cast<int>(StepCreateSurface);
        }
        // A wrapper the heap cannot supply stays null: nothing is drawn
        // through it (the engine host and the capture check).
        front = new (std::nothrow) FrameSurface(primary);

        if (wantBackBuffer != 0) {
            DDSCAPS caps{};
            caps.dwCaps = DDSCAPS_BACKBUFFER;
            backBuffer = nullptr;
            result = primary->GetAttachedSurface(&caps, &backBuffer);
            if (result != DD_OK) {
                backBuffer = nullptr;
                LogError("GetAttachedSurface failed. Error: %d\n", static_cast<int>(result));
                throw static_cast<int>(StepGetAttachedSurface);
            }
            back = new (std::nothrow) FrameSurface(backBuffer);
        }

        if (bitsPerPixel == 8)
            CreateInitialPalette();
        else
            palette = nullptr;
        ready = 1;
    } catch (int step) {
        errorCode = step;
        // The window's destruction releases what was built and posts the quit.
        if (window != nullptr)
            DestroyWindow(window);
        window = nullptr;
    }
}

void ScreenDevice::CreateFullScreenWindow(WNDPROC windowProcedure)
{
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 4;  // the device pointer
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IconResource));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<const char*>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = title;
    RegisterClassA(&windowClass);

    // The size of the desktop as it is now, before the mode changes.
    window = CreateWindowExA(WS_EX_TOPMOST, title, title, WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                             GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return;  // DirectDraw then refuses the cooperative level: code 2
    ShowWindow(window, SW_SHOWMAXIMIZED);
    UpdateWindow(window);
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(this));
}

void ScreenDevice::CreateInitialPalette()
{
    palette = nullptr;
    paletteEntries = new (std::nothrow) uint8_t[PaletteBytes]();
    if (paletteEntries == nullptr) {
        // Without the working palette the engine has nothing to animate; the
        // run treats the device as failed (see the saver's engine host).
        LogError("Error creating palette: %d\n", static_cast<int>(E_OUTOFMEMORY));
        return;
    }
    MakeRandomPalette(paletteEntries);
    HRESULT result = directDraw->CreatePalette(DDPCAPS_8BIT, reinterpret_cast<PALETTEENTRY*>(paletteEntries),
                                               &palette, nullptr);
    if (palette == nullptr) {
        LogError("Error creating palette: %d\n", static_cast<int>(result));
        return;
    }
    if (primary->SetPalette(palette) != DD_OK)
        LogError("error setting palette\n");
}

bool ScreenDevice::Present()
{
    if (primary == nullptr)
        return false;
    for (int attempt = 0; attempt <= StillDrawingRetries; ++attempt) {
        HRESULT result = primary->Flip(nullptr, DDFLIP_WAIT);
        if (result == DD_OK)
            return true;
        if (result == DDERR_SURFACELOST) {
            primary->Restore();  // this frame is lost; the next one draws again
            return false;
        }
        if (result != DDERR_WASSTILLDRAWING)
            return false;
    }
    return false;
}

void ScreenDevice::UploadPalette()
{
    if (palette == nullptr || paletteEntries == nullptr)
        return;
    palette->SetEntries(0, 0, PaletteEntryCount, reinterpret_cast<PALETTEENTRY*>(paletteEntries));
}

void ScreenDevice::ReleaseDisplay()
{
    if (directDraw == nullptr)
        return;
    ready = 0;
    directDraw->RestoreDisplayMode();
    if (back != nullptr) {
        back->Release();
        delete back;
        back = nullptr;
    }
    if (front != nullptr) {
        front->Release();
        delete front;
        front = nullptr;
    }
    // The wrappers held the surfaces' references.
    primary = nullptr;
    backBuffer = nullptr;
    ReleaseAll(palette);
    palette = nullptr;
    delete[] paletteEntries;
    paletteEntries = nullptr;
    ReleaseAll(directDraw);
    directDraw = nullptr;
}
