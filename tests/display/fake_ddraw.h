// A fake DirectDraw for the Wine tests: the entry point, the DirectDraw
// object, the two surfaces of the flip chain and the palette, each call
// recorded and each result scripted, so every failure path can be driven.
#pragma once
#include <windows.h>
#include <ddraw.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace fake {

// Results the fake gives; DD_OK unless a test says otherwise.
struct Script {
    HRESULT create = DD_OK;
    HRESULT cooperativeLevel = DD_OK;
    HRESULT displayMode = DD_OK;
    HRESULT createSurface = DD_OK;
    HRESULT attachedSurface = DD_OK;
    HRESULT createPalette = DD_OK;  // on failure no palette is handed out
    HRESULT setPalette = DD_OK;
    HRESULT surfaceDescription = DD_OK;
    HRESULT lock = DD_OK;
    std::deque<HRESULT> flips;  // one per Flip call; DD_OK once used up
    int32_t surfaceWidth = 64;  // what GetSurfaceDesc reports and Lock gives
    int32_t surfaceHeight = 48;
    int32_t pitchExtra = 12;    // pitch = width + this
};

struct SurfaceRecord {
    LONG references = 0;
    int overReleases = 0;  // Release calls at 0 references: a fault
    int locks = 0;
    int unlocks = 0;
    int getDCs = 0;
    int releaseDCs = 0;
    int flips = 0;
    int restores = 0;
    DWORD flipFlags = 0;
    DWORD lockFlags = 0;
    IDirectDrawPalette* attachedPalette = nullptr;
    std::vector<uint8_t> pixels;  // pitch * height bytes
};

struct Record {
    int creates = 0;
    bool createGotNullGuidAndOuter = true;
    LONG directDrawReferences = 0;
    int directDrawOverReleases = 0;
    HWND cooperativeWindow = nullptr;
    DWORD cooperativeFlags = 0;
    int cooperativeCalls = 0;
    DWORD modeWidth = 0, modeHeight = 0, modeBits = 0;
    int modeCalls = 0;
    int restoreDisplayModeCalls = 0;
    DDSURFACEDESC createSurfaceDesc{};
    int createSurfaceCalls = 0;
    DWORD attachedCaps = 0;
    int attachedCalls = 0;
    DWORD paletteFlags = 0;
    std::vector<uint8_t> paletteCreatedWith;  // 1024 bytes
    int createPaletteCalls = 0;
    LONG paletteReferences = 0;
    int paletteOverReleases = 0;
    int setEntriesCalls = 0;
    DWORD setEntriesFlags = 99, setEntriesStart = 99, setEntriesCount = 0;
    std::vector<uint8_t> lastEntries;  // 1024 bytes of the last SetEntries
    SurfaceRecord primary;
    SurfaceRecord back;
};

extern Script script;
extern Record record;

// Called at the end of every Flip of the primary, with the count of flips so
// far; tests script a run's input from here.
extern std::function<void(int flip)> onFlip;
// Called when RestoreDisplayMode is made.
extern std::function<void()> onRestoreDisplayMode;

// Clears script, record and hooks, gives the surfaces width x height pixels
// and installs the fake as DirectDrawCreateEntry.
void Install(int32_t width = 64, int32_t height = 48);
// Puts the real DirectDrawCreate back.
void Uninstall();

// Byte (x, y) of the back buffer's memory.
uint8_t BackPixel(int32_t x, int32_t y);
int32_t Pitch();

}  // namespace fake
