// The number text form against the C library's "%.7g" on the same spread of singles.
#include <benchmark/benchmark.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "display/number_text.h"

namespace {

// Shop values (lengths, masses, counts with a few decimals) and singles from every
// exponent, both signs, half and half.
const std::vector<float>& spread() {
    static const std::vector<float> values = [] {
        std::mt19937 random(1998); // fixed generator start value: the same spread every run
        std::uniform_int_distribution<std::uint32_t> bits(1, 0x7F7FFFFFu);
        std::uniform_int_distribution<int> hundredths(0, 2500000);
        std::vector<float> v;
        for (int i = 0; i < 2048; ++i) {
            v.push_back(static_cast<float>(hundredths(random)) / 100.0f);
            const float any = std::bit_cast<float>(bits(random));
            v.push_back(i % 2 ? -any : any);
        }
        return v;
    }();
    return values;
}

void numberTextSpread(benchmark::State& state) {
    const auto& values = spread();
    for (auto _ : state)
        for (float v : values)
            benchmark::DoNotOptimize(numberText(v));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(numberTextSpread);

void snprintfG7Spread(benchmark::State& state) {
    const auto& values = spread();
    char text[32];
    for (auto _ : state)
        for (float v : values) {
            benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.7g", double{v}));
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(snprintfG7Spread);

} // namespace
