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

    // Queues `count` beeps one after another, opening the audio device for them.
    void play(int count);
    // How long the queued sound still plays, or -1 when the device is closed.
    int millisecondsLeft() const;
    // Closes the device once the queued sound has been played: an open device, even a
    // paused one, keeps SDL's audio thread waking.
    void settle();
    void shutDown();

  private:
    bool unavailable_ = false; // no audio device could be opened: beeps are skipped
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
};
