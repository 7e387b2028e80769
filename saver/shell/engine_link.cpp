// ScreenEngineHost: what the engine asks of the run, done on the device.
#include "saver/shell/engine_link.h"

#include <ctime>

#include "saver/display/capture.h"
#include "saver/settings/registry.h"
#include "saver/settings/settings.h"
#include "saver/shell/music_link.h"

bool ScreenEngineHost::DeviceFailed()
{
    // A device without its working palette (the heap could not supply it)
    // counts as failed too: the engine would have nowhere to write colours.
    return device->errorCode != 0 || device->paletteEntries == nullptr;
}

uint8_t* ScreenEngineHost::PaletteEntries()
{
    return device->paletteEntries;
}

void ScreenEngineHost::UploadPalette()
{
    device->UploadPalette();
}

uint8_t* ScreenEngineHost::LockBackBuffer(int32_t* pitch)
{
    // A null result makes the engine skip this frame's pixels: nothing is
    // drawn through a missing pointer.
    if (device->back == nullptr)
        return nullptr;
    uint8_t* pixels = device->back->Lock();
    *pitch = device->back->pitch;
    return pixels;
}

void ScreenEngineHost::UnlockBackBuffer()
{
    if (device->back != nullptr)
        device->back->Unlock();
}

void ScreenEngineHost::DrawStatusLine(const char* text)
{
    FrameSurface* surface = device->back;
    if (surface == nullptr)
        return;
    surface->GetDC();  // on failure the text calls act on no context and draw nothing
    surface->SetBkMode(TRANSPARENT);
    surface->SetTextColor(RGB(255, 255, 255));
    surface->DrawText(1, 1, text);
    surface->ReleaseDC();
}

void ScreenEngineHost::Present()
{
    device->Present();
}

void ScreenEngineHost::SaveCapture()
{
    char directory[PathBufferSize];
    if (GetCaptureDirectory(directory))
        device->SaveBitmap(directory, CaptureFileName);
}

void ScreenEngineHost::StartFirstSong()
{
    ::StartFirstSong(device->window);
}

const char* ScreenEngineHost::CurrentSongName()
{
    return PlayingSongName();
}

void ScreenEngineHost::StoreLastSeed(uint32_t seed)
{
    LastSeed = seed;
    RegWriteInt(SettingsRoot, SettingsKey, "LastSeed", static_cast<int32_t>(seed));
}

uint32_t ScreenEngineHost::TickCount()
{
    return GetTickCount();
}

uint32_t ScreenEngineHost::CalendarSeconds()
{
    return static_cast<uint32_t>(std::time(nullptr));
}
