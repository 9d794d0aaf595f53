// The program's input: key codes posted by the back ends, and a request to end. The line
// editor takes keys from it and sleeps in it while none waits. It outlives every window,
// so keys typed ahead across a screen change are kept.
#pragma once
#include <array>
#include <condition_variable>
#include <mutex>
#include <optional>

class InputQueue {
  public:
    // Any thread, but not a signal handler. Adds a key code (see display/keys.h); with 15
    // codes waiting the oldest is dropped. Wakes a waiting program.
    void postKey(int code);
    // Any thread, but not a signal handler. Asks the program to end with exit status
    // `status` the next time it waits for a key (at once if it waits now); a later
    // request does not replace the first.
    void requestEnd(int status);

    // The program's thread. The oldest waiting key code, or 0 when none waits.
    int takeKey();
    bool keyWaiting() const;
    // The program's thread. The status of the end asked for, if one was.
    std::optional<int> endRequested() const;
    // The program's thread. Sleeps until a key waits or an end is requested (returns at
    // once when either already holds).
    void await();
    // Forgets the keys and the end request, as at the start of a run.
    void clear();

  private:
    mutable std::mutex mutex_;
    std::condition_variable posted_;
    std::array<int, 16> codes_{};
    int readPos_ = 0;
    int writePos_ = 0;
    std::optional<int> endStatus_;
};

// The one queue of the run.
InputQueue& input();
