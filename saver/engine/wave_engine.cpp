// The engine's state, the run's tables and the program around the engine.
#include "saver/engine/wave_engine.h"

#include <new>

#include "saver/engine/engine.h"
#include "saver/engine/frame_state.h"
#include "saver/engine/pixels.h"
#include "saver/settings/settings.h"

WaveEngineState WaveEngine;
EngineHost* Host;

int32_t TableLengthForClass(int32_t screenClass)
{
    switch (screenClass) {
    case 0:
        return 512;
    case 1:
        return 1024;
    default:
        return 2048;
    }
}

void SetEngineHost(EngineHost* host)
{
    Host = host;
}

namespace {

void FreeTable(int32_t*& table)
{
    delete[] table;
    table = nullptr;
}

int32_t* NewTable(int32_t length)
{
    // One entry more than is ever used, as the tables have always had.
    return new (std::nothrow) int32_t[static_cast<size_t>(length) + 1]();
}

}  // namespace

bool AllocateWaveTables()
{
    int32_t length = TableLengthForClass(ScreenClass);
    WaveEngine.TableLength = length;
    bool complete = true;
    for (Wave& wave : WaveEngine.waves)
        complete = (wave.blendTable = NewTable(length)) != nullptr && complete;
    for (Wave& wave : WaveEngine.waves)
        complete = (wave.startTable = NewTable(length)) != nullptr && complete;
    for (Wave& wave : WaveEngine.waves)
        complete = (wave.targetTable = NewTable(length)) != nullptr && complete;
    for (int i = 0; i < 256; ++i)
        WaveEngine.PixelMap[i] = static_cast<uint8_t>(i);
    WaveEngine.PixelMap[0] = 1;
    WaveEngine.PixelMap[255] = 254;
    complete = AllocateExpandedTables(DisplayWidth, DisplayHeight) && complete;
    if (!complete) {
        FreeWaveTables();
        return false;
    }
    StartFrameRateWindow(Host->TickCount());
    return true;
}

void FreeWaveTables()
{
    for (Wave& wave : WaveEngine.waves) {
        FreeTable(wave.blendTable);
        FreeTable(wave.startTable);
        FreeTable(wave.targetTable);
    }
    FreeExpandedTables();
}
