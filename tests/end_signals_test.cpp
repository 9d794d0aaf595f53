// SIGINT, SIGTERM and SIGHUP while the program waits for a key: the orderly end.
#include "display/end_signals.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "tests/harness.h"

namespace {

// Watches the end signals for one test and puts everything back afterwards.
class EndSignals : public ::testing::Test {
  protected:
    void SetUp() override { watchEndSignals(); }
    void TearDown() override { unwatchEndSignals(); }
};

TEST_F(EndSignals, SignalWhileWaitingEndsTheProgramAndClosesItsWindow) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        int typed = 0;
        const ProgramRun run = runProgram(keys("4\n12"), {}, [&] {
            ++typed;
            raise(signal); // arrives while the sheet weight waits for its second digit
            return '3';
        });
        ASSERT_TRUE(run.exitStatus);
        EXPECT_EQ(*run.exitStatus, 128 + signal);
        EXPECT_EQ(endSignalNoted(), signal);
        EXPECT_EQ(typed, 1); // the key typed during the wait still arrived; no more
        EXPECT_EQ(run.windows.opened, 2);
        EXPECT_EQ(run.windows.closed, 2);
        unwatchEndSignals();
        watchEndSignals();
    }
}

TEST_F(EndSignals, WithoutASignalNothingIsNoted) {
    const ProgramRun run = runProgram(keys("4\n1\n"));
    EXPECT_FALSE(run.exitStatus);
    EXPECT_EQ(endSignalNoted(), 0);
}

TEST(EndSignalHandling, UnwatchingPutsBackTheHandlingThatWasThere) {
    struct sigaction before {};
    sigaction(SIGTERM, nullptr, &before);
    watchEndSignals();
    struct sigaction watched {};
    sigaction(SIGTERM, nullptr, &watched);
    EXPECT_NE(watched.sa_handler, before.sa_handler);
    unwatchEndSignals();
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
    unwatchEndSignals();
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

TEST(EndSignalHandling, EndBySignalEndsWithThatSignal) {
    const int status = statusOfChild([] {
        watchEndSignals();
        endBySignal(SIGHUP);
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGHUP);
}

} // namespace
