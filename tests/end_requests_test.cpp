// SIGINT, SIGTERM and SIGHUP while the program waits for a key: the orderly end.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "display/input_queue.h"
#include "platform/platform.h"
#include "tests/harness.h"

namespace {

void watchEndSignals() {
    platform::watchEndRequests([](int status) { input().requestEnd(status); });
}

// Watches the end signals for one test and puts everything back afterwards.
class EndSignals : public ::testing::Test {
  protected:
    void SetUp() override { watchEndSignals(); }
    void TearDown() override { platform::unwatchEndRequests(); }
};

// A signal is handed to the program from another thread: waits until it has been.
void awaitEndRequest() {
    for (int i = 0; i < 5000 && !input().endRequested(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST_F(EndSignals, SignalWhileWaitingEndsTheProgramAndClosesItsWindow) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        int typed = 0;
        const ProgramRun run = runProgram(keys("4\n12"), {}, [&] {
            ++typed;
            raise(signal); // arrives while the sheet weight waits for its second digit
            awaitEndRequest();
            return '3';
        });
        ASSERT_TRUE(run.exitStatus);
        EXPECT_EQ(*run.exitStatus, 128 + signal);
        EXPECT_TRUE(platform::endRequestNoted());
        EXPECT_EQ(typed, 1); // the key typed during the wait still arrived; no more
        EXPECT_EQ(run.windows.opened, 2);
        EXPECT_EQ(run.windows.closed, 2);
        platform::unwatchEndRequests();
        watchEndSignals();
    }
}

TEST_F(EndSignals, WithoutASignalNothingIsNoted) {
    const ProgramRun run = runProgram(keys("4\n1\n"));
    EXPECT_FALSE(run.exitStatus);
    EXPECT_FALSE(platform::endRequestNoted());
}

TEST(EndSignalHandling, UnwatchingPutsBackTheHandlingThatWasThere) {
    struct sigaction before {};
    sigaction(SIGTERM, nullptr, &before);
    watchEndSignals();
    struct sigaction watched {};
    sigaction(SIGTERM, nullptr, &watched);
    EXPECT_NE(watched.sa_handler, before.sa_handler);
    platform::unwatchEndRequests();
    struct sigaction after {};
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

TEST(EndSignalHandling, ASignalIgnoredAtStartStaysIgnored) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction before {};
    sigaction(SIGHUP, &ignore, &before);
    watchEndSignals();
    struct sigaction watched {};
    sigaction(SIGHUP, nullptr, &watched);
    EXPECT_EQ(watched.sa_handler, SIG_IGN);
    platform::unwatchEndRequests();
    sigaction(SIGHUP, &before, nullptr);
}

// In a child process, since these end the process that they run in.
int statusOfChild(void (*body)()) {
    const pid_t child = fork();
    if (child == 0) {
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

TEST(EndSignalHandling, ASecondSignalEndsAtOnce) {
    const int status = statusOfChild([] {
        watchEndSignals();
        raise(SIGTERM); // noted
        raise(SIGTERM); // ends the process
        _exit(3);
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
}

TEST(EndSignalHandling, FinishingTheRequestEndsWithThatSignal) {
    const int status = statusOfChild([] {
        watchEndSignals();
        raise(SIGHUP);
        platform::finishEndRequest();
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGHUP);
}

} // namespace
