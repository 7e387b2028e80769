// The pixel loops' speed in the 32-bit Windows build, run under Wine:
//   wine build/win32/bench/tarnovelle-timing.exe
// The same figures as the host benchmark: the fastest of several frames, per
// pixel, in ns and in cycles of the clock estimated in this run, beside the
// load-port bound measured in this run.
#include <chrono>
#include <cstdio>

#include "bench/cpu_probe.h"
#include "bench/pixel_cases.h"

namespace {

template <typename Work>
double FastestFrame(PixelBench& bench, Work work)
{
    double fastest = 1e30;
    double spent = 0;
    for (int round = 0; round < 200 && (round < 5 || spent < 0.5); ++round) {
        auto start = std::chrono::steady_clock::now();
        work(bench);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        spent += seconds;
        fastest = seconds < fastest ? seconds : fastest;
    }
    return fastest;
}

}  // namespace

int main()
{
    const double clockHz = EstimateClockHz();
    const double loads = MeasureLoadsPerCycle();
    std::printf("clock %.2f GHz, %.2f independent loads per cycle; load-port bound 3/6/9 waves: %.2f %.2f %.2f cycles/pixel\n",
                clockHz / 1e9, loads, 3 / loads, 6 / loads, 9 / loads);
    std::printf("%-6s %-10s %5s %12s %14s\n", "loop", "size", "waves", "ns/pixel", "cycles/pixel");
    const PixelCase sizes[] = {{640, 480, 0}, {1024, 768, 0}, {1600, 1200, 0}};
    for (const char* loop : {"plain", "fast"}) {
        for (PixelCase size : sizes) {
            for (int waves : {3, 6, 9}) {
                size.waves = waves;
                PixelBench bench(size);
                double seconds = loop[0] == 'p' ? FastestFrame(bench, [](PixelBench& b) { b.DrawPlain(); })
                                                : FastestFrame(bench, [](PixelBench& b) { b.DrawFast(); });
                double pixels = static_cast<double>(size.width) * size.height;
                std::printf("%-6s %4dx%-5d %5d %12.2f %14.2f\n", loop, size.width, size.height, waves,
                            seconds * 1e9 / pixels, seconds * clockHz / pixels);
            }
        }
    }
    return 0;
}
