// Colour cycling: 0 none, 1 fade, 2 rotation, 3 fade and rotation.
#include "saver/engine/cycle.h"

#include "saver/engine/palette.h"
#include "saver/engine/wave_engine.h"
#include "saver/settings/settings.h"

namespace {

void CopyColours(uint8_t* to, const uint8_t* from)
{
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
}

// Every fade takes 256 frames; at its end the target becomes the base (the
// colours do not jump) and a new random target is drawn.
void StartNextFadeIfDue(uint32_t& frame)
{
    if (frame <= 255)
        return;
    WaveEngine.CycleFrame = 0;
    frame = 0;
    for (int i = 0; i < PaletteEntryCount; ++i)
        CopyColours(&WaveEngine.BasePalette[4 * i], &WaveEngine.TargetPalette[4 * i]);
    MakeRandomPalette(WaveEngine.TargetPalette);
}

}  // namespace

void CyclePalette(uint8_t* entries)
{
    uint32_t frame = ++WaveEngine.CycleFrame;
    const uint8_t* base = WaveEngine.BasePalette;
    const uint8_t* target = WaveEngine.TargetPalette;
    switch (ColorCycleMode) {
    case 2:
        for (uint32_t i = 0; i < PaletteEntryCount; ++i) {
            uint32_t j = (frame + i) & 255u;
            CopyColours(&entries[4 * i], &base[4 * j]);
            entries[4 * i + 3] = PaletteEntryFlags;
        }
        return;
    case 1:
    case 3: {
        StartNextFadeIfDue(frame);
        const double t = static_cast<double>(frame & 255u) * 0.00390625;
        const bool rotate = ColorCycleMode == 3;
        for (uint32_t i = 0; i < PaletteEntryCount; ++i) {
            uint32_t j = rotate ? (frame + i) & 255u : i;
            for (int c = 0; c < 3; ++c) {
                double b = base[4 * j + c];
                double g = target[4 * j + c];
                double mixed = b * (1.0 - t) + g * t;
                entries[4 * i + c] = static_cast<uint8_t>(static_cast<int32_t>(mixed));
            }
            entries[4 * i + 3] = PaletteEntryFlags;
        }
        return;
    }
    default:
        return;
    }
}
