// The menu choice and its dispatch, the closing pauses and the credits screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/furniture/furniture.h"
#include "app/furniture/working_values.h"
#include "display/display.h"
#include "display/line_editor.h"
#include "tests/harness.h"

namespace {

// What a calculation shows while it waits for its first value: the banner title and
// the label of that value. Shared by the calculators still to be built and the real
// ones, so these tests stay as they are when a calculator lands.
struct FirstScreen {
    std::string_view title;
    Credit credit;
    int labelRow;
    std::string_view label; // printed from column 2
};
constexpr FirstScreen kTrapezoidLayout{"TABLOX version 2.0", Credit::Long, 5,
                                       "ZADEJTE SOURADNICI A"};
constexpr FirstScreen kStripCount{"TABLOX version 2.0", Credit::Long, 6, "Sirka tvaru B v mm"};
constexpr FirstScreen kStripPlan{"TABLOX version 1.8", Credit::Long, 6, "Delka tvaru A v mm"};
constexpr FirstScreen kSheetWeight{"TABLOX version 1.6", Credit::Short, 7,
                                   "Zadej delku tabule v mm"};
constexpr FirstScreen kEqualTrapezoids{"TABLOX version 2.0", Credit::Short, 6,
                                       "Rozmer delky tabule A v mm"};
constexpr FirstScreen kTwoTrapezoids{"TABLOX version 1.7", Credit::Long, 6,
                                     "Rozmer delky tabule A"};
constexpr FirstScreen kRingWeight{"TABLOX version 2.0", Credit::Long, 7, "Vnejsi prumer v mm"};
constexpr FirstScreen kPlateDiameter{"TABLOX version 2.0", Credit::Long, 7, "Hmotnost cinky v Kg"};
constexpr FirstScreen kOctagonSide{"TABLOX version 2.0", Credit::Long, 6, "Hmotnost cinky v Kg"};

// Checks that the run stopped in the calculation of `expected`, reached from the menu.
void expectFirstScreen(const std::string& typed, const FirstScreen& expected) {
    SCOPED_TRACE("typed \"" + typed + "\"");
    const ProgramRun run = runProgram(keys(typed + "\n"));
    EXPECT_FALSE(run.exitStatus);
    EXPECT_EQ(run.windows.opened, 2); // the menu's window, then the calculation's
    EXPECT_EQ(run.rowText(1), titleLine(expected.title, expected.credit));
    EXPECT_EQ(run.rowText(expected.labelRow).substr(1, expected.label.size()), expected.label);
    EXPECT_EQ(run.cellAt(expected.labelRow, 2).colour, 9);
}

const std::string kMenuPrompt = "Zadec cislo a stiskni ENTER";

TEST(Dispatch, EachMenuItemOpensItsCalculation) {
    expectFirstScreen("1", kTrapezoidLayout);
    expectFirstScreen("2", kStripCount);
    expectFirstScreen("3", kStripPlan);
    expectFirstScreen("4", kSheetWeight);
    expectFirstScreen("5", kEqualTrapezoids);
    expectFirstScreen("6", kTwoTrapezoids);
    expectFirstScreen("7", kRingWeight);
    expectFirstScreen("8", kPlateDiameter);
    expectFirstScreen("9", kOctagonSide);
}

TEST(Dispatch, EveryOtherChoiceOpensTheFirstCalculation) {
    for (const char* typed : {"0", "12", "99", "255", "257", "", "   ", "abc", "-0", "1.4", "x9"})
        expectFirstScreen(typed, kTrapezoidLayout);
}

TEST(Dispatch, ChoicesAreTakenModulo256) {
    expectFirstScreen("258", kStripCount);
    expectFirstScreen("259", kStripPlan);
    expectFirstScreen("2.5", kStripCount); // halves go to the even neighbour
    expectFirstScreen("3.5", kSheetWeight);
    expectFirstScreen("&H103", kStripPlan);
    expectFirstScreen("4,7", kSheetWeight);
}

TEST(Dispatch, TenEndsTheProgramAndDrawsNothingMore) {
    const ProgramRun waiting = runProgram(keys("10"));
    const ProgramRun ended = runProgram(keys("10\n"));
    ASSERT_TRUE(ended.exitStatus);
    EXPECT_EQ(*ended.exitStatus, 0);
    EXPECT_EQ(ended.windows.opened, 1);
    EXPECT_EQ(ended.windows.closed, 1);
    EXPECT_EQ(ended.cells.text(), waiting.cells.text());
    EXPECT_EQ(ended.rowText(28), "? 10");
    EXPECT_EQ(ended.rowText(27), kMenuPrompt);
    EXPECT_FALSE(ended.cellAt(28, 5).underlined); // the cursor mark was taken away
}

TEST(Dispatch, ChoiceIsTypedOnRow28InTheColourOfThePrompt) {
    const ProgramRun run = runProgram(keys("12"));
    EXPECT_EQ(run.rowText(28), "? 12");
    for (int column = 1; column <= 4; ++column)
        if (column != 2) {
            EXPECT_EQ(run.cellAt(28, column).colour, 11) << column;
        }
    EXPECT_TRUE(run.cellAt(28, 5).underlined);
}

TEST(Dispatch, CloseBoxWhileTheMenuWaitsChangesNothing) {
    const ProgramRun waiting = runProgram(keys("1") + std::vector<int>{kKeyCloseBox});
    EXPECT_EQ(waiting.windows.opened, 1);
    EXPECT_EQ(waiting.rowText(28), "? 1");
    EXPECT_TRUE(waiting.cellAt(28, 4).underlined);
    const ProgramRun ended = runProgram(keys("1") + std::vector<int>{kKeyCloseBox} + keys("0\n"));
    ASSERT_TRUE(ended.exitStatus);
    EXPECT_EQ(*ended.exitStatus, 0);
}

TEST(Dispatch, EditedChoiceCounts) {
    // "0x", Backspace, Home, "1": the line reads "10".
    const ProgramRun run =
        runProgram(keys("0x") + std::vector<int>{kKeyBackspace, kKeyHome} + keys("1\n"));
    ASSERT_TRUE(run.exitStatus);
    EXPECT_EQ(*run.exitStatus, 0);
}

TEST(Credits, NameLinesEndInColour12UnderA77AsteriskRule) {
    const ProgramRun run = runProgram(keys("11\n"));
    EXPECT_FALSE(run.exitStatus);
    EXPECT_EQ(run.windows.opened, 2);
    EXPECT_EQ(run.rowText(1), titleLine("TABLOX version 2.0", Credit::Long));
    EXPECT_EQ(run.rowText(3), std::string(77, '*'));
    for (int column = 1; column <= 77; ++column)
        EXPECT_EQ(run.cellAt(3, column).colour, 11);
    const std::string programmer = run.rowText(13);
    const std::string tester = run.rowText(15);
    ASSERT_EQ(programmer.size(), 24u + 26u);
    ASSERT_EQ(tester.size(), 24u + 26u);
    EXPECT_EQ(programmer.substr(0, 38), std::string(24, ' ') + "Programoval - ");
    EXPECT_EQ(tester.substr(0, 38), std::string(24, ' ') + "Testoval    - ");
    for (int column = 25; column <= 50; ++column) {
        if (programmer[static_cast<std::size_t>(column - 1)] != ' ') {
            EXPECT_EQ(run.cellAt(13, column).colour, 12) << column;
        }
        if (tester[static_cast<std::size_t>(column - 1)] != ' ') {
            EXPECT_EQ(run.cellAt(15, column).colour, 12) << column;
        }
    }
    EXPECT_EQ(run.rowText(14), "");
    EXPECT_EQ(run.rowText(28), " pokracuj klavesou ENTER");
    EXPECT_TRUE(run.cellAt(29, 1).underlined); // the pause's input, without "? "
}

TEST(Credits, EnterGoesBackToAFreshMenu) {
    const ProgramRun fresh = runProgram({});
    const ProgramRun back = runProgram(keys("11\n\n"));
    EXPECT_EQ(back.windows.opened, 3);
    EXPECT_EQ(back.cells.text(), fresh.cells.text());
    EXPECT_TRUE(back.cellAt(28, 3).underlined);
    // What is typed at the pause is read and dropped.
    const ProgramRun typed = runProgram(keys("11\n123\n"));
    EXPECT_EQ(typed.windows.opened, 3);
    EXPECT_EQ(typed.cells.text(), fresh.cells.text());
}

TEST(Pause, TextOnRow28AndInputBelowWithoutQuestionMark) {
    freshScreen();
    memoryWindows().script.assign({'4', '2', kKeyEnter});
    pauseForEnter();
    EXPECT_EQ(ScreenCells::decode(screen()).rowText(28), " pokracuj klavesou ENTER");
    EXPECT_EQ(ScreenCells::decode(screen()).rowText(29), "42");
    EXPECT_EQ(ScreenCells::decode(screen()).cellAt(28, 2).colour, 11);
    EXPECT_EQ(screen().row, 28); // no line end: behind the typed text
    EXPECT_EQ(screen().column, 2);
    EXPECT_EQ(scratch, 42.0f);
}

TEST(Pause, VariantWithQuestionMarkAndLineEnd) {
    freshScreen();
    memoryWindows().script.assign({'7', kKeyEnter});
    pauseForEnterWithQuestion();
    const ScreenCells cells = ScreenCells::decode(screen());
    EXPECT_EQ(cells.rowText(28), "  klavesou ENTER");
    EXPECT_EQ(cells.rowText(29), "? 7");
    EXPECT_EQ(cells.cellAt(29, 3).colour, 11);
    EXPECT_EQ(screen().row, 29); // line end: row 30, column 1
    EXPECT_EQ(screen().column, 0);
    EXPECT_EQ(scratch, 7.0f);
}

} // namespace
