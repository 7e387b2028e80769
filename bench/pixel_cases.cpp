// Setting the engine up for the benchmarks.
#include "bench/pixel_cases.h"

#include "saver/engine/engine.h"
#include "saver/engine/pixels.h"
#include "saver/engine/render.h"
#include "saver/engine/run_flags.h"
#include "saver/settings/settings.h"

PixelBench::PixelBench(const PixelCase& frame)
    : shape(frame), host(frame.width, frame.height, frame.width),
      frame(static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height))
{
    DisplayWidth = frame.width;
    DisplayHeight = frame.height;
    ScreenClass = ScreenClassForWidth(frame.width);
    MainSeed = 20261210;
    UseCurves = frame.waves;
    MorphSpeed = 2;
    Roughness = 300;
    ColorCycleMode = 3;
    SetEngineHost(&host);
    Active = 1;
    AllocateWaveTables();
    Restart();
    BlendWaves();
}

PixelBench::~PixelBench()
{
    FreeWaveTables();
    SetEngineHost(nullptr);
}

void PixelBench::DrawPlain()
{
    DrawWavesPlain(frame.data(), shape.width, shape.width, shape.height, shape.waves);
}

void PixelBench::DrawFast()
{
    DrawWaves(frame.data(), shape.width, shape.width, shape.height, shape.waves);
}

void PixelBench::Blend()
{
    BlendWaves();
}

void PixelBench::WholeFrame()
{
    RenderFrame();
}
