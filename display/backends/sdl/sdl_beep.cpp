// A 1000 Hz sine tone of 250 ms queued on SDL's audio device.
#include "display/backends/sdl/sdl_beep.h"

#include <dlfcn.h>

#include <cstring>
#include <vector>

#include "display/backends/sdl/beep_tone.h"

namespace {

constexpr int kRate = 44100;

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// Where there is no sound card, ALSA's library, which SDL loads for its audio, prints its
// complaints on the standard error. The program prints nothing, so they go nowhere.
void silenceAlsa() {
    const char* driver = SDL_GetCurrentAudioDriver();
    if (!driver || std::strcmp(driver, "alsa") != 0) return;
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD); // the copy SDL loaded
    if (!alsa) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (void* set = dlsym(alsa, "snd_lib_error_set_handler"))
        reinterpret_cast<SetHandler>(set)(ignoreAlsaMessage);
    dlclose(alsa);
}

} // namespace

void SdlBeeper::play(int count) {
    if (unavailable_) return;
    if (device_ == 0) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            unavailable_ = true;
            return;
        }
        silenceAlsa();
        SDL_AudioSpec want{};
        want.freq = kRate;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = 1024;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, 0);
        if (device_ == 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            unavailable_ = true;
            return;
        }
    }
    // Silence after the tone, so that pausing the drained device cuts no tone.
    static const std::vector<std::int16_t> samples = beepTone(kRate, 100);
    // A long run of bells queues at most about a second of sound.
    const auto bytes = static_cast<Uint32>(samples.size() * sizeof(Sint16));
    for (int i = 0; i < count && SDL_GetQueuedAudioSize(device_) < 3 * bytes; ++i)
        SDL_QueueAudio(device_, samples.data(), bytes);
    SDL_PauseAudioDevice(device_, 0);
}

int SdlBeeper::millisecondsLeft() const {
    if (device_ == 0) return -1;
    const Uint32 bytesPerSecond = static_cast<Uint32>(spec_.freq) * sizeof(Sint16) * spec_.channels;
    return static_cast<int>(SDL_GetQueuedAudioSize(device_) * 1000 / bytesPerSecond);
}

void SdlBeeper::settle() {
    if (device_ != 0 && SDL_GetQueuedAudioSize(device_) == 0) shutDown();
}

void SdlBeeper::shutDown() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        device_ = 0;
    }
}
