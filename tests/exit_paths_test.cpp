// Every way out of the real program in a terminal: menu item 10, SIGTERM, SIGINT (also
// typed as Ctrl+C) and SIGHUP, each while the program waits for a key. The program ends
// as it should, the terminal is as it was, and in the sanitizer build nothing is
// reported: not at the end of a normal exit, and not at the end by a signal either,
// where the leak check runs before the signal ends the process.
#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/pty_program.h"

namespace {

constexpr std::string_view kMenuPrompt = "Zadec cislo a stiskni ENTER";

void expectCleanEnd(const PtyProgram& program) {
    EXPECT_EQ(program.settings(), program.settingsBefore());
    EXPECT_FALSE(program.terminal.alternateScreen);
    EXPECT_FALSE(program.terminal.cursorHidden);
    for (const char* report : {"Sanitizer", "runtime error", "leak"})
        EXPECT_EQ(program.output.find(report), std::string::npos) << program.output;
}

void expectEndedBy(const std::optional<int>& status, int signal) {
    ASSERT_TRUE(status.has_value());
    ASSERT_TRUE(WIFSIGNALED(*status)) << "exit status " << WEXITSTATUS(*status);
    EXPECT_EQ(WTERMSIG(*status), signal);
}

TEST(ExitPaths, MenuItem10) {
    PtyProgram program;
    ASSERT_TRUE(program.waitForText(27, 1, kMenuPrompt));
    program.type("10\r");
    const auto status = program.waitForExit();
    ASSERT_TRUE(status.has_value());
    ASSERT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 0);
    expectCleanEnd(program);
}

TEST(ExitPaths, EndSignalsAtTheMenuAndInACalculator) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        for (bool inCalculator : {false, true}) {
            SCOPED_TRACE(std::string(strsignal(signal)) + (inCalculator ? " in item 4" : ""));
            PtyProgram program;
            ASSERT_TRUE(program.waitForText(27, 1, kMenuPrompt));
            if (inCalculator) {
                program.type("4\r12");
                ASSERT_TRUE(program.waitForText(8, 1, "? 12"));
            }
            program.signal(signal);
            expectEndedBy(program.waitForExit(), signal);
            expectCleanEnd(program);
        }
    }
}

TEST(ExitPaths, CtrlCTyped) {
    PtyProgram program;
    ASSERT_TRUE(program.waitForText(27, 1, kMenuPrompt));
    program.type("7\x03");
    expectEndedBy(program.waitForExit(), SIGINT);
    expectCleanEnd(program);
}

} // namespace
