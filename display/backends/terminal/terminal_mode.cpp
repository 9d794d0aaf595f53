#include "display/backends/terminal/terminal_mode.h"

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

// Signals after which the process ends; the terminal is given back first.
constexpr std::array<int, 10> kTerminalGiveBackSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                                                          SIGBUS, SIGFPE,  SIGILL, SIGABRT, SIGSYS};

// A sequence prepared for the signal handlers.
struct Prepared {
    std::array<char, 256> bytes{};
    std::size_t size = 0;
    bool set(std::string_view sequence) {
        if (sequence.size() > bytes.size()) return false;
        std::copy(sequence.begin(), sequence.end(), bytes.begin());
        size = sequence.size();
        return true;
    }
};

// Everything the signal handlers touch: plain data and lock-free atomics only.
struct Ownership {
    int inputFd = -1;
    int outputFd = -1;
    termios original{};
    termios raw{};
    Prepared takeOver, giveBack;
    std::atomic<bool> taken{false};   // the terminal is ours and must be given back
    std::atomic<bool> closing{false}; // being given back: no more writes
    std::atomic<bool> writing{false}; // a write of the back end is under way
    std::atomic<bool> resized{false};
    std::atomic<bool> continued{false};
    std::array<struct sigaction, NSIG> previous{};
    std::array<bool, NSIG> installed{};
};
Ownership ownership;

static_assert(std::atomic<bool>::is_always_lock_free);

// write() until everything is out or the terminal refuses; async-signal-safe.
bool writeAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Async-signal-safe: stops further writes, waits briefly for one under way, then writes
// the give-back sequence and restores the settings.
void giveBackNow() {
    if (!ownership.taken.exchange(false)) return;
    ownership.closing.store(true);
    for (int i = 0; i < 200 && ownership.writing.load(); ++i) {
        const timespec pause{0, 1000000};
        nanosleep(&pause, nullptr);
    }
    writeAll(ownership.outputFd, ownership.giveBack.bytes.data(), ownership.giveBack.size);
    tcsetattr(ownership.inputFd, TCSANOW, &ownership.original);
}

extern "C" void onEndSignal(int signal) {
    const int savedErrno = errno;
    giveBackNow();
    // Then the signal's own action (ending the process, or whoever handled it before),
    // so the exit status shows the signal.
    sigaction(signal, &ownership.previous[static_cast<std::size_t>(signal)], nullptr);
    // The signal is blocked while this handler runs: raise() leaves it pending and
    // returns, and it is delivered when the handler returns. A handler from before (the
    // orderly end's) returns too, and the interrupted code goes on: it must find errno
    // as it was, whatever giving the terminal back did to it.
    raise(signal);
    errno = savedErrno;
}

const Wakeup& signalWakeup() {
    static const Wakeup w;
    return w;
}

extern "C" void onResize(int) {
    const int savedErrno = errno;
    ownership.resized.store(true);
    signalWakeup().raise();
    errno = savedErrno;
}
extern "C" void onContinue(int) {
    const int savedErrno = errno;
    ownership.continued.store(true);
    signalWakeup().raise();
    errno = savedErrno;
}

void install(int signal, void (*handler)(int)) {
    const auto index = static_cast<std::size_t>(signal);
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (int end : kTerminalGiveBackSignals)
        sigaddset(&action.sa_mask, end);
    action.sa_flags = SA_RESTART | SA_ONSTACK;
    if (sigaction(signal, nullptr, &ownership.previous[index]) != 0) return;
    // A signal ignored when the program started (nohup) stays ignored.
    if (ownership.previous[index].sa_handler == SIG_IGN) return;
    if (sigaction(signal, &action, nullptr) == 0) ownership.installed[index] = true;
}

void uninstallAll() {
    for (int signal = 1; signal < NSIG; ++signal) {
        const auto index = static_cast<std::size_t>(signal);
        if (!ownership.installed[index]) continue;
        sigaction(signal, &ownership.previous[index], nullptr);
        ownership.installed[index] = false;
    }
}

void giveBackAtExit() {
    giveBackNow();
}

} // namespace

bool takeOverTerminal(int inputFd, int outputFd, std::string_view takeOver,
                      std::string_view giveBack, std::string& why) {
    if (ownership.taken.load()) return true;
    termios original{};
    if (tcgetattr(inputFd, &original) != 0) {
        why = std::string("cannot read the terminal settings: ") + std::strerror(errno);
        return false;
    }
    termios raw = original;
    raw.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | IEXTEN);
    raw.c_lflag |= ISIG;
    raw.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
    raw.c_cflag |= CS8;
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    raw.c_cc[VSUSP] = _POSIX_VDISABLE; // Ctrl+Z is the key code 26, not a stop

    if (!ownership.takeOver.set(takeOver) || !ownership.giveBack.set(giveBack)) {
        why = "the terminal's sequences for taking it over are too long";
        return false;
    }
    ownership.inputFd = inputFd;
    ownership.outputFd = outputFd;
    ownership.original = original;
    ownership.raw = raw;
    ownership.closing.store(false);
    ownership.resized.store(false);
    ownership.continued.store(false);
    signalWakeup(); // made before a handler can need it
    for (int signal : kTerminalGiveBackSignals)
        install(signal, onEndSignal);
    install(SIGWINCH, onResize);
    install(SIGCONT, onContinue);
    static const bool atExitRegistered = std::atexit(giveBackAtExit) == 0;
    (void)atExitRegistered;
    ownership.taken.store(true);

    if (tcsetattr(inputFd, TCSANOW, &raw) != 0) {
        why = std::string("cannot set the terminal to raw input: ") + std::strerror(errno);
        giveBackTerminal();
        return false;
    }
    if (!writeAll(outputFd, ownership.takeOver.bytes.data(), ownership.takeOver.size)) {
        why = std::string("cannot write to the terminal: ") + std::strerror(errno);
        giveBackTerminal();
        return false;
    }
    return true;
}

void giveBackTerminal() {
    giveBackNow();
    uninstallAll();
}

bool writeToTerminal(std::string_view bytes) {
    // Paired with giveBackNow: either it sees this write under way and waits for it, or
    // this write sees that the terminal is being given back and stays out.
    ownership.writing.store(true);
    if (ownership.closing.load()) {
        ownership.writing.store(false);
        return false;
    }
    const bool written = writeAll(ownership.outputFd, bytes.data(), bytes.size());
    ownership.writing.store(false);
    return written;
}

const Wakeup& terminalSignalWakeup() {
    return signalWakeup();
}

bool terminalResized() {
    return ownership.resized.exchange(false);
}

bool terminalContinued() {
    return ownership.continued.exchange(false);
}

void retakeTerminal() {
    if (!ownership.taken.load()) return;
    tcsetattr(ownership.inputFd, TCSANOW, &ownership.raw);
    writeToTerminal(std::string_view(ownership.takeOver.bytes.data(), ownership.takeOver.size));
}
