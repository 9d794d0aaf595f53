// Menu item 2: the strip count screen, from the menu to the result and back.
#include <gtest/gtest.h>

#include <string>

#include "tests/harness.h"
#include "tests/screen_checks.h"

namespace {

const std::string kSheetTop(32, '#'); // the top edge of the sheet, columns 38 to 69

void expectSheetAndPiece(const ProgramRun& run) {
    expectRun(run, 300, 100, 550, 100, 11);
    expectRun(run, 300, 100, 300, 250, 11);
    expectRun(run, 300, 250, 550, 250, 11);
    expectRun(run, 302, 210, 302, 248, 12);
    expectRun(run, 302, 210, 400, 210, 12);
    expectRun(run, 400, 210, 400, 248, 12);
    expectRun(run, 302, 248, 400, 248, 12);
}

// The screen with nothing typed yet: the sketch with its labels and the first question.
void expectEmptyStripCountScreen(const ProgramRun& run) {
    expectBanner(run, longCreditTitle("TABLOX version 2.0"));
    expectRow(run, 6, " Sirka tvaru B v mm", 9);
    expectText(run, 7, 1, "? ", 9);
    EXPECT_EQ(cellsText(run, 7, 38, 32), kSheetTop);
    expectText(run, 15, 52, "B ", 9);
    expectText(run, 17, 39, "Pocet kusu  0", 9);
    expectText(run, 11, 69, "B1", 9);
    expectSheetAndPiece(run);
    expectRun(run, 550, 100, 550, 159, 11);
    for (int row = 18; row <= 30; ++row)
        expectRow(run, row, "", 0);
}

TEST(StripCountScreen, EchoesOverTheSketchAndCountsTheStrips) {
    const ProgramRun run = runProgram(keys("2\n300\n10\n1000\n1\n"));
    EXPECT_FALSE(run.exitStatus);
    EXPECT_EQ(run.windows.opened, 2);
    expectBanner(run, longCreditTitle("TABLOX version 2.0"));
    expectRow(run, 6, " Sirka tvaru B v mm", 9);
    EXPECT_EQ(run.rowText(7), padded("? 300", 37) + kSheetTop);
    expectText(run, 7, 1, "? 300", 9);
    expectText(run, 9, 1, " Pocet kusu", 9);
    expectText(run, 10, 1, "? 10", 9);
    expectText(run, 12, 1, " Rozmer sirky tabule B1 v mm", 9);
    expectText(run, 13, 1, "? 1000", 9);
    // The numbers stand where the letters B and B1 were, their blank over the letter.
    expectText(run, 15, 52, " 300", 9);
    expectText(run, 17, 39, "Pocet kusu  10", 9);
    expectText(run, 11, 69, " 1000", 9);
    expectSheetAndPiece(run);
    // The text over the right edge of the sheet has wiped the edge inside its cell.
    expectRun(run, 550, 100, 550, 159, 11);
    expectRun(run, 550, 160, 550, 175, 0);
    expectRun(run, 550, 176, 550, 250, 11);
    expectRow(run, 20, " JSOU SOURADNICE ZPRAVNE ZADANY?", 9);
    expectRow(run, 21, "", 0);
    expectText(run, 22, 1, " ANO - Stiskni klavesu 1", 10);
    expectText(run, 22, 48, " V Y S L E D E K", 9);
    EXPECT_EQ(run.rowText(22), padded(" ANO - Stiskni klavesu 1", 47) + " V Y S L E D E K");
    expectText(run, 23, 1, "  NE - Stiskni klavesu 2", 12);
    expectText(run, 23, 48, " Strihni pas 4 x", 12);
    EXPECT_EQ(run.rowText(23), padded("  NE - Stiskni klavesu 2", 47) + " Strihni pas 4 x");
    expectRow(run, 24, "? 1", 10);
    expectRow(run, 26, "", 0);
    expectRow(run, 28, " pokracuj klavesou ENTER", 11);
}

TEST(StripCountScreen, EnterAfterTheResultShowsTheMenuAgain) {
    const ProgramRun run = runProgram(keys("2\n300\n10\n1000\n1\n\n"));
    EXPECT_EQ(run.windows.opened, 3);
    expectRow(run, 5, "M E N U", 9);
    expectRow(run, 28, "?", 11);
}

TEST(StripCountScreen, ResultsOfTheCloseAndLargeCases) {
    struct Case {
        const char* typed;
        const char* result;
    };
    for (const Case& c :
         {Case{"0.1\n100\n1\n", " Strihni pas 12 x"}, Case{"250\n8\n1000\n", " Strihni pas 2 x"},
          Case{"1000\n5\n1000\n", " Strihni pas 5 x"}, // equal widths pass
          Case{"333.3\n9\n1000\n", " Strihni pas 3 x"},
          Case{"300\n2.5\n1000\n", " Strihni pas 1 x"}, Case{"300\n-4\n1000\n", " Strihni pas 1 x"},
          Case{"300\n16777216\n1000\n", " Strihni pas 5592406 x"},
          Case{"300\n1e30\n1000\n", " Strihni pas 1.677722e+007 x"},
          Case{"300\ninf.0\n1000\n", " Strihni pas 1.677722e+007 x"},
          Case{"0\n1e30\n1000\n", " Strihni pas 1 x"}}) {
        SCOPED_TRACE(c.typed);
        const ProgramRun run = runProgram(keys("2\n") + keys(c.typed) + keys("1\n"));
        expectText(run, 23, 48, c.result, 12);
        expectRow(run, 28, " pokracuj klavesou ENTER", 11);
    }
}

TEST(StripCountScreen, PieceWiderThanTheSheetIsRefusedAndTheScreenStartsAgain) {
    // A NaN width fails the test as well; it is echoed as it is.
    for (const char* width : {"1200\n", "nan.0\n"}) {
        SCOPED_TRACE(width);
        const std::vector<int> typed = keys("2\n") + keys(width) + keys("3\n1000\n1\n");
        const ProgramRun refused = runProgram(typed);
        expectRow(refused, 26, padded("", 19) + "NELZE PROVEST! Tabule je mensi nez tvar.", 12);
        expectRow(refused, 28, " pokracuj klavesou ENTER", 11);
        expectText(refused, 22, 48, "                 ", 0); // no result
        EXPECT_EQ(refused.windows.opened, 2);

        const ProgramRun again = runProgram(typed + keys("\n"));
        EXPECT_EQ(again.windows.opened, 3);
        expectEmptyStripCountScreen(again);
    }
    const ProgramRun nan = runProgram(keys("2\nnan.0\n3\n1000\n1\n"));
    expectText(nan, 15, 52, " nan", 9);
}

TEST(StripCountScreen, AnswerTwoStartsAgainAndOtherAnswersCount) {
    for (const char* answer : {"2\n", "258\n"}) {
        SCOPED_TRACE(answer);
        const ProgramRun run = runProgram(keys("2\n300\n10\n1000\n") + keys(answer));
        EXPECT_EQ(run.windows.opened, 3);
        expectEmptyStripCountScreen(run);
    }
    for (const char* answer : {"0\n", "3\n", "\n", "ne\n"}) {
        SCOPED_TRACE(answer);
        const ProgramRun run = runProgram(keys("2\n300\n10\n1000\n") + keys(answer));
        EXPECT_EQ(run.windows.opened, 2);
        expectText(run, 23, 48, " Strihni pas 4 x", 12);
    }
}

} // namespace
