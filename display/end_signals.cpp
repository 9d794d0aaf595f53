#include "display/end_signals.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define TABLOX_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define TABLOX_LEAK_CHECK 1
#endif
#endif

namespace {

constexpr std::array<int, 3> kOrderlyEndSignals = {SIGINT, SIGTERM, SIGHUP};

// What the handler touches: a lock-free atomic and the wake-up's write().
std::atomic<int> noted{0};
static_assert(std::atomic<int>::is_always_lock_free);

const Wakeup& wakeup() {
    static const Wakeup w;
    return w;
}

struct Previous {
    struct sigaction action {};
    bool installed = false;
};
std::array<Previous, kOrderlyEndSignals.size()> previous;

void setDefault(int signal) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

extern "C" void noteEndSignal(int signal) {
    int none = 0;
    if (noted.compare_exchange_strong(none, signal)) {
        const int savedErrno = errno;
        wakeup().raise();
        errno = savedErrno;
        return;
    }
    // Already on the way out and signalled again: end now. Both calls are
    // async-signal-safe; the signal is delivered once this handler returns.
    setDefault(signal);
    raise(signal);
}

} // namespace

void watchEndSignals() {
    wakeup(); // made now, not first inside the handler
    for (std::size_t i = 0; i < kOrderlyEndSignals.size(); ++i) {
        Previous& p = previous[i];
        if (p.installed || sigaction(kOrderlyEndSignals[i], nullptr, &p.action) != 0) continue;
        if (p.action.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = noteEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        p.installed = sigaction(kOrderlyEndSignals[i], &action, nullptr) == 0;
    }
}

void unwatchEndSignals() {
    for (std::size_t i = 0; i < kOrderlyEndSignals.size(); ++i) {
        Previous& p = previous[i];
        if (p.installed) sigaction(kOrderlyEndSignals[i], &p.action, nullptr);
        p.installed = false;
    }
    noted.store(0);
    wakeup().drain();
}

int endSignalNoted() {
    return noted.load();
}

const Wakeup& endSignalWakeup() {
    return wakeup();
}

void endBySignal(int signal) {
#ifdef TABLOX_LEAK_CHECK
    // The leak check that the sanitizer build runs at a normal exit, which the signal
    // would otherwise skip; a leak ends the process with the sanitizer's report.
    __lsan_do_leak_check();
#endif
    setDefault(signal);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    raise(signal);
    std::_Exit(128 + signal); // not reached for the end signals, whose default ends the process
}
