// What the wave engine needs from the program around it. The Windows saver
// implements it over its ScreenDevice, the music and the settings store; the
// headless renderer and the tests implement it in memory. The engine calls it
// from Restart and RenderFrame only, always on the one thread.
#pragma once
#include <cstdint>

class EngineHost {
public:
    // The display failed to start: Restart does nothing and returns 0.
    virtual bool DeviceFailed() = 0;
    // The working palette: 256 entries of red, green, blue, flags (1024 bytes).
    virtual uint8_t* PaletteEntries() = 0;
    // Hands all 256 working entries to the display.
    virtual void UploadPalette() = 0;
    // Locks the back buffer for 8-bit pixel access: the first pixel and the
    // bytes from one row to the next; null when the lock failed.
    virtual uint8_t* LockBackBuffer(int32_t* pitch) = 0;
    virtual void UnlockBackBuffer() = 0;
    // Draws the status line (possibly empty) in white on a transparent
    // background at (1, 1) of the unlocked back buffer.
    virtual void DrawStatusLine(const char* text) = 0;
    // Shows the back buffer (the flip).
    virtual void Present() = 0;
    // Saves the back buffer and the working palette as the capture bitmap.
    virtual void SaveCapture() = 0;
    // Starts the playlist's current song, if any; called by the first Restart only.
    virtual void StartFirstSong() = 0;
    // The file name of the song that plays, or null when there is none.
    virtual const char* CurrentSongName() = 0;
    // Stores the seed of the restart as the "LastSeed" setting.
    virtual void StoreLastSeed(uint32_t seed) = 0;
    // The system's millisecond tick count.
    virtual uint32_t TickCount() = 0;
    // The calendar time in whole seconds since 1970.
    virtual uint32_t CalendarSeconds() = 0;

protected:
    ~EngineHost() = default;
};
