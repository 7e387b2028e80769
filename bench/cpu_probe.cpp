// The clock and load-port probes, in inline assembly so that the compiler
// can neither shorten the add chain nor merge the loads.
#include "bench/cpu_probe.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// 16 dependent adds per pass: the pass takes 16 cycles, the loop counter
// runs beside the chain.
void AddChain(uint32_t passes)
{
    uint32_t value = 0;
    for (uint32_t i = 0; i < passes; ++i) {
        __asm__ volatile(
            "add $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\t"
            "add $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\t"
            "add $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\t"
            "add $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\t"
            : "+r"(value));
    }
}

// 24 independent loads per pass from an L1-resident block.
void Loads(const uint32_t* block, uint32_t passes)
{
    for (uint32_t i = 0; i < passes; ++i) {
        __asm__ volatile(
            "movl 0(%0), %%eax\n\tmovl 4(%0), %%ecx\n\tmovl 8(%0), %%edx\n\t"
            "movl 12(%0), %%eax\n\tmovl 16(%0), %%ecx\n\tmovl 20(%0), %%edx\n\t"
            "movl 24(%0), %%eax\n\tmovl 28(%0), %%ecx\n\tmovl 32(%0), %%edx\n\t"
            "movl 36(%0), %%eax\n\tmovl 40(%0), %%ecx\n\tmovl 44(%0), %%edx\n\t"
            "movl 48(%0), %%eax\n\tmovl 52(%0), %%ecx\n\tmovl 56(%0), %%edx\n\t"
            "movl 60(%0), %%eax\n\tmovl 64(%0), %%ecx\n\tmovl 68(%0), %%edx\n\t"
            "movl 72(%0), %%eax\n\tmovl 76(%0), %%ecx\n\tmovl 80(%0), %%edx\n\t"
            "movl 84(%0), %%eax\n\tmovl 88(%0), %%ecx\n\tmovl 92(%0), %%edx\n\t"
            :
            : "r"(block)
            : "eax", "ecx", "edx", "memory");
    }
}

// The fastest of several timings of f(passes), in seconds.
template <typename F>
double Fastest(F f, uint32_t passes)
{
    double best = 1e30;
    for (int round = 0; round < 7; ++round) {
        auto start = std::chrono::steady_clock::now();
        f(passes);
        double seconds = SecondsSince(start);
        best = seconds < best ? seconds : best;
    }
    return best;
}

}  // namespace

double EstimateClockHz()
{
    const uint32_t passes = 4000000;
    double seconds = Fastest(AddChain, passes);
    return 16.0 * passes / seconds;
}

double MeasureLoadsPerCycle()
{
    // Each round times the add chain and the loads back to back and takes
    // their ratio, so that a change of clock between rounds cancels out. The
    // machine may be shared (another thread on the same core slows either
    // half of a round), so the median round is taken.
    static uint32_t block[32];
    const uint32_t passes = 1000000;
    std::vector<double> rounds;
    for (int round = 0; round < 25; ++round) {
        auto start = std::chrono::steady_clock::now();
        AddChain(passes);
        double addSeconds = SecondsSince(start);
        start = std::chrono::steady_clock::now();
        Loads(block, passes);
        double loadSeconds = SecondsSince(start);
        rounds.push_back((24.0 / 16.0) * addSeconds / loadSeconds);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}
