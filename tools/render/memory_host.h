// The engine's surroundings in memory: a frame buffer for the back buffer, a
// palette that uploads by copying, a clock the caller sets, and counters of
// every call. The headless renderer draws through it; the tests watch it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "saver/engine/engine_host.h"
#include "saver/engine/palette.h"

class MemoryHost final : public EngineHost {
public:
    // A back buffer of width x height pixels whose rows are pitch bytes apart
    // (pitch >= width; the bytes beyond the width show what a frame touched).
    MemoryHost(int32_t width, int32_t height, int32_t pitch);

    bool DeviceFailed() override { return deviceFailed; }
    uint8_t* PaletteEntries() override { return paletteEntries; }
    void UploadPalette() override;
    uint8_t* LockBackBuffer(int32_t* pitch) override;
    void UnlockBackBuffer() override;
    void DrawStatusLine(const char* text) override;
    void Present() override { presents += 1; }
    void SaveCapture() override { captures += 1; }
    void StartFirstSong() override { firstSongs += 1; }
    const char* CurrentSongName() override { return songName; }
    void StoreLastSeed(uint32_t seed) override;
    uint32_t TickCount() override { return tick; }
    uint32_t CalendarSeconds() override { return calendarSeconds; }

    int32_t width;
    int32_t height;
    int32_t pitch;
    std::vector<uint8_t> backBuffer;          // height rows of pitch bytes
    uint8_t paletteEntries[PaletteBytes]{};   // the working palette
    uint8_t uploadedPalette[PaletteBytes]{};  // what the last upload showed

    // Set by the caller.
    bool deviceFailed = false;
    bool lockFails = false;
    const char* songName = nullptr;
    uint32_t tick = 0;
    uint32_t calendarSeconds = 0;

    // What the engine did.
    int uploads = 0;
    int locks = 0;
    int unlocks = 0;
    int presents = 0;
    int captures = 0;
    int firstSongs = 0;
    int seedsStored = 0;
    uint32_t lastSeed = 0;
    std::string statusLine;
    bool locked = false;
};
