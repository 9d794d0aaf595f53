#include "display/backends/win32/win32_beep.h"

#include <windows.h>

#include "display/backends/win32/win32_system.h"

namespace {

constexpr DWORD kHertz = 1000;
constexpr DWORD kMilliseconds = 250;
constexpr int kMostWaiting = 4; // about a second of sound

} // namespace

void Win32Beeper::beep() {
    std::lock_guard lock(mutex_);
    if (!thread_.joinable()) {
        stopping_ = false;
        thread_ = std::thread(&Win32Beeper::run, this);
    }
    if (waiting_ < kMostWaiting) ++waiting_;
    queued_.notify_one();
}

void Win32Beeper::stop() {
    {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable()) return;
        stopping_ = true;
        waiting_ = 0;
    }
    queued_.notify_one();
    thread_.join();
}

void Win32Beeper::run() {
    nameThisThread(L"tablox beep");
    std::unique_lock lock(mutex_);
    for (;;) {
        queued_.wait(lock, [&] { return waiting_ > 0 || stopping_; });
        if (stopping_) return;
        --waiting_;
        lock.unlock();
        Beep(kHertz, kMilliseconds);
        lock.lock();
    }
}
