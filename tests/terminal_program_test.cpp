// The real program in a pseudo-terminal without a display: it shows its screens in the
// terminal, takes keys from it and always gives it back as it was.
#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "display/backends/memory_backend.h"
#include "display/backends/terminal_backend.h"
#include "display/backends/terminal_painter.h"
#include "tests/pty_program.h"

namespace {

constexpr std::string_view kMenuPrompt = "Zadec cislo a stiskni ENTER";
const std::string kColour9 = "85,85,255";
const std::string kColour11 = "85,255,255";
const std::string kColour12 = "255,85,85";

std::string screenOf(const PtyProgram& program) {
    std::string faults;
    for (const std::string& fault : program.terminal.faults)
        faults += fault + "\n";
    return program.terminal.text() + "faults:\n" + faults;
}

// Starts the program and waits for the menu.
void waitForMenu(PtyProgram& program) {
    ASSERT_TRUE(program.waitForText(27, 1, kMenuPrompt)) << screenOf(program);
}

void expectTerminalGivenBack(const PtyProgram& program) {
    EXPECT_EQ(program.settings(), program.settingsBefore());
    EXPECT_FALSE(program.terminal.alternateScreen);
    EXPECT_FALSE(program.terminal.cursorHidden);
}

TEST(TerminalProgram, MenuAppearsWithItsTextsInTheirColours) {
    PtyProgram program;
    waitForMenu(program);
    const VtModel& t = program.terminal;
    EXPECT_TRUE(t.alternateScreen);
    EXPECT_TRUE(t.cursorHidden);
    EXPECT_EQ(t.rowText(1),
              "TABLOX version 2.0                                (c) P. Hrubec 1998 - 2004");
    EXPECT_EQ(t.rowText(5), "M E N U");
    EXPECT_EQ(t.rowText(7), "1.   Lichobeznik pravouhly");
    EXPECT_EQ(t.rowText(18), "10.   KONEC");
    EXPECT_EQ(t.rowText(28), "?");
    EXPECT_EQ(t.cellAt(1, 1).foreground, kColour11);
    EXPECT_EQ(t.cellAt(3, 76).foreground, kColour11);
    EXPECT_EQ(t.cellAt(5, 1).foreground, kColour9);
    EXPECT_EQ(t.cellAt(16, 60).foreground, kColour9);
    EXPECT_EQ(t.cellAt(18, 7).foreground, kColour12);
    EXPECT_EQ(t.cellAt(27, 1).foreground, kColour11);
    EXPECT_EQ(t.cellAt(5, 1).background, "0,0,0");
    EXPECT_EQ(t.cellAt(30, 80).background, "0,0,0");
    EXPECT_TRUE(t.faults.empty()) << screenOf(program);
}

TEST(TerminalProgram, SixteenColourTerminalGetsTheBrightAnsiColours) {
    PtyProgram program({.trueColour = false});
    waitForMenu(program);
    const VtModel& t = program.terminal;
    EXPECT_EQ(t.cellAt(1, 1).foreground, "96");
    EXPECT_EQ(t.cellAt(5, 1).foreground, "94");
    EXPECT_EQ(t.cellAt(18, 1).foreground, "91");
    EXPECT_EQ(t.cellAt(30, 80).background, "40");
    EXPECT_EQ(program.output.find("38;2;"), std::string::npos);
    EXPECT_TRUE(t.faults.empty()) << screenOf(program);
}

TEST(TerminalProgram, TypedDigitIsEchoedForAFewBytes) {
    PtyProgram program;
    waitForMenu(program);
    const std::size_t before = program.output.size();
    program.type("7");
    ASSERT_TRUE(program.waitForText(28, 1, "? 7")) << screenOf(program);
    // In the colour the menu set last.
    EXPECT_EQ(program.terminal.cellAt(28, 3).foreground, kColour11);
    EXPECT_LT(program.output.size() - before, 100u);
    EXPECT_TRUE(program.terminal.faults.empty()) << screenOf(program);
}

TEST(TerminalProgram, KeysTypedAheadSurviveTheNextScreen) {
    PtyProgram program;
    waitForMenu(program);
    // The choice and the first value in one go: the second part arrives while the
    // sheet weight screen replaces the menu.
    program.type("4\r1000\r");
    ASSERT_TRUE(program.waitForText(5, 1, "VYPOCET HMOTNOSTI")) << screenOf(program);
    EXPECT_TRUE(program.waitForText(8, 1, "? 1000")) << screenOf(program);
    EXPECT_EQ(program.terminal.cellAt(5, 1).foreground, kColour11);
    // The menu's texts are gone from the rows the new screen leaves empty.
    EXPECT_EQ(program.terminal.rowText(18), "");
}

TEST(TerminalProgram, MenuItem10EndsAndGivesTheTerminalBack) {
    PtyProgram program;
    waitForMenu(program);
    program.type("10\r");
    const auto status = program.waitForExit();
    ASSERT_TRUE(status.has_value());
    ASSERT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 0);
    expectTerminalGivenBack(program);
    EXPECT_TRUE(program.output.ends_with(kGiveBackSequence));
}

TEST(TerminalProgram, CtrlCEndsAndGivesTheTerminalBack) {
    PtyProgram program;
    waitForMenu(program);
    program.type("\x03");
    const auto status = program.waitForExit();
    ASSERT_TRUE(status.has_value());
    ASSERT_TRUE(WIFSIGNALED(*status));
    EXPECT_EQ(WTERMSIG(*status), SIGINT);
    expectTerminalGivenBack(program);
}

TEST(TerminalProgram, EndSignalsGiveTheTerminalBackAndEndWithTheSignal) {
    for (int signal : {SIGTERM, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(strsignal(signal));
        PtyProgram program;
        waitForMenu(program);
        program.signal(signal);
        const auto status = program.waitForExit();
        ASSERT_TRUE(status.has_value());
        ASSERT_TRUE(WIFSIGNALED(*status));
        EXPECT_EQ(WTERMSIG(*status), signal);
        expectTerminalGivenBack(program);
    }
}

TEST(TerminalProgram, CrashSignalGivesTheTerminalBack) {
    for (int signal : {SIGSEGV, SIGABRT}) {
        SCOPED_TRACE(strsignal(signal));
        PtyProgram program;
        waitForMenu(program);
        program.signal(signal);
        const auto status = program.waitForExit();
        ASSERT_TRUE(status.has_value());
        // The sanitizer build reports the crash itself and exits with a failure status.
        EXPECT_TRUE(WIFSIGNALED(*status) || (WIFEXITED(*status) && WEXITSTATUS(*status) != 0));
        expectTerminalGivenBack(program);
    }
}

TEST(TerminalProgram, SmallTerminalShowsTheSizeNoticeUntilResized) {
    PtyProgram program({.columns = 70, .rows = 20});
    ASSERT_TRUE(program.waitUntil([](const VtModel& t) {
        return t.text().find("80 x 30") != std::string::npos &&
               t.text().find("70 x 20") != std::string::npos;
    })) << screenOf(program);
    EXPECT_EQ(program.terminal.text().find("M E N U"), std::string::npos);
    program.resize(80, 30);
    waitForMenu(program);
    EXPECT_EQ(program.terminal.rowText(5), "M E N U");
    EXPECT_EQ(program.terminal.text().find("80 x 30"), std::string::npos);
    // Still answering keys.
    program.type("5");
    EXPECT_TRUE(program.waitForText(28, 1, "? 5")) << screenOf(program);
    EXPECT_TRUE(program.terminal.faults.empty()) << screenOf(program);
}

TEST(TerminalProgram, ContinuedAfterAStopTakesTheTerminalAgain) {
    PtyProgram program;
    waitForMenu(program);
    program.signal(SIGSTOP);
    ASSERT_TRUE(program.waitForStop());
    // Meanwhile the shell puts its own settings back and uses the screen.
    program.setShellSettings();
    program.terminal.feed("\x1b[?1049l\x1b[?25h");
    program.signal(SIGCONT);
    ASSERT_TRUE(program.waitUntil([&program](const VtModel& t) {
        return t.alternateScreen && t.cursorHidden && !program.echoing();
    })) << screenOf(program);
    waitForMenu(program);
    program.type("3");
    EXPECT_TRUE(program.waitForText(28, 1, "? 3")) << screenOf(program);
}

TEST(TerminalProgram, WithoutDisplayOrTerminalTheProgramSaysSoAndEnds) {
    const std::string command =
        std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") + TABLOX_PROGRAM + " </dev/null 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;)
        output.push_back(static_cast<char>(ch));
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(output, "tablox: cannot open a window: no display, and standard input and output "
                      "are not both terminals\n");
}

TEST(TerminalChoice, BackEndsBeforeTheTerminalAreTriedUntilItIsChosen) {
    // This test process never shows a screen in a terminal.
    EXPECT_FALSE(terminalChosen());
    EXPECT_NE(unlessTerminalChosen<makeMemoryBackend>(), nullptr);
}

// These two need the line editor with its editing keys.
TEST(TerminalEditing, ArrowsAndDeleteEditTheLine) {
    PtyProgram program;
    waitForMenu(program);
    // "34", Left (xterm), Left (application mode), Delete: "4".
    program.type("34\x1b[D\x1bOD\x1b[3~");
    ASSERT_TRUE(program.waitForText(28, 1, "? 4 ")) << screenOf(program);
    // End (VT220), "1", Shift+Left, Shift+Delete: "4" again; then Enter chooses 4.
    program.type("\x1b[4~1\x1b[1;2D\x1b[3;2~\r");
    EXPECT_TRUE(program.waitForText(5, 1, "VYPOCET HMOTNOSTI")) << screenOf(program);
}

TEST(TerminalEditing, DeleteAtTheEndOfTheLineRingsTheBell) {
    PtyProgram program;
    waitForMenu(program);
    program.type("4\x1b[3~");
    EXPECT_TRUE(program.waitUntil([](const VtModel& t) { return t.bells == 1; }))
        << screenOf(program);
    EXPECT_EQ(textAt(program.terminal, 28, 1, 4), "? 4 ");
}

} // namespace
