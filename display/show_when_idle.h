// When the window is asked to show what the program has drawn: the show policy.
#pragma once
#include <chrono>
#include <optional>

// Asks the window to show the changed rows when the program has finished drawing for
// now: when it pauses, or at the end of an operation once a change has gone
// unshown for kLongestUnshown; not again until the window has taken them. So a screen
// drawn in one go reaches the window as one picture.
class ShowWhenIdle {
  public:
    static constexpr std::chrono::milliseconds kLongestUnshown{5};

    explicit ShowWhenIdle(void (*show)()) : show_(show) {}
    // The program's thread, under the lock: an operation has ended with `changed` rows
    // marked, or the program pauses (`pauses`: it is about to wait for a key or to beep).
    // True when the window is to be asked now: call ask() after releasing the lock.
    bool shouldAsk(bool changed, bool pauses);
    void ask() const { show_(); }
    // A new window opened, showing the cleared screen: the time the program waited for
    // it is not time that a change went unshown.
    void windowOpened() { unshownSince_.reset(); }
    // Under the lock: the window has taken the marked rows.
    void taken() {
        asked_ = false;
        unshownSince_.reset();
    }
    // Under the lock: whether the window was asked and has not taken the rows yet.
    bool asked() const { return asked_; }

  private:
    void (*show_)();
    bool asked_ = false;
    std::optional<std::chrono::steady_clock::time_point> unshownSince_;
};
