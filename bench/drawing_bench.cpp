// Drawing speed: the ring's two circles and a screenful of lines.
#include <benchmark/benchmark.h>

#include <memory>

#include "display/drawing.h"

namespace {

void ringCircles(benchmark::State& state) {
    auto screen = std::make_unique<Screen>();
    for (auto _ : state) {
        circleOnScreen(*screen, 450, 250, 100, 12);
        circleOnScreen(*screen, 450, 250, 20, 12);
        benchmark::DoNotOptimize(screen->pixels.data());
    }
}
BENCHMARK(ringCircles);

// A fan from the middle of the screen to every fourth pixel of its border: 560 lines of
// every slope, horizontal and vertical ones among them.
void screenfulOfLines(benchmark::State& state) {
    auto screen = std::make_unique<Screen>();
    std::int64_t lines = 0;
    for (auto _ : state) {
        for (int x = 0; x < kScreenWidth; x += 4) {
            lineOnScreen(*screen, 320, 240, static_cast<float>(x), 0, 11);
            lineOnScreen(*screen, 320, 240, static_cast<float>(x), kScreenHeight - 1, 11);
            lines += 2;
        }
        for (int y = 0; y < kScreenHeight; y += 4) {
            lineOnScreen(*screen, 320, 240, 0, static_cast<float>(y), 12);
            lineOnScreen(*screen, 320, 240, kScreenWidth - 1, static_cast<float>(y), 12);
            lines += 2;
        }
        benchmark::DoNotOptimize(screen->pixels.data());
    }
    state.SetItemsProcessed(lines);
}
BENCHMARK(screenfulOfLines);

} // namespace
