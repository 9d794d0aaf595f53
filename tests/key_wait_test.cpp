// Waiting costs nothing: the line editor sleeps until a key is written or an end signal
// arrives, and the window is asked once per burst of changes to show them, when the
// program waits.
#include <gtest/gtest.h>
#include <poll.h>

#include <csignal>
#include <thread>

#include "display/display.h"
#include "display/end_signals.h"
#include "display/screen.h"
#include "display/window_service.h"
#include "tests/harness.h"

namespace {

// A window whose keys come from another thread, as the real windows' do: it waits for
// keys as they do, and counts the requests to show changes.
struct ThreadedWindow final : WindowBackend {
    static inline int asked = 0;
    bool open(const std::string&, std::string&) override { return true; }
    void close() override {}
    void beep() override {}
    void showChanges() override { ++asked; }
};

class KeyWait : public ::testing::Test {
  protected:
    void SetUp() override {
        freshScreen();
        setWindowBackends({[]() -> std::unique_ptr<WindowBackend> {
            return std::make_unique<ThreadedWindow>();
        }});
        setScreenMode();
        display().keys.clear();
    }
    void TearDown() override { setWindowBackends({makeMemoryBackend}); }
};

bool raised(const Wakeup& wakeup) {
    pollfd watched{wakeup.fd(), POLLIN, 0};
    return poll(&watched, 1, 0) == 1;
}

TEST_F(KeyWait, AKeyWrittenByAnotherThreadEndsTheWait) {
    display().keys.write('6');
    EXPECT_TRUE(raised(display().keys.written()));
    windowAwaitKey();
    EXPECT_FALSE(raised(display().keys.written())); // so the next wait sleeps
    EXPECT_EQ(display().keys.take(), '6');
    std::thread window([] {
        std::lock_guard guard(display().lock);
        display().keys.write('7');
    });
    std::unique_lock guard(display().lock);
    while (!display().keys.waiting()) {
        guard.unlock();
        windowAwaitKey();
        guard.lock();
    }
    EXPECT_EQ(display().keys.take(), '7');
    guard.unlock();
    window.join();
}

TEST_F(KeyWait, AnEndSignalFromAnotherThreadEndsTheWaitAndTheProgram) {
    watchEndSignals();
    std::thread outside([] { kill(getpid(), SIGTERM); });
    int status = 0;
    try {
        for (;;)
            windowAwaitKey();
    } catch (const ProgramEnded& ended) {
        status = ended.status;
    }
    outside.join();
    EXPECT_EQ(status, 128 + SIGTERM);
    unwatchEndSignals();
}

TEST_F(KeyWait, TheWindowIsAskedOnceWhenTheProgramWaitsUntilItHasTakenTheChanges) {
    auto take = [] {
        std::lock_guard guard(display().lock);
        display().screen.rowChanged.fill(false);
        display().lock.taken();
    };
    auto awaitWrittenKey = [] {
        display().keys.write('1');
        windowAwaitKey();
        display().keys.take();
    };
    take();
    ThreadedWindow::asked = 0;
    printText("A", false);
    EXPECT_EQ(ThreadedWindow::asked, 0); // not yet waiting
    awaitWrittenKey();
    EXPECT_EQ(ThreadedWindow::asked, 1);
    drawLine(0, 0, 100, 100);
    awaitWrittenKey();
    EXPECT_EQ(ThreadedWindow::asked, 1); // not taken yet
    take();
    locate(5, 5); // no pixels: nothing to show
    awaitWrittenKey();
    EXPECT_EQ(ThreadedWindow::asked, 1);
    printText("C", true);
    awaitWrittenKey();
    EXPECT_EQ(ThreadedWindow::asked, 2);
}

} // namespace
