// Google Benchmark of the pixel loops: ns and cycles per pixel for the plain
// loop and the fast one, 3, 6 and 9 waves at three display sizes, against the
// load-port bound measured in the same run; and the per-frame work beside
// the pixels (blend, whole frame).
//
//   build/host/bench/tarnovelle-bench
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/cpu_probe.h"
#include "bench/pixel_cases.h"

namespace {

double ClockHz()
{
    static const double hz = EstimateClockHz();
    return hz;
}

PixelCase CaseOf(const benchmark::State& state)
{
    return PixelCase{static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)),
                     static_cast<int32_t>(state.range(2))};
}

// Times every iteration of work on a bench for the state's case and reports
// the fastest one per pixel: the machine is shared, and the fastest pass is
// the one nothing else interrupted.
template <typename Work>
void TimePerPixel(benchmark::State& state, Work work)
{
    PixelBench bench(CaseOf(state));
    double fastest = 1e30;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        work(bench);
        benchmark::DoNotOptimize(bench.Pixels());
        benchmark::ClobberMemory();
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        fastest = seconds < fastest ? seconds : fastest;
    }
    double pixels = static_cast<double>(bench.shape.width) * bench.shape.height;
    state.counters["ns_per_pixel"] = fastest * 1e9 / pixels;
    state.counters["cycles_per_pixel"] = fastest * ClockHz() / pixels;
}

void Plain(benchmark::State& state)
{
    TimePerPixel(state, [](PixelBench& bench) { bench.DrawPlain(); });
}

void Fast(benchmark::State& state)
{
    TimePerPixel(state, [](PixelBench& bench) { bench.DrawFast(); });
}

void Blend(benchmark::State& state)
{
    TimePerPixel(state, [](PixelBench& bench) { bench.Blend(); });
}

void WholeFrame(benchmark::State& state)
{
    TimePerPixel(state, [](PixelBench& bench) { bench.WholeFrame(); });
}

void LoadPortBound(benchmark::State& state)
{
    double loads = 0;
    for (auto _ : state)
        loads = MeasureLoadsPerCycle();
    state.counters["clock_GHz"] = ClockHz() / 1e9;
    state.counters["loads_per_cycle"] = loads;
    state.counters["bound_3_waves"] = 3 / loads;
    state.counters["bound_6_waves"] = 6 / loads;
    state.counters["bound_9_waves"] = 9 / loads;
}

void Sizes(benchmark::internal::Benchmark* b)
{
    for (auto size : {std::pair{640, 480}, {1024, 768}, {1600, 1200}}) {
        for (int waves : {3, 6, 9})
            b->Args({size.first, size.second, waves});
    }
    b->ArgNames({"w", "h", "waves"});
}

}  // namespace

BENCHMARK(LoadPortBound)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Plain)->Apply(Sizes)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Fast)->Apply(Sizes)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Blend)->Args({1024, 768, 6})->Args({1600, 1200, 6})->ArgNames({"w", "h", "waves"})->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeFrame)->Args({1024, 768, 6})->Args({1600, 1200, 9})->ArgNames({"w", "h", "waves"})->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
