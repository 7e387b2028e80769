// What the engine tests share: an independent copy of the random generator to
// predict draws with, a draw counter, and a fixture that sets the settings,
// an in-memory host and the run's tables up and takes them down again.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "saver/engine/engine.h"
#include "saver/engine/random.h"
#include "saver/engine/run_flags.h"
#include "saver/engine/wave_engine.h"
#include "saver/settings/settings.h"
#include "tools/render/memory_host.h"

// The generator written out again from its definition, to predict the draws.
struct Lcg {
    uint32_t state;
    int32_t Next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int32_t>((state >> 16) & 0x7FFFu);
    }
    void Skip(int draws)
    {
        for (int i = 0; i < draws; ++i)
            Next();
    }
};

// How many draws lead from state `from` to state `to` (-1 beyond `limit`).
inline long DrawsBetween(uint32_t from, uint32_t to, long limit = 10000000)
{
    Lcg lcg{from};
    for (long n = 0; n <= limit; ++n) {
        if (lcg.state == to)
            return n;
        lcg.Next();
    }
    return -1;
}

// The settings of a run at width x height; everything else at its default.
inline void UseSettings(int32_t width, int32_t height)
{
    DisplayWidth = width;
    DisplayHeight = height;
    ScreenClass = ScreenClassForWidth(width);
    MainSeed = 0;
    MorphSpeed = 2;
    UseCurves = 6;
    Roughness = 0;
    ColorCycleMode = 3;
}

class EngineTest : public ::testing::Test {
protected:
    // A run at 320 x 200 (tables of 512) unless a test starts another one.
    void SetUp() override { StartRun(320, 200); }
    void TearDown() override { EndRun(); }

    void StartRun(int32_t width, int32_t height, int32_t pitch = 0)
    {
        EndRun();
        UseSettings(width, height);
        host = std::make_unique<MemoryHost>(width, height, pitch != 0 ? pitch : width);
        SetEngineHost(host.get());
        Active = 1;
        ShowStats = 0;
        CaptureRequested = 0;
        MusicStarted = 0;
        ASSERT_TRUE(AllocateWaveTables());
    }

    void EndRun()
    {
        if (host) {
            FreeWaveTables();
            SetEngineHost(nullptr);
            host.reset();
        }
    }

    std::unique_ptr<MemoryHost> host;
};

inline std::vector<int32_t> TableOf(const int32_t* table)
{
    return std::vector<int32_t>(table, table + WaveEngine.TableLength);
}
