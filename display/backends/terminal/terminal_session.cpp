#include "display/backends/terminal/terminal_session.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "display/backend.h"
#include "display/backends/shared_session.h"
#include "display/backends/terminal/terminal_keys.h"
#include "display/backends/terminal/terminal_mode.h"
#include "display/backends/terminal/terminal_painter.h"
#include "platform/posix/wakeup.h"

namespace {

// Left to the other threads (see platform/posix/end_requests.cpp).
constexpr std::array<int, 6> kSignalsForTheProgramThread = {SIGINT,  SIGTERM,  SIGHUP,
                                                            SIGQUIT, SIGWINCH, SIGCONT};
constexpr int kInputFd = STDIN_FILENO;
constexpr int kOutputFd = STDOUT_FILENO;

// One thread serves the terminal: it sleeps in poll() until a key arrives, the program
// has changed rows or rung the bell, the terminal was resized or continued, or the
// session ends; it waits with a time limit only for the rest of an escape sequence.
class Session {
  public:
    explicit Session(TerminalCapabilities capabilities) : painter_(std::move(capabilities)) {}
    ~Session() { stop(); }
    bool start(std::string& why);
    void ringBell() {
        bells_.fetch_add(1);
        wake_.raise();
    }
    void showChanges() { wake_.raise(); }

  private:
    void stop();
    void run();
    void refresh();
    void takeChangedRows();
    bool readKeys(TerminalKeyDecoder& decoder, std::vector<int>& codes);

    TerminalPainter painter_;
    std::unique_ptr<Frame> frame_ = std::make_unique<Frame>(); // what the program showed last
    CellGrid wanted_{};
    bool sizeOk_ = true;
    bool sizeKnown_ = false;

    std::atomic<int> bells_{0};
    std::atomic<bool> stopping_{false};
    Wakeup wake_; // changed rows, a bell, or the end of the session
    std::thread thread_;
};

bool Session::start(std::string& why) {
    const TerminalCapabilities& caps = painter_.capabilities();
    if (!takeOverTerminal(kInputFd, kOutputFd, caps.takeOver, caps.giveBack, why)) return false;
    // The thread leaves the end signals, resizes and continues to the program's thread,
    // so a handler never interrupts one of its writes.
    sigset_t blocked, previous;
    sigemptyset(&blocked);
    for (int signal : kSignalsForTheProgramThread)
        sigaddset(&blocked, signal);
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);
    thread_ = std::thread(&Session::run, this);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return true;
}

void Session::stop() {
    if (!thread_.joinable()) return;
    stopping_.store(true);
    wake_.raise();
    thread_.join();
    giveBackTerminal();
}

void Session::run() {
    TerminalKeyDecoder decoder;
    std::vector<int> codes;
    bool inputOpen = true;
    refresh();
    for (;;) {
        // Asked here as well as after the wait: a stop whose wake-up a round has already
        // taken back (below, with the program's) would otherwise never end the wait.
        if (stopping_.load()) return;
        std::array<pollfd, 3> watched{{{inputOpen ? kInputFd : -1, POLLIN, 0},
                                       {wake_.fd(), POLLIN, 0},
                                       {terminalSignalWakeup().fd(), POLLIN, 0}}};
        const int timeout = decoder.pending() ? TerminalKeyDecoder::kEscapeWaitMilliseconds : -1;
        const int ready = poll(watched.data(), watched.size(), timeout);
        if (ready < 0 && errno != EINTR) return;
        if (stopping_.load()) return;
        if (ready == 0) decoder.timeout(codes);
        if (ready > 0 && watched[0].revents != 0) inputOpen = readKeys(decoder, codes);
        for (int code : codes)
            input().postKey(code);
        codes.clear();
        // Taken back before the refresh, so that a change made during it wakes again.
        const bool changed = watched[1].revents != 0 || watched[2].revents != 0;
        if (watched[1].revents != 0) wake_.drain();
        if (watched[2].revents != 0) terminalSignalWakeup().drain();
        if (changed) refresh();
    }
}

// Reads what the terminal has typed; false once it has gone.
bool Session::readKeys(TerminalKeyDecoder& decoder, std::vector<int>& codes) {
    std::array<char, 256> bytes{};
    const ssize_t count = read(kInputFd, bytes.data(), bytes.size());
    if (count > 0) {
        decoder.feed(std::string_view(bytes.data(), static_cast<std::size_t>(count)), codes);
        return true;
    }
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    // The terminal has gone (hung up): end as a hang-up would.
    kill(getpid(), SIGHUP);
    return false;
}

// Takes the frame the program has asked to show, if it has, and turns the text rows with
// changed pixel rows into the wanted cells.
void Session::takeChangedRows() {
    if (!takeFrame(*frame_)) return;
    for (int row = 1; row <= kTextRows; ++row) {
        const auto first = frame_->changedRows.begin() + (row - 1) * kCellHeight;
        if (std::find(first, first + kCellHeight, true) == first + kCellHeight) continue;
        for (int column = 1; column <= kTextColumns; ++column)
            gridCell(wanted_, row, column) = terminalCell(frame_->picture, row, column);
    }
}

void Session::refresh() {
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
    if (sizeOk_) painter_.paint(wanted_, frame_->picture.palette, out);
    for (int bells = bells_.exchange(0); bells > 0; --bells)
        painter_.bell(out);
    if (!out.empty() && !writeToTerminal(out)) painter_.invalidate();
}

struct Sessions {
    SharedSession<Session> shared;
    bool started = false;
};
Sessions& sessions() {
    // Never destroyed: the session may still run while static objects go at exit.
    static Sessions* s = new Sessions;
    return *s;
}

std::unique_ptr<Session> startSession(std::string& why) {
    if (!isatty(kInputFd) || !isatty(kOutputFd)) {
        why = "standard input and output are not both terminals";
        return nullptr;
    }
    TerminalCapabilities caps;
    if (!loadTerminalCapabilities(environmentOfThisProcess(), caps, why)) return nullptr;
    auto session = std::make_unique<Session>(std::move(caps));
    if (!session->start(why)) return nullptr;
    return session;
}

} // namespace

bool attachTerminalWindow(std::string& why) {
    Sessions& s = sessions();
    if (!s.shared.attach(startSession, why)) return false;
    s.started = true;
    return true;
}

void detachTerminalWindow() {
    sessions().shared.detach();
}

void ringTerminalBell() {
    if (Session* session = sessions().shared.get()) session->ringBell();
}

void showTerminalChanges() {
    if (Session* session = sessions().shared.get()) session->showChanges();
}

bool terminalSessionStarted() {
    return sessions().started;
}
