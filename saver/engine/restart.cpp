// Restart: seed, palettes, phases, morph positions, directions and new waves.
#include <cstring>

#include "saver/engine/engine.h"
#include "saver/engine/frame_state.h"
#include "saver/engine/fpu_precision.h"
#include "saver/engine/palette.h"
#include "saver/engine/random.h"
#include "saver/engine/restart.h"
#include "saver/engine/wave_engine.h"
#include "saver/engine/waves.h"
#include "saver/settings/settings.h"

int32_t MusicStarted;

void SetDirections(int32_t rotation)
{
    for (int k = 0; k < WaveCount; ++k) {
        int32_t entry = (rotation + k) % DirectionCount;
        WaveEngine.waves[k].dirX = DirectionX[entry];
        WaveEngine.waves[k].dirY = DirectionY[entry];
    }
}

int Restart()
{
    if (Host->DeviceFailed())
        return 0;
    UseDoublePrecision();
    if (!MusicStarted) {
        Host->StartFirstSong();
        MusicStarted = 1;
    }
    uint32_t seed = MainSeed != 0 ? MainSeed : Host->CalendarSeconds() % 32768u;
    SeedRandom(seed);
    Host->StoreLastSeed(seed);
    WaveEngine.CycleFrame = 0;

    uint8_t palette[PaletteBytes];
    MakeRandomPalette(palette);
    std::memcpy(WaveEngine.BasePalette, palette, sizeof palette);
    std::memcpy(Host->PaletteEntries(), palette, sizeof palette);
    MakeRandomPalette(palette);
    std::memcpy(WaveEngine.TargetPalette, palette, sizeof palette);
    Host->UploadPalette();

    const int32_t length = WaveEngine.TableLength;
    for (Wave& wave : WaveEngine.waves)
        wave.phase = static_cast<uint32_t>(DrawRandom() % length);
    for (Wave& wave : WaveEngine.waves)
        wave.morphPos = DrawRandom() % length;
    SetDirections(DrawRandom() % DirectionCount);
    RegenerateAllWaves();
    for (Wave& wave : WaveEngine.waves)
        wave.phaseStep = 1;
    return 1;
}
