// The end signals SIGINT, SIGTERM and SIGHUP end the program the orderly way. The
// handler only notes the signal and raises a wake-up; a thread of this file's own wakes
// for it and hands the request to the program, whose wait for a key unwinds through
// endProgram, which closes the window; the entry point then ends the process by the
// signal itself, so that whoever started the program sees how it ended. A second signal
// before that ends the process at once.
//
// Three lists of signals, installed in this order:
// 1. kOrderlyEndSignals (here), by the entry point before anything else;
// 2. kTerminalGiveBackSignals (terminal_mode.cpp): the end signals again, with SIGQUIT
//    and the crash signals, when the terminal is taken over; each handler gives the
//    terminal back and then passes the signal on to the handler it replaced, so an end
//    signal still reaches the orderly end of 1;
// 3. kSignalsForTheProgramThread (terminal_session.cpp): blocked in the terminal's
//    thread, so that every handler above, and those of resizes and continues, runs on
//    another thread, never in the middle of one of the terminal thread's writes.
#include <pthread.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <thread>

#include "platform/platform.h"
#include "platform/posix/wakeup.h"

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

// Hands a noted signal to the program: sleeps in poll() until the handler raises the
// wake-up (or unwatchEndRequests stops it).
struct Messenger {
    std::thread thread;
    std::atomic<bool> stopping{false};
    void (*requestEnd)(int status) = nullptr;

    void start(void (*onEnd)(int)) {
        requestEnd = onEnd;
        stopping = false;
        // The signals go to the program's other threads, as they did before this one.
        sigset_t all, before;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, &before);
        thread = std::thread([this] {
            for (;;) {
                wakeup().awaitFor(-1);
                if (stopping.load()) return;
                if (const int signal = noted.load()) {
                    requestEnd(128 + signal);
                    return; // a second signal ends the process in the handler
                }
            }
        });
        pthread_sigmask(SIG_SETMASK, &before, nullptr);
    }
    void stop() {
        if (!thread.joinable()) return;
        stopping = true;
        wakeup().raise();
        thread.join();
    }
};
Messenger& messenger() {
    // Never destroyed: a signal may arrive while static objects go at exit.
    static Messenger* m = new Messenger;
    return *m;
}

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

namespace platform {

void watchEndRequests(void (*requestEnd)(int status)) {
    wakeup(); // made now, not first inside the handler
    messenger().stop();
    messenger().start(requestEnd);
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

void unwatchEndRequests() {
    for (std::size_t i = 0; i < kOrderlyEndSignals.size(); ++i) {
        Previous& p = previous[i];
        if (p.installed) sigaction(kOrderlyEndSignals[i], &p.action, nullptr);
        p.installed = false;
    }
    messenger().stop();
    noted.store(0);
    wakeup().drain();
}

bool endRequestNoted() {
    return noted.load() != 0;
}

void finishEndRequest() {
    const int signal = noted.load();
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

} // namespace platform
