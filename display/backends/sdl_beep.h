// The beep, 1000 Hz for 250 ms, through SDL audio. Where no audio device can be opened
// the beep is silently skipped. Window thread only.
#pragma once
#include <SDL.h>

class SdlBeeper {
  public:
    SdlBeeper() = default;
    SdlBeeper(const SdlBeeper&) = delete;
    SdlBeeper& operator=(const SdlBeeper&) = delete;
    ~SdlBeeper() { shutDown(); }

    // Queues `count` beeps one after another; opens the audio device the first time.
    void play(int count);
    // Pauses the device once the queued sound has been played, so that a silent device
    // costs nothing.
    void settle();
    void shutDown();

  private:
    bool tried_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    bool playing_ = false;
};
