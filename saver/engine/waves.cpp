// Random wave shapes and colour ramps.
#include "saver/engine/waves.h"

#include <cstring>

#include "saver/engine/cosine.h"
#include "saver/engine/palette.h"
#include "saver/engine/random.h"
#include "saver/engine/wave_engine.h"
#include "saver/settings/settings.h"

void DisplaceMidpoints(int32_t* values, int32_t lo, int32_t hi, int32_t top)
{
    // The right half is a loop rather than a second recursion, so the depth
    // stays at log2 of the range.
    for (;;) {
        int32_t half = (hi - lo) / 2;
        if (half == 0)
            return;
        int32_t spread = half + half / 2;
        int32_t average = (values[lo] + values[hi]) / 2;
        int32_t r1 = DrawRandom() % spread;
        int32_t r2 = DrawRandom() % spread;
        int32_t v = average + r1 - r2;
        if (v > top)
            v = top;
        if (v < 0)
            v = 0;
        int32_t mid = lo + half;
        values[mid] = v;
        DisplaceMidpoints(values, lo, mid, 255);
        lo = mid;
        top = 255;
    }
}

void SetEndsAndDisplace(int32_t* values, int32_t lo, int32_t hi, int32_t loValue, int32_t hiValue)
{
    values[lo] = loValue;
    values[hi] = hiValue;
    DisplaceMidpoints(values, lo, hi, 255);
}

void NormaliseWave(int32_t* values, int32_t n, int32_t top)
{
    int32_t low = 1073741824;
    int32_t high = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (values[i] < low)
            low = values[i];
        if (values[i] > high)
            high = values[i];
    }
    if (high <= low) {
        // Nothing to stretch (and no scale to divide by).
        for (int32_t i = 0; i < n; ++i)
            values[i] = 0;
        return;
    }
    double scale = static_cast<double>(top - 1) / static_cast<double>(high - low);
    for (int32_t i = 0; i < n; ++i)
        values[i] = static_cast<int32_t>(static_cast<double>(values[i] - low) * scale);
}

void SmoothWave(int32_t* values, int32_t n)
{
    if (n <= 0)
        return;
    // In place: prev holds the original of the entry before i, first the
    // original of entry 0, which the last entry needs after it was rewritten.
    int32_t first = values[0];
    int32_t prev = values[n - 1];
    for (int32_t i = 0; i < n; ++i) {
        int32_t current = values[i];
        int32_t next = i + 1 < n ? values[i + 1] : first;
        values[i] = (prev + next + current) / 3;
        prev = current;
    }
}

namespace {

int32_t RoughTop()
{
    switch (ScreenClass) {
    case 0:
        return 200;
    case 1:
        return 250;
    default:
        return 300;
    }
}

void MakeRoughWave(int32_t* target, int32_t length)
{
    int32_t y0 = DrawRandom() % 255;
    int32_t y1 = DrawRandom() % 255;
    for (int32_t off = 128; off < length - 128; off += 128) {
        SetEndsAndDisplace(target, off, off + 128, y0, y1);
        y0 = y1;
        y1 = DrawRandom() % 255;  // the last one is drawn and not used
    }
    int32_t ends = DrawRandom() % 255;
    target[0] = ends;
    DisplaceMidpoints(target, 0, 128, 255);
    target[length - 1] = ends;
    DisplaceMidpoints(target, length - 128, length - 1, 255);
    NormaliseWave(target, length, RoughTop());
    SmoothWave(target, length);
}

// Frequency of a smooth wave: whole periods over the table, fewer where the
// display's width would make them crowd.
int32_t SmoothFrequency(int32_t width)
{
    int32_t choices;
    if (width <= 320)
        choices = 4;
    else if (width <= 400)
        choices = 3;
    else if (width <= 512)
        choices = 2;
    else if (width <= 640)
        choices = 4;
    else if (width <= 1024)
        choices = 3;
    else if (width <= 1280)
        choices = 4;
    else if (width <= 1600)
        choices = 3;
    else
        choices = 2;
    return DrawRandom() % choices + 1;
}

void MakeSmoothWave(int32_t* target, int32_t length)
{
    DrawRandom();  // made and discarded
    int32_t width = DisplayWidth;
    int32_t amplitude = width / 8;
    if (width / 8 != 0)
        amplitude += DrawRandom() % (width / 8);
    if (width / 32 != 0)
        amplitude += DrawRandom() % (width / 32);
    int32_t frequency = SmoothFrequency(width);
    const double a = static_cast<double>(amplitude);
    const double k = static_cast<double>(frequency);
    const double l = static_cast<double>(length);
    for (int32_t i = 0; i < length; ++i) {
        double x = static_cast<double>(i) / l * 6.283185307179586 * k;
        double raised = Cosine(x) + 1.0;
        if (raised < 0.0)
            raised = -raised;
        target[i] = static_cast<int32_t>(a * raised);
    }
}

}  // namespace

void GenerateWave(int32_t* start, int32_t* target, int32_t length)
{
    std::memcpy(start, target, static_cast<size_t>(length) * sizeof *target);
    int32_t t = DrawRandom() % 1000;
    if (t < Roughness)
        MakeRoughWave(target, length);
    else
        MakeSmoothWave(target, length);
}

void RegenerateAllWaves()
{
    for (int pass = 0; pass < 2; ++pass) {
        for (Wave& wave : WaveEngine.waves)
            GenerateWave(wave.startTable, wave.targetTable, WaveEngine.TableLength);
    }
}

void MakeRandomPalette(uint8_t* palette)
{
    int32_t ramps[3][256];
    for (auto& ramp : ramps) {
        int32_t first = DrawRandom() % 256;
        int32_t second = DrawRandom() % 256;
        int32_t peak = (first + second) / 2;
        SetEndsAndDisplace(ramp, 0, 127, 0, peak);
        SetEndsAndDisplace(ramp, 127, 255, peak, 0);
    }
    for (int i = 0; i < PaletteEntryCount; ++i) {
        palette[4 * i + 0] = static_cast<uint8_t>(ramps[0][i]);
        palette[4 * i + 1] = static_cast<uint8_t>(ramps[1][i]);
        palette[4 * i + 2] = static_cast<uint8_t>(ramps[2][i]);
        palette[4 * i + 3] = PaletteEntryFlags;
    }
}
