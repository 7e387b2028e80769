// The fast pixel loop. Once per frame each used wave's blend table is
// expanded into a flat array over exactly the sums that frame can reach
// (its phase, plus the direction's run across the screen, plus the range of
// the previous wave's values), with the absolute value, the mask and the
// previous wave's smallest value already applied. A link of the chain is
// then one load, p[previous], from a pointer that steps with the pixel; four
// pixels per pass make each pixel's step a constant displacement. The loops
// are specialised on the wave count and on the run of directions that the
// restart hands out (16 patterns), so the steps are constants too; other
// directions take the same loop with the steps read at run time. Tables
// whose values do not fit 16 bits, or directions beyond one step, go to the
// plain loop.
//
// Measured (bench/, a 3.2 GHz core retiring 3 independent loads per cycle,
// 1024 x 768): 1.40 ns or 4.4 cycles per pixel for 6 waves and 2.37 ns or
// 7.5 cycles for 9, against 35 and 67 cycles for the plain loop. Each link
// waits about 5 cycles for the one before it; the pipeline below keeps the
// processor from filling up with such waiting loads. Writing the four pixels
// wave by wave, keeping the pointers in registers by force, folding the pixel
// map into arithmetic or storing byte offsets instead of values all measured
// slower or no faster; so did stepping every pointer each pixel, which makes
// each look-up a plain base-plus-index load (4 cycles instead of 5) but takes
// registers the pipeline needs (15 to 25% slower). With the 32-bit build's eight registers the pipeline
// only adds spills, so there the chain stays whole; its specialisations are
// worth 1.7 times the generic loop.
#include <cstddef>
#include <new>
#include <utility>

#include "saver/engine/pixels.h"
#include "saver/engine/restart.h"
#include "saver/engine/wave_engine.h"

namespace {

using Entry = uint16_t;

// Entries of room before and after each expanded table: a pointer that has
// stepped past the last pixel of a row still points into the buffer.
constexpr int32_t Pad = 8;
constexpr int32_t Unroll = 4;

Entry* ExpandedStorage[WaveCount];
int32_t ExpandedWidth;
int32_t ExpandedHeight;

// One wave of this frame's chain. The entry for pixel (x, y) when the
// previous wave's value is v is
//   table[origin + dirX * x + dirY * y + (v - smallest value of the previous wave)]
// and holds this wave's value minus its own smallest value.
struct Link {
    const Entry* table;
    int32_t origin;
    int32_t dirX;
    int32_t dirY;
};

// The last wave's entries hold 2 v + (the smallest values of the two other
// colour terms), modulo 1024, so that the colour sum is three terms, and
// ColourMap takes the sum modulo 1024 straight to the pixel: entry s is
// PixelMap[s / 4], since (sum / 4) mod 256 = (sum mod 1024) / 4.
struct Chain {
    Link links[WaveCount];
};

uint8_t ColourMap[1024];

// Smallest and largest value of one blend table.
void ValueRange(const int32_t* table, int32_t length, int32_t* low, int32_t* high)
{
    int32_t lo = table[0];
    int32_t hi = table[0];
    for (int32_t i = 1; i < length; ++i) {
        lo = table[i] < lo ? table[i] : lo;
        hi = table[i] > hi ? table[i] : hi;
    }
    *low = lo;
    *high = hi;
}

int32_t Magnitude(int32_t step)
{
    return step < 0 ? -step : step;
}

// Expands waves 1..n for a width x height frame; false when the frame needs
// the plain loop.
bool Expand(int32_t n, int32_t width, int32_t height, Chain* chain)
{
    if (width > ExpandedWidth || height > ExpandedHeight)
        return false;
    const int32_t length = WaveEngine.TableLength;
    const uint32_t mask = static_cast<uint32_t>(length) - 1u;
    int32_t low[WaveCount];
    int32_t high[WaveCount];
    for (int32_t k = 0; k < n; ++k) {
        const Wave& wave = WaveEngine.waves[k];
        if (Magnitude(wave.dirX) > 1 || Magnitude(wave.dirY) > 1)
            return false;
        ValueRange(wave.blendTable, length, &low[k], &high[k]);
        if (low[k] < 0 || high[k] > 65535)
            return false;
    }
    for (int32_t k = 0; k < n; ++k) {
        const Wave& wave = WaveEngine.waves[k];
        const int32_t previousLow = k == 0 ? 0 : low[k - 1];
        const int32_t previousSpan = k == 0 ? 0 : high[k - 1] - low[k - 1];
        // The smallest reachable offsets from the phase across the frame.
        const int32_t xLow = wave.dirX < 0 ? -(width - 1) : 0;
        const int32_t yLow = wave.dirY < 0 ? -(height - 1) : 0;
        const int32_t span = Magnitude(wave.dirX) * (width - 1) + Magnitude(wave.dirY) * (height - 1) + previousSpan;
        // The smallest reachable sum, modulo 2^32 like the sums themselves.
        const uint32_t first = wave.phase + static_cast<uint32_t>(xLow + yLow + previousLow);
        Entry* expanded = ExpandedStorage[k] + Pad;
        if (k < n - 1) {
            for (int32_t t = 0; t <= span; ++t) {
                int32_t value = wave.blendTable[MirroredIndex(first + static_cast<uint32_t>(t), mask)];
                expanded[t] = static_cast<Entry>(value - low[k]);
            }
        } else {
            const ColourTerms terms = ColourTermsFor(n);
            const uint32_t bias = static_cast<uint32_t>(low[terms.a - 1] + low[terms.b - 1]);
            for (int32_t t = 0; t <= span; ++t) {
                uint32_t value = static_cast<uint32_t>(wave.blendTable[MirroredIndex(first + static_cast<uint32_t>(t), mask)]);
                expanded[t] = static_cast<Entry>((2u * value + bias) & 1023u);
            }
        }
        chain->links[k] = Link{expanded, -xLow - yLow, wave.dirX, wave.dirY};
    }
    for (uint32_t sum = 0; sum < 1024; ++sum)
        ColourMap[sum] = WaveEngine.PixelMap[sum >> 2];
    return true;
}

// The steps per pixel: constants for the restart's patterns, read from the
// chain otherwise (Rotation -1).
template <int Rotation>
struct Steps {
    explicit Steps(const Chain&) {}
    template <size_t K>
    static constexpr ptrdiff_t Of()
    {
        return DirectionX[(Rotation + static_cast<int>(K)) % DirectionCount];
    }
};
template <>
struct Steps<-1> {
    explicit Steps(const Chain& chain)
    {
        for (int k = 0; k < WaveCount; ++k)
            step[k] = chain.links[k].dirX;
    }
    template <size_t K>
    ptrdiff_t Of() const
    {
        return step[K];
    }
    ptrdiff_t step[WaveCount];
};

// The pointers of one row, one per wave, all in registers.
template <int N>
struct RowPointers {
    const Entry* p[N];
};

template <int N, int Rotation, size_t... K>
inline void Step(RowPointers<N>& row, const Steps<Rotation>& steps, ptrdiff_t pixels, std::index_sequence<K...>)
{
    ((row.p[K] += steps.template Of<K>() * pixels), ...);
}

// The chains of neighbouring pixels overlap in a pipeline of Depth stages,
// each a run of consecutive links: a pass makes the first stage's links for
// pixel x, the second stage's for pixel x - 1, and so on, each stage starting
// from the value and colour sum its pixel got from the stage before, one pass
// earlier. A stage's first look-up then waits for a load of the pass before,
// not of the same pass, so the processor does not fill up with loads that
// wait on each other; short of registers (nine waves), fewer stages carry
// fewer values.
#ifndef TARNOVELLE_PIPELINE_DEPTH
#if defined(__i386__)
#define TARNOVELLE_PIPELINE_DEPTH(n) 1
#else
#define TARNOVELLE_PIPELINE_DEPTH(n) ((n) - 1 < 5 ? (n) - 1 : 5)
#endif
#endif
template <int N>
constexpr int Depth = TARNOVELLE_PIPELINE_DEPTH(N);

template <int N>
struct Pipeline {
    uint32_t value[N];  // at a stage's last link: the link's value
    uint32_t sum[N];    // and the colour sum gathered so far
};

// One link of pixel (U - S) along from the pointers: the look-up, and the
// value added to the colour sum when it is one of the colour's terms. Values
// are 16-bit, so they index without a sign to extend.
template <int N, int Rotation, int U, int S, int K>
[[gnu::always_inline]] inline void Link(uint32_t& value, uint32_t& sum, const RowPointers<N>& row, const Steps<Rotation>& steps)
{
    constexpr ColourTerms terms = ColourTermsFor(N);
    value = (row.p[K] + steps.template Of<K>() * (U - S))[value];
    if constexpr (K + 1 == terms.a || K + 1 == terms.b || K + 1 == N)
        sum += value;
}

template <int N, int Rotation, int U, bool Store, int S, size_t... I>
[[gnu::always_inline]] inline void RunStage(Pipeline<N>& pipe, const RowPointers<N>& row, const Steps<Rotation>& steps, uint8_t* out,
                     std::index_sequence<I...>)
{
    constexpr int first = S * N / Depth<N>;
    constexpr int last = (S + 1) * N / Depth<N> - 1;
    uint32_t value = 0;
    uint32_t sum = 0;
    if constexpr (first > 0) {
        value = pipe.value[first - 1];
        sum = pipe.sum[first - 1];
    }
    (Link<N, Rotation, U, S, first + static_cast<int>(I)>(value, sum, row, steps), ...);
    if constexpr (last == N - 1) {
        if constexpr (Store)
            out[U - S] = ColourMap[sum & 1023u];
    } else {
        pipe.value[last] = value;
        pipe.sum[last] = sum;
    }
}

// One pixel's whole chain at displacement u along the row, then its colour:
// the loop where a pipeline would only spill (one stage).
template <int N, int Rotation, int U, size_t... K>
inline uint8_t Pixel(const RowPointers<N>& row, const Steps<Rotation>& steps, std::index_sequence<K...>)
{
    constexpr ColourTerms terms = ColourTermsFor(N);
    uint32_t v[N];
    uint32_t previous = 0;
    ((previous = v[K] = (row.p[K] + steps.template Of<K>() * U)[previous]), ...);
    return ColourMap[(v[terms.a - 1] + v[terms.b - 1] + v[N - 1]) & 1023u];
}

// One pass: the stages from the last to the first, so that each reads what
// the stage before it carried from the previous pass.
template <int N, int Rotation, int U, bool Store, size_t... J>
[[gnu::always_inline]] inline void Pass(Pipeline<N>& pipe, const RowPointers<N>& row, const Steps<Rotation>& steps, uint8_t* out,
                 std::index_sequence<J...>)
{
    constexpr int D = Depth<N>;
    (RunStage<N, Rotation, U, Store, D - 1 - static_cast<int>(J)>(
         pipe, row, steps, out,
         std::make_index_sequence<static_cast<size_t>((D - static_cast<int>(J)) * N / D
                                                      - (D - 1 - static_cast<int>(J)) * N / D)>{}),
     ...);
}

template <int N, int Rotation>
void DrawRows(const Chain& chain, uint8_t* pixels, int32_t pitch, int32_t width, int32_t height)
{
    using Waves = std::make_index_sequence<N>;
    using Stages = std::make_index_sequence<Depth<N>>;
    const Steps<Rotation> steps(chain);
    for (int32_t y = 0; y < height; ++y) {
        RowPointers<N> row;
        for (int k = 0; k < N; ++k)
            row.p[k] = chain.links[k].table + chain.links[k].origin + chain.links[k].dirY * y;
        if constexpr (Depth<N> == 1) {
            uint8_t* out = pixels + static_cast<ptrdiff_t>(y) * pitch;
            int32_t x = 0;
            for (; x + Unroll <= width; x += Unroll) {
                out[x + 0] = Pixel<N, Rotation, 0>(row, steps, Waves{});
                out[x + 1] = Pixel<N, Rotation, 1>(row, steps, Waves{});
                out[x + 2] = Pixel<N, Rotation, 2>(row, steps, Waves{});
                out[x + 3] = Pixel<N, Rotation, 3>(row, steps, Waves{});
                Step(row, steps, Unroll, Waves{});
            }
            for (; x < width; ++x) {
                out[x] = Pixel<N, Rotation, 0>(row, steps, Waves{});
                Step(row, steps, 1, Waves{});
            }
        } else {
            uint8_t* out = pixels + static_cast<ptrdiff_t>(y) * pitch;
            Pipeline<N> pipe{};
            // Fill the pipeline: the first Depth - 1 passes finish no pixel (the
            // stages behind look at pixels left of the row, which the expanded
            // tables' padding holds).
            for (int k = 0; k < Depth<N> - 1; ++k) {
                Pass<N, Rotation, 0, false>(pipe, row, steps, out, Stages{});
                Step(row, steps, 1, Waves{});
            }
            // Pass x finishes pixel x - Depth + 1: out points at pixel x.
            out += Depth<N> - 1;
            int32_t x = 0;
            for (; x + Unroll <= width; x += Unroll) {
                Pass<N, Rotation, 0, true>(pipe, row, steps, out + x, Stages{});
                Pass<N, Rotation, 1, true>(pipe, row, steps, out + x, Stages{});
                Pass<N, Rotation, 2, true>(pipe, row, steps, out + x, Stages{});
                Pass<N, Rotation, 3, true>(pipe, row, steps, out + x, Stages{});
                Step(row, steps, Unroll, Waves{});
            }
            for (; x < width; ++x) {
                Pass<N, Rotation, 0, true>(pipe, row, steps, out + x, Stages{});
                Step(row, steps, 1, Waves{});
            }
        }
    }
}

using RowsFunction = void (*)(const Chain&, uint8_t*, int32_t, int32_t, int32_t);

template <int N, size_t... R>
RowsFunction RotationRows(int rotation, std::index_sequence<R...>)
{
    static const RowsFunction table[] = {&DrawRows<N, static_cast<int>(R)>...};
    return table[rotation];
}

template <int N>
RowsFunction ChooseRows(const Chain& chain)
{
    for (int rotation = 0; rotation < DirectionCount; ++rotation) {
        bool matches = true;
        for (int k = 0; k < N && matches; ++k)
            matches = chain.links[k].dirX == DirectionX[(rotation + k) % DirectionCount];
        if (matches)
            return RotationRows<N>(rotation, std::make_index_sequence<DirectionCount>{});
    }
    return &DrawRows<N, -1>;
}

RowsFunction ChooseRowsFor(int32_t n, const Chain& chain)
{
    switch (n) {
    case 3:
        return ChooseRows<3>(chain);
    case 4:
        return ChooseRows<4>(chain);
    case 5:
        return ChooseRows<5>(chain);
    case 6:
        return ChooseRows<6>(chain);
    case 7:
        return ChooseRows<7>(chain);
    case 8:
        return ChooseRows<8>(chain);
    default:
        return ChooseRows<9>(chain);
    }
}

}  // namespace

bool AllocateExpandedTables(int32_t width, int32_t height)
{
    FreeExpandedTables();
    if (width <= 0 || height <= 0)
        return true;  // nothing to draw; every frame takes the plain loop
    // Room for a run across the frame and for any 16-bit range of values.
    const int32_t capacity = width + height + 65536;
    for (Entry*& storage : ExpandedStorage) {
        storage = new (std::nothrow) Entry[static_cast<size_t>(capacity) + 2 * Pad]();
        if (storage == nullptr) {
            FreeExpandedTables();
            return false;
        }
    }
    ExpandedWidth = width;
    ExpandedHeight = height;
    return true;
}

void FreeExpandedTables()
{
    for (Entry*& storage : ExpandedStorage) {
        delete[] storage;
        storage = nullptr;
    }
    ExpandedWidth = 0;
    ExpandedHeight = 0;
}

void DrawWaves(uint8_t* pixels, int32_t pitch, int32_t width, int32_t height, int32_t waveCount)
{
    const int32_t n = waveCount < 3 ? 3 : (waveCount > WaveCount ? WaveCount : waveCount);
    Chain chain;
    if (!Expand(n, width, height, &chain)) {
        DrawWavesPlain(pixels, pitch, width, height, n);
        return;
    }
    ChooseRowsFor(n, chain)(chain, pixels, pitch, width, height);
}
