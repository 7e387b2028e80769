// RenderFrame: one frame of the animation, in the order that keeps the random
// draws and the shown palette exact.
#include "saver/engine/render.h"

#include <cstdint>
#include <cstdio>

#include "saver/engine/cycle.h"
#include "saver/engine/engine.h"
#include "saver/engine/fpu_precision.h"
#include "saver/engine/frame_state.h"
#include "saver/engine/pixels.h"
#include "saver/engine/run_flags.h"
#include "saver/engine/wave_engine.h"
#include "saver/engine/waves.h"
#include "saver/settings/settings.h"

int32_t fpsFrames;
int32_t fpsValue;
uint32_t fpsTick;

void StartFrameRateWindow(uint32_t tick)
{
    fpsFrames = 0;
    fpsValue = 0;
    fpsTick = tick;
}

void BlendWaves()
{
    const int32_t length = WaveEngine.TableLength;
    for (Wave& wave : WaveEngine.waves) {
        const double w = static_cast<double>(wave.morphPos) / static_cast<double>(length);
        const double keep = 1.0 - w;
        for (int32_t i = 0; i < length; ++i) {
            double mixed = static_cast<double>(wave.startTable[i]) * keep
                           + static_cast<double>(wave.targetTable[i]) * w;
            wave.blendTable[i] = static_cast<int32_t>(mixed);
        }
    }
}

void AdvancePhases()
{
    for (Wave& wave : WaveEngine.waves)
        wave.phase += wave.phaseStep;
}

void AdvanceMorphs(int32_t waveCount)
{
    const int32_t length = WaveEngine.TableLength;
    for (int32_t k = waveCount; k >= 1; --k) {
        Wave& wave = WaveEngine.waves[k - 1];
        // Held below the 32-bit limit: a speed that would pass it still
        // completes the morph instead of wrapping negative and never ending.
        if (MorphSpeed > INT32_MAX - wave.morphPos)
            wave.morphPos = INT32_MAX;
        else
            wave.morphPos += MorphSpeed;
        if (wave.morphPos > length) {
            wave.morphPos = 0;
            GenerateWave(wave.startTable, wave.targetTable, length);
        }
    }
}

void FormatStatusLine(char* buffer, uint32_t size, bool showStats, int32_t framesPerSecond,
                      const char* songName)
{
    if (!showStats) {
        std::snprintf(buffer, size, "%s", "");
        return;
    }
    bool song = songName != nullptr;
    std::snprintf(buffer, size, "FPS: %d  %s%s", static_cast<int>(framesPerSecond),
                  song ? "SONG: " : "", song ? songName : "");
}

void RenderFrame()
{
    if (!Active)
        return;
    UseDoublePrecision();
    if (CaptureRequested) {
        Host->SaveCapture();
        CaptureRequested = 0;
    }
    const int32_t waveCount = UseCurves;
    int32_t pitch = 0;
    uint8_t* pixels = Host->LockBackBuffer(&pitch);
    // A back buffer that cannot be locked (the lock has logged why) leaves
    // this frame's picture, and the phases with it, where they were.
    if (pixels != nullptr) {
        BlendWaves();
        DrawWaves(pixels, pitch, DisplayWidth, DisplayHeight, waveCount);
        AdvancePhases();
        Host->UnlockBackBuffer();
    }
    CyclePalette(Host->PaletteEntries());
    AdvanceMorphs(waveCount);

    fpsFrames += 1;
    uint32_t tick = Host->TickCount();
    if (tick - fpsTick > 1000u) {
        fpsValue = fpsFrames;
        fpsFrames = 0;
        fpsTick = tick;
    }
    char text[2048];
    FormatStatusLine(text, sizeof text, ShowStats != 0, fpsValue, Host->CurrentSongName());
    Host->DrawStatusLine(text);
    Host->UploadPalette();
    Host->Present();
}
