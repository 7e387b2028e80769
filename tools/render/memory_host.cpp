// The engine's surroundings in memory.
#include "tools/render/memory_host.h"

#include <cstring>

MemoryHost::MemoryHost(int32_t width, int32_t height, int32_t pitch)
    : width(width), height(height), pitch(pitch),
      backBuffer(static_cast<size_t>(height) * static_cast<size_t>(pitch), 0)
{
}

void MemoryHost::UploadPalette()
{
    uploads += 1;
    std::memcpy(uploadedPalette, paletteEntries, sizeof uploadedPalette);
}

uint8_t* MemoryHost::LockBackBuffer(int32_t* lockedPitch)
{
    locks += 1;
    if (lockFails)
        return nullptr;
    locked = true;
    *lockedPitch = pitch;
    return backBuffer.data();
}

void MemoryHost::UnlockBackBuffer()
{
    unlocks += 1;
    locked = false;
}

void MemoryHost::DrawStatusLine(const char* text)
{
    statusLine = text;
}

void MemoryHost::StoreLastSeed(uint32_t seed)
{
    seedsStored += 1;
    lastSeed = seed;
}
