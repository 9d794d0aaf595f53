#include "display/show_when_idle.h"

bool ShowWhenIdle::shouldAsk(bool changed, bool pauses) {
    if (asked_ || !changed) return false;
    const auto now = std::chrono::steady_clock::now();
    if (!unshownSince_) unshownSince_ = now;
    if (!pauses && now - *unshownSince_ < kLongestUnshown) return false;
    asked_ = true;
    unshownSince_.reset();
    return true;
}
