// The fake DirectDraw: scripted results, recorded calls, memory surfaces.
#include "tests/display/fake_ddraw.h"

#include <cstring>

#include "saver/display/ddraw_entry.h"

namespace fake {

Script script;
Record record;
std::function<void(int flip)> onFlip;
std::function<void()> onRestoreDisplayMode;

namespace {

constexpr HRESULT Unsupported = DDERR_UNSUPPORTED;

ULONG Drop(LONG& references, int& overReleases)
{
    if (references <= 0) {
        overReleases += 1;
        return 0;
    }
    return static_cast<ULONG>(--references);
}

class Palette final : public IDirectDrawPalette {
public:
    HRESULT WINAPI QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG WINAPI AddRef() override { return static_cast<ULONG>(++record.paletteReferences); }
    ULONG WINAPI Release() override { return Drop(record.paletteReferences, record.paletteOverReleases); }
    HRESULT WINAPI GetCaps(DWORD*) override { return Unsupported; }
    HRESULT WINAPI GetEntries(DWORD, DWORD, DWORD, PALETTEENTRY*) override { return Unsupported; }
    HRESULT WINAPI Initialize(IDirectDraw*, DWORD, PALETTEENTRY*) override { return Unsupported; }
    HRESULT WINAPI SetEntries(DWORD flags, DWORD start, DWORD count, PALETTEENTRY* entries) override
    {
        record.setEntriesCalls += 1;
        record.setEntriesFlags = flags;
        record.setEntriesStart = start;
        record.setEntriesCount = count;
        record.lastEntries.assign(reinterpret_cast<uint8_t*>(entries),
                                  reinterpret_cast<uint8_t*>(entries) + 4 * count);
        return DD_OK;
    }
};

class Surface final : public IDirectDrawSurface {
public:
    explicit Surface(bool isPrimary) : primary(isPrimary) {}
    SurfaceRecord& Rec() { return primary ? record.primary : record.back; }

    HRESULT WINAPI QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG WINAPI AddRef() override { return static_cast<ULONG>(++Rec().references); }
    ULONG WINAPI Release() override { return Drop(Rec().references, Rec().overReleases); }
    HRESULT WINAPI AddAttachedSurface(IDirectDrawSurface*) override { return Unsupported; }
    HRESULT WINAPI AddOverlayDirtyRect(RECT*) override { return Unsupported; }
    HRESULT WINAPI Blt(RECT*, IDirectDrawSurface*, RECT*, DWORD, DDBLTFX*) override { return Unsupported; }
    HRESULT WINAPI BltBatch(DDBLTBATCH*, DWORD, DWORD) override { return Unsupported; }
    HRESULT WINAPI BltFast(DWORD, DWORD, IDirectDrawSurface*, RECT*, DWORD) override { return Unsupported; }
    HRESULT WINAPI DeleteAttachedSurface(DWORD, IDirectDrawSurface*) override { return Unsupported; }
    HRESULT WINAPI EnumAttachedSurfaces(void*, LPDDENUMSURFACESCALLBACK) override { return Unsupported; }
    HRESULT WINAPI EnumOverlayZOrders(DWORD, void*, LPDDENUMSURFACESCALLBACK) override { return Unsupported; }
    HRESULT WINAPI Flip(IDirectDrawSurface* target, DWORD flags) override;
    HRESULT WINAPI GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** surface) override;
    HRESULT WINAPI GetBltStatus(DWORD) override { return Unsupported; }
    HRESULT WINAPI GetCaps(DDSCAPS*) override { return Unsupported; }
    HRESULT WINAPI GetClipper(IDirectDrawClipper**) override { return Unsupported; }
    HRESULT WINAPI GetColorKey(DWORD, DDCOLORKEY*) override { return Unsupported; }
    HRESULT WINAPI GetDC(HDC* dc) override
    {
        Rec().getDCs += 1;
        *dc = CreateCompatibleDC(nullptr);
        return DD_OK;
    }
    HRESULT WINAPI GetFlipStatus(DWORD) override { return Unsupported; }
    HRESULT WINAPI GetOverlayPosition(LONG*, LONG*) override { return Unsupported; }
    HRESULT WINAPI GetPalette(IDirectDrawPalette**) override { return Unsupported; }
    HRESULT WINAPI GetPixelFormat(DDPIXELFORMAT*) override { return Unsupported; }
    HRESULT WINAPI GetSurfaceDesc(DDSURFACEDESC* desc) override
    {
        if (desc->dwSize != sizeof(DDSURFACEDESC))
            return DDERR_INVALIDPARAMS;
        if (script.surfaceDescription != DD_OK)
            return script.surfaceDescription;
        desc->dwWidth = static_cast<DWORD>(script.surfaceWidth);
        desc->dwHeight = static_cast<DWORD>(script.surfaceHeight);
        return DD_OK;
    }
    HRESULT WINAPI Initialize(IDirectDraw*, DDSURFACEDESC*) override { return Unsupported; }
    HRESULT WINAPI IsLost() override { return DD_OK; }
    HRESULT WINAPI Lock(RECT* rect, DDSURFACEDESC* desc, DWORD flags, HANDLE event) override
    {
        Rec().locks += 1;
        Rec().lockFlags = flags;
        if (rect != nullptr || event != nullptr || desc->dwSize != sizeof(DDSURFACEDESC))
            return DDERR_INVALIDPARAMS;
        if (script.lock != DD_OK)
            return script.lock;
        desc->lPitch = Pitch();
        desc->lpSurface = Rec().pixels.data();
        desc->dwWidth = static_cast<DWORD>(script.surfaceWidth);
        desc->dwHeight = static_cast<DWORD>(script.surfaceHeight);
        return DD_OK;
    }
    HRESULT WINAPI ReleaseDC(HDC dc) override
    {
        Rec().releaseDCs += 1;
        if (dc != nullptr)
            DeleteDC(dc);
        return DD_OK;
    }
    HRESULT WINAPI Restore() override
    {
        Rec().restores += 1;
        return DD_OK;
    }
    HRESULT WINAPI SetClipper(IDirectDrawClipper*) override { return Unsupported; }
    HRESULT WINAPI SetColorKey(DWORD, DDCOLORKEY*) override { return Unsupported; }
    HRESULT WINAPI SetOverlayPosition(LONG, LONG) override { return Unsupported; }
    HRESULT WINAPI SetPalette(IDirectDrawPalette* palette) override
    {
        Rec().attachedPalette = palette;
        return script.setPalette;
    }
    HRESULT WINAPI Unlock(void*) override
    {
        Rec().unlocks += 1;
        return DD_OK;
    }
    HRESULT WINAPI UpdateOverlay(RECT*, IDirectDrawSurface*, RECT*, DWORD, DDOVERLAYFX*) override
    {
        return Unsupported;
    }
    HRESULT WINAPI UpdateOverlayDisplay(DWORD) override { return Unsupported; }
    HRESULT WINAPI UpdateOverlayZOrder(DWORD, IDirectDrawSurface*) override { return Unsupported; }

private:
    bool primary;
};

Palette ThePalette;
Surface Primary(true);
Surface Back(false);

HRESULT WINAPI Surface::Flip(IDirectDrawSurface* target, DWORD flags)
{
    SurfaceRecord& rec = Rec();
    rec.flips += 1;
    rec.flipFlags = flags;
    HRESULT result = DD_OK;
    if (target != nullptr)
        result = DDERR_INVALIDPARAMS;
    else if (!script.flips.empty()) {
        result = script.flips.front();
        script.flips.pop_front();
    }
    if (onFlip)
        onFlip(rec.flips);
    return result;
}

HRESULT WINAPI Surface::GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** surface)
{
    record.attachedCalls += 1;
    record.attachedCaps = caps->dwCaps;
    if (script.attachedSurface != DD_OK)
        return script.attachedSurface;
    // The flip chain holds one reference, the caller gets another.
    record.back.references = 2;
    *surface = &Back;
    return DD_OK;
}

class DirectDraw final : public IDirectDraw {
public:
    HRESULT WINAPI QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG WINAPI AddRef() override { return static_cast<ULONG>(++record.directDrawReferences); }
    ULONG WINAPI Release() override { return Drop(record.directDrawReferences, record.directDrawOverReleases); }
    HRESULT WINAPI Compact() override { return Unsupported; }
    HRESULT WINAPI CreateClipper(DWORD, IDirectDrawClipper**, IUnknown*) override { return Unsupported; }
    HRESULT WINAPI CreatePalette(DWORD flags, PALETTEENTRY* entries, IDirectDrawPalette** palette,
                                 IUnknown* outer) override
    {
        record.createPaletteCalls += 1;
        record.paletteFlags = flags;
        record.paletteCreatedWith.assign(reinterpret_cast<uint8_t*>(entries),
                                         reinterpret_cast<uint8_t*>(entries) + 1024);
        if (outer != nullptr)
            return DDERR_INVALIDPARAMS;
        if (script.createPalette != DD_OK)
            return script.createPalette;
        record.paletteReferences = 1;
        *palette = &ThePalette;
        return DD_OK;
    }
    HRESULT WINAPI CreateSurface(DDSURFACEDESC* desc, IDirectDrawSurface** surface, IUnknown* outer) override
    {
        record.createSurfaceCalls += 1;
        record.createSurfaceDesc = *desc;
        if (outer != nullptr)
            return DDERR_INVALIDPARAMS;
        if (script.createSurface != DD_OK)
            return script.createSurface;
        record.primary.references = 1;
        *surface = &Primary;
        return DD_OK;
    }
    HRESULT WINAPI DuplicateSurface(IDirectDrawSurface*, IDirectDrawSurface**) override { return Unsupported; }
    HRESULT WINAPI EnumDisplayModes(DWORD, DDSURFACEDESC*, void*, LPDDENUMMODESCALLBACK) override
    {
        return Unsupported;
    }
    HRESULT WINAPI EnumSurfaces(DWORD, DDSURFACEDESC*, void*, LPDDENUMSURFACESCALLBACK) override
    {
        return Unsupported;
    }
    HRESULT WINAPI FlipToGDISurface() override { return Unsupported; }
    HRESULT WINAPI GetCaps(DDCAPS*, DDCAPS*) override { return Unsupported; }
    HRESULT WINAPI GetDisplayMode(DDSURFACEDESC*) override { return Unsupported; }
    HRESULT WINAPI GetFourCCCodes(DWORD*, DWORD*) override { return Unsupported; }
    HRESULT WINAPI GetGDISurface(IDirectDrawSurface**) override { return Unsupported; }
    HRESULT WINAPI GetMonitorFrequency(DWORD*) override { return Unsupported; }
    HRESULT WINAPI GetScanLine(DWORD*) override { return Unsupported; }
    HRESULT WINAPI GetVerticalBlankStatus(WINBOOL*) override { return Unsupported; }
    HRESULT WINAPI Initialize(GUID*) override { return Unsupported; }
    HRESULT WINAPI RestoreDisplayMode() override
    {
        record.restoreDisplayModeCalls += 1;
        if (onRestoreDisplayMode)
            onRestoreDisplayMode();
        return DD_OK;
    }
    HRESULT WINAPI SetCooperativeLevel(HWND window, DWORD flags) override
    {
        record.cooperativeCalls += 1;
        record.cooperativeWindow = window;
        record.cooperativeFlags = flags;
        return script.cooperativeLevel;
    }
    HRESULT WINAPI SetDisplayMode(DWORD width, DWORD height, DWORD bits) override
    {
        record.modeCalls += 1;
        record.modeWidth = width;
        record.modeHeight = height;
        record.modeBits = bits;
        return script.displayMode;
    }
    HRESULT WINAPI WaitForVerticalBlank(DWORD, HANDLE) override { return Unsupported; }
};

DirectDraw TheDirectDraw;

HRESULT WINAPI Create(GUID* driver, IDirectDraw** directDraw, IUnknown* outer)
{
    record.creates += 1;
    record.createGotNullGuidAndOuter = driver == nullptr && outer == nullptr;
    if (script.create != DD_OK)
        return script.create;
    record.directDrawReferences = 1;
    *directDraw = &TheDirectDraw;
    return DD_OK;
}

DirectDrawCreateFunction RealEntry;

}  // namespace

int32_t Pitch()
{
    return script.surfaceWidth + script.pitchExtra;
}

uint8_t BackPixel(int32_t x, int32_t y)
{
    return record.back.pixels[static_cast<size_t>(y) * static_cast<size_t>(Pitch()) + static_cast<size_t>(x)];
}

void Install(int32_t width, int32_t height)
{
    if (RealEntry == nullptr)
        RealEntry = DirectDrawCreateEntry;
    script = Script{};
    script.surfaceWidth = width;
    script.surfaceHeight = height;
    record = Record{};
    onFlip = nullptr;
    onRestoreDisplayMode = nullptr;
    size_t bytes = static_cast<size_t>(Pitch()) * static_cast<size_t>(script.surfaceHeight);
    record.primary.pixels.assign(bytes, 0);
    record.back.pixels.assign(bytes, 0);
    DirectDrawCreateEntry = Create;
}

void Uninstall()
{
    if (RealEntry != nullptr)
        DirectDrawCreateEntry = RealEntry;
    onFlip = nullptr;
    onRestoreDisplayMode = nullptr;
}

}  // namespace fake
