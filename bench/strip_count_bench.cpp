// Strip count speed: ordinary strips, counts no single can count to, and the widths
// whose running sum takes longest to stop growing.
#include <benchmark/benchmark.h>

#include "calculators/calculators.h"

namespace {

void stripCountOf(benchmark::State& state, float B, float count, float B1) {
    for (auto _ : state)
        benchmark::DoNotOptimize(stripCount(B, count, B1));
}

// Three pieces to a strip.
BENCHMARK_CAPTURE(stripCountOf, tenPieces, 300.0f, 10.0f, 1000.0f);
BENCHMARK_CAPTURE(stripCountOf, countOf1e30, 300.0f, 1e30f, 1000.0f);
// 10000 pieces to a strip, summed one by one once.
BENCHMARK_CAPTURE(stripCountOf, tenthsOnAWideSheet, 0.1f, 1e9f, 1000.0f);
// The running sum grows for 2^24 pieces before it stops, inside the sheet.
BENCHMARK_CAPTURE(stripCountOf, sumStopsAt2To24, 1.0f, 1e30f, 1e30f)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(stripCountOf, sumStopsThreeQuarters, 0.75f, 1e30f, 1e30f)
    ->Unit(benchmark::kMillisecond);

} // namespace
