// The beep, 1000 Hz for 250 ms, with Windows' Beep on a thread of its own: Beep returns
// only when the sound has ended, and neither the program nor the window may wait for it.
#pragma once
#include <condition_variable>
#include <mutex>
#include <thread>

class Win32Beeper {
  public:
    Win32Beeper() = default;
    Win32Beeper(const Win32Beeper&) = delete;
    Win32Beeper& operator=(const Win32Beeper&) = delete;
    ~Win32Beeper() { stop(); }

    // Any thread. Queues one beep after those still to sound (at most about a second
    // of them; a longer run of bells is cut short) and returns at once.
    void beep();
    // Drops the beeps still queued and ends the thread once the one sounding has ended.
    void stop();

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable queued_;
    int waiting_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};
