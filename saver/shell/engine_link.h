// The wave engine's view of the run: the EngineHost over the ScreenDevice,
// the music and the settings store.
#pragma once
#include "saver/display/screen_device.h"
#include "saver/engine/engine_host.h"

class ScreenEngineHost final : public EngineHost {
public:
    explicit ScreenEngineHost(ScreenDevice* screen) : device(screen) {}

    bool DeviceFailed() override;
    uint8_t* PaletteEntries() override;
    void UploadPalette() override;
    uint8_t* LockBackBuffer(int32_t* pitch) override;
    void UnlockBackBuffer() override;
    void DrawStatusLine(const char* text) override;
    void Present() override;
    void SaveCapture() override;
    void StartFirstSong() override;
    const char* CurrentSongName() override;
    void StoreLastSeed(uint32_t seed) override;
    uint32_t TickCount() override;
    uint32_t CalendarSeconds() override;

private:
    ScreenDevice* device;
};
