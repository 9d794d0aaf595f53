// A 1000 Hz sine tone of 250 ms queued on SDL's audio device.
#include "display/backends/sdl_beep.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kToneSamples = kRate / 4;   // 250 ms
constexpr int kTailSamples = kRate / 10;  // silence after, so that pausing cuts no tone
constexpr int kFadeSamples = kRate / 200; // 5 ms in and out, against clicks

std::vector<Sint16> tone() {
    std::vector<Sint16> samples(kToneSamples + kTailSamples, 0);
    const double pi = std::acos(-1.0);
    for (int i = 0; i < kToneSamples; ++i) {
        const int edge = i < kToneSamples - i ? i : kToneSamples - i;
        const double fade = edge < kFadeSamples ? static_cast<double>(edge) / kFadeSamples : 1.0;
        const double wave = std::sin(2.0 * pi * 1000.0 * i / kRate);
        samples[static_cast<std::size_t>(i)] =
            static_cast<Sint16>(std::lround(9000.0 * fade * wave));
    }
    return samples;
}

} // namespace

void SdlBeeper::play(int count) {
    if (!tried_) {
        tried_ = true;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
        SDL_AudioSpec want{};
        want.freq = kRate;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = 1024;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, 0);
        if (device_ == 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (device_ == 0) return;
    static const std::vector<Sint16> samples = tone();
    // A long run of bells queues at most about a second of sound.
    const auto bytes = static_cast<Uint32>(samples.size() * sizeof(Sint16));
    for (int i = 0; i < count && SDL_GetQueuedAudioSize(device_) < 3 * bytes; ++i)
        SDL_QueueAudio(device_, samples.data(), bytes);
    SDL_PauseAudioDevice(device_, 0);
    playing_ = true;
}

void SdlBeeper::settle() {
    if (playing_ && SDL_GetQueuedAudioSize(device_) == 0) {
        SDL_PauseAudioDevice(device_, 1);
        playing_ = false;
    }
}

void SdlBeeper::shutDown() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        device_ = 0;
    }
}
