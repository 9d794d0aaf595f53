#include "display/backends/terminal_session.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "display/backends/terminal_keys.h"
#include "display/backends/terminal_mode.h"
#include "display/backends/terminal_painter.h"
#include "display/screen.h"

namespace {

constexpr auto kRefreshInterval = std::chrono::milliseconds(10);
constexpr int kInputFd = STDIN_FILENO;
constexpr int kOutputFd = STDOUT_FILENO;

class Session {
  public:
    explicit Session(TerminalCapabilities capabilities) : painter_(std::move(capabilities)) {}
    bool start(std::string& why);
    void stop();
    void ringBell() { bells_.fetch_add(1); }

  private:
    void refreshLoop();
    void refreshOnce();
    void takeChangedRows();
    void inputLoop();

    TerminalPainter painter_;
    std::unique_ptr<Screen> copy_ = std::make_unique<Screen>(); // rows taken from the screen
    CellGrid wanted_{};
    bool sizeOk_ = true;
    bool sizeKnown_ = false;

    std::atomic<int> bells_{0};
    std::mutex stopLock_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
    std::array<int, 2> wakePipe_{-1, -1}; // wakes the key reader when the session stops
    std::thread refresher_;
    std::thread reader_;
};

bool Session::start(std::string& why) {
    if (pipe(wakePipe_.data()) != 0) {
        why = std::string("cannot create a pipe: ") + std::strerror(errno);
        return false;
    }
    const TerminalCapabilities& caps = painter_.capabilities();
    if (!takeOverTerminal(kInputFd, kOutputFd, caps.takeOver, caps.giveBack, why)) {
        close(wakePipe_[0]);
        close(wakePipe_[1]);
        return false;
    }
    // The threads leave the end signals, resizes and continues to the program's thread,
    // so a handler never interrupts a write of the refresh thread.
    sigset_t blocked, previous;
    sigemptyset(&blocked);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGWINCH, SIGCONT})
        sigaddset(&blocked, signal);
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);
    refresher_ = std::thread(&Session::refreshLoop, this);
    reader_ = std::thread(&Session::inputLoop, this);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return true;
}

void Session::stop() {
    {
        std::lock_guard guard(stopLock_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    const char wake = 1;
    while (write(wakePipe_[1], &wake, 1) < 0 && errno == EINTR) {
    }
    refresher_.join();
    reader_.join();
    close(wakePipe_[0]);
    close(wakePipe_[1]);
    giveBackTerminal();
}

void Session::refreshLoop() {
    std::unique_lock guard(stopLock_);
    while (!stopSignal_.wait_for(guard, kRefreshInterval, [this] { return stopping_; })) {
        guard.unlock();
        refreshOnce();
        guard.lock();
    }
}

// Copies the text rows with changed pixel rows out of the screen (under the screen lock)
// and decodes them into the wanted cells.
void Session::takeChangedRows() {
    std::array<bool, kTextRows> changed{};
    {
        Display& d = display();
        std::lock_guard guard(d.lock);
        const Screen& screen = d.screen;
        copy_->palette = screen.palette;
        copy_->background = screen.background;
        for (int row = 0; row < kTextRows; ++row) {
            const int y0 = row * kCellHeight;
            for (int y = y0; y < y0 + kCellHeight; ++y)
                changed[static_cast<std::size_t>(row)] |=
                    screen.rowChanged[static_cast<std::size_t>(y)];
            if (!changed[static_cast<std::size_t>(row)]) continue;
            std::memcpy(copy_->rowPixels(y0), screen.rowPixels(y0),
                        static_cast<std::size_t>(kCellHeight) * kScreenWidth);
        }
        std::fill(d.screen.rowChanged.begin(), d.screen.rowChanged.end(), false);
    }
    for (int row = 1; row <= kTextRows; ++row) {
        if (!changed[static_cast<std::size_t>(row - 1)]) continue;
        for (int column = 1; column <= kTextColumns; ++column)
            gridCell(wanted_, row, column) = terminalCell(*copy_, row, column);
    }
}

void Session::refreshOnce() {
    std::string out;
    if (terminalContinued()) {
        retakeTerminal();
        sizeKnown_ = false;
    }
    if (terminalResized() || !sizeKnown_) {
        winsize size{};
        const bool known = ioctl(kOutputFd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0;
        const int columns = known ? size.ws_col : kTextColumns;
        const int rows = known ? size.ws_row : kTextRows;
        sizeOk_ = columns >= kTextColumns && rows >= kTextRows;
        sizeKnown_ = true;
        if (sizeOk_)
            painter_.invalidate();
        else
            painter_.sizeNotice(columns, rows, out);
    }
    takeChangedRows();
    if (sizeOk_) painter_.paint(wanted_, copy_->palette, out);
    for (int bells = bells_.exchange(0); bells > 0; --bells)
        painter_.bell(out);
    if (!out.empty() && !writeToTerminal(out)) painter_.invalidate();
}

void Session::inputLoop() {
    TerminalKeyDecoder decoder;
    std::vector<int> codes;
    std::array<char, 256> bytes{};
    for (;;) {
        std::array<pollfd, 2> watched{{{kInputFd, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}}};
        const int timeout = decoder.pending() ? TerminalKeyDecoder::kEscapeWaitMilliseconds : -1;
        const int ready = poll(watched.data(), watched.size(), timeout);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (watched[1].revents != 0) return;
        if (ready == 0) {
            decoder.timeout(codes);
        } else if (watched[0].revents != 0) {
            const ssize_t count = read(kInputFd, bytes.data(), bytes.size());
            if (count > 0) {
                decoder.feed(std::string_view(bytes.data(), static_cast<std::size_t>(count)),
                             codes);
            } else if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
                // The terminal has gone (hung up): end as a hang-up would.
                kill(getpid(), SIGHUP);
                return;
            }
        }
        if (codes.empty()) continue;
        std::lock_guard guard(display().lock);
        for (int code : codes)
            display().keys.write(code);
        codes.clear();
    }
}

struct Sessions {
    std::unique_ptr<Session> current;
    int windows = 0;
    bool started = false;
};
Sessions& sessions() {
    // Never destroyed: the session may still run while static objects go at exit.
    static Sessions* s = new Sessions;
    return *s;
}

} // namespace

bool attachTerminalWindow(std::string& why) {
    Sessions& s = sessions();
    if (!s.current) {
        if (!isatty(kInputFd) || !isatty(kOutputFd)) {
            why = "no display, and standard input and output are not both terminals";
            return false;
        }
        TerminalCapabilities caps;
        if (!loadTerminalCapabilities(environmentOfThisProcess(), caps, why)) return false;
        auto session = std::make_unique<Session>(std::move(caps));
        if (!session->start(why)) return false;
        s.current = std::move(session);
        s.started = true;
    }
    ++s.windows;
    return true;
}

void detachTerminalWindow() {
    Sessions& s = sessions();
    if (s.windows == 0 || --s.windows > 0) return;
    s.current->stop();
    s.current.reset();
}

void ringTerminalBell() {
    if (sessions().current) sessions().current->ringBell();
}

bool terminalSessionStarted() {
    return sessions().started;
}
