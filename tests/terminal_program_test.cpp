// The real program in a pseudo-terminal without a display: it shows its screens in the
// terminal, takes keys from it and always gives it back as it was.
#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "display/backends/memory/memory_backend.h"
#include "display/backends/terminal/terminal_backend.h"
#include "display/backends/terminal/terminal_caps.h"
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

// What the program writes to give an xterm-256color terminal back.
std::string xtermGiveBack() {
    TerminalCapabilities capabilities;
    std::string why;
    loadTerminalCapabilities({"xterm-256color", "truecolor", false, "UTF-8"}, capabilities, why);
    return capabilities.giveBack;
}

// Whether `output` holds an SGR sequence that sets a colour (30 to 49, 90 to 107).
bool setsAColour(std::string_view output) {
    for (std::size_t at = output.find("\x1b["); at != std::string_view::npos;
         at = output.find("\x1b[", at + 2)) {
        const std::size_t final = output.find_first_not_of("0123456789;", at + 2);
        if (final == std::string_view::npos || output[final] != 'm') continue;
        int number = 0;
        for (std::size_t i = at + 2; i <= final; ++i) {
            if (output[i] >= '0' && output[i] <= '9') {
                number = number * 10 + (output[i] - '0');
                continue;
            }
            if ((number >= 30 && number <= 49) || (number >= 90 && number <= 107)) return true;
            number = 0;
        }
    }
    return false;
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
    // As terminfo numbers them: bright cyan, bright blue, bright red; black.
    EXPECT_EQ(t.cellAt(1, 1).foreground, "14");
    EXPECT_EQ(t.cellAt(5, 1).foreground, "12");
    EXPECT_EQ(t.cellAt(18, 1).foreground, "9");
    EXPECT_EQ(t.cellAt(30, 80).background, "0");
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
    EXPECT_TRUE(program.output.ends_with(xtermGiveBack()));
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
    program.terminal.feed(xtermGiveBack());
    program.signal(SIGCONT);
    ASSERT_TRUE(program.waitUntil([&program](const VtModel& t) {
        return t.alternateScreen && t.cursorHidden && !program.echoing();
    })) << screenOf(program);
    waitForMenu(program);
    program.type("3");
    EXPECT_TRUE(program.waitForText(28, 1, "? 3")) << screenOf(program);
}

// What the program writes follows the terminal: its terminfo entry, the locale's
// character set and NO_COLOR; a terminal that cannot place its cursor is left alone.
TEST(TerminalProgram, OutputFollowsTheTerminalTheLocaleAndNoColor) {
    using Characters = VtTerminal::Characters;
    struct Case {
        const char* name;
        PtyOptions options;
        bool colours;
        bool boldResult;
        std::string_view sketch; // row 10 from column 52: the octagon's top side
        std::vector<std::string> faults;
    };
    const Case shown[] = {
        {"xterm-256color", {}, true, false, "\u2816\u2812\u2812\u2812", {}},
        {"xterm-256color, 16 colours",
         {.trueColour = false},
         true,
         false,
         "\u2816\u2812\u2812\u2812",
         {}},
        // Eight colours: the bright ones are bold.
        {"Linux console",
         {.trueColour = false, .term = "linux", .characters = Characters::LinuxConsole},
         true,
         true,
         "----",
         {}},
        {"C locale", {.locale = "C", .characters = Characters::Ascii}, true, false, "----", {}},
        // Without colours the results stand out in bold.
        {"NO_COLOR", {.noColour = true}, false, true, "\u2816\u2812\u2812\u2812", {}},
    };
    for (const Case& c : shown) {
        SCOPED_TRACE(c.name);
        PtyProgram program(c.options);
        waitForMenu(program);
        const VtModel& t = program.terminal;
        EXPECT_EQ(t.rowText(7), "1.   Lichobeznik pravouhly");
        program.type("9\r100\r10\r");
        ASSERT_TRUE(program.waitForText(25, 51, "1238.47 mm")) << screenOf(program);
        EXPECT_EQ(textAt(t, 5, 53, 18), "512.9911  362.7395");
        EXPECT_EQ(textAt(t, 10, 52, 4), c.sketch) << screenOf(program);
        if (c.sketch == "----") {
            EXPECT_EQ(textAt(t, 11, 49, 3), "-/'");  // the upper left corner
            EXPECT_EQ(textAt(t, 11, 63, 3), "'\\."); // the upper right corner
            EXPECT_EQ(textAt(t, 16, 44, 1), "|");    // the left side
        }
        EXPECT_EQ(setsAColour(program.output), c.colours);
        EXPECT_EQ(t.cellAt(25, 51).bold, c.boldResult);
        EXPECT_EQ(t.faults, c.faults) << screenOf(program);
    }
    const char* const cannotPlaceTheCursor[] = {"dumb", nullptr, "tablox-unknown"};
    for (const char* term : cannotPlaceTheCursor) {
        SCOPED_TRACE(term ? term : "TERM unset");
        PtyProgram program({.term = term});
        const auto status = program.waitForExit();
        ASSERT_TRUE(status.has_value());
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1);
        EXPECT_EQ(program.settings(), program.settingsBefore());
        const std::string_view line = "tablox: cannot open a window (SDL: ";
        const std::size_t start = program.output.find(line);
        ASSERT_NE(start, std::string::npos) << program.output;
        EXPECT_EQ(program.output.find('\n'), program.output.size() - 1) << program.output;
        EXPECT_TRUE(program.output.ends_with(
            ": run the program in a terminal emulator, or where a display is available\r\n"));
    }
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
