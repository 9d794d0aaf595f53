#include "display/backends/sdl/beep_tone.h"

#include <algorithm>
#include <cmath>

std::vector<std::int16_t> beepTone(int sampleRate, int silenceMilliseconds) {
    const int tone = sampleRate * kBeepMilliseconds / 1000;
    const int fade = sampleRate / 200;
    std::vector<std::int16_t> samples(
        static_cast<std::size_t>(tone + sampleRate * silenceMilliseconds / 1000), 0);
    const double pi = std::acos(-1.0);
    for (int i = 0; i < tone; ++i) {
        const int edge = std::min(i, tone - i);
        const double gain = edge < fade ? static_cast<double>(edge) / fade : 1.0;
        const double wave = std::sin(2.0 * pi * kBeepHertz * i / sampleRate);
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::lround(9000.0 * gain * wave));
    }
    return samples;
}
