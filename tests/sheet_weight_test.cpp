// Menu item 4: the sheet weight, its arithmetic and its screen.
#include <gtest/gtest.h>

#include "calculators/calculators.h"
#include "tests/harness.h"
#include "tests/screen_checks.h"

namespace {

TEST(SheetWeight, TonnesFromSingleProductsAndDoubleSteps) {
    EXPECT_EQ(sheetWeight(2000, 1000, 10, 5), 0.787f);
    EXPECT_EQ(sheetWeight(6000, 2000, 25, 3), 7.08300018f);
    EXPECT_EQ(sheetWeight(1, 1, 1, 1), 7.86999976e-09f);
    EXPECT_EQ(sheetWeight(0, 1000, 10, 5), 0.0f);
    EXPECT_EQ(sheetWeight(-2000, 1000, 10, 5), -0.787f);
}

const std::vector<int> kFourValues = keys("4\n2000\n1000\n10\n5\n");

// The screen with nothing typed yet, as the menu or a restart leaves it.
void expectEmptyWeightScreen(const ProgramRun& run) {
    expectBanner(run, shortCreditTitle("TABLOX version 1.6"));
    expectRow(run, 4, "", 0);
    expectRow(run, 5, "VYPOCET HMOTNOSTI", 11);
    expectRow(run, 6, "", 0);
    expectRow(run, 7, " Zadej delku tabule v mm", 9);
    expectText(run, 8, 1, "?", 9);
    for (int row = 9; row <= 30; ++row)
        expectRow(run, row, "", 0);
}

TEST(SheetWeightScreen, EchoesEachValueAndShowsTheWeightInTonnes) {
    const ProgramRun run = runProgram(kFourValues + keys("1\n"));
    EXPECT_FALSE(run.exitStatus);
    expectBanner(run, shortCreditTitle("TABLOX version 1.6"));
    expectRow(run, 5, "VYPOCET HMOTNOSTI", 11);
    // Each label with its input line below it; the echoes form a column at column 39.
    expectRow(run, 7, padded(" Zadej delku tabule v mm", 38) + "Delka tabule  2000", 9);
    expectRow(run, 8, padded("? 2000", 38) + "Sirka tabule  1000", 9);
    expectRow(run, 9, padded("", 38) + "Tlouska tabule  10", 9);
    expectRow(run, 10, padded(" Zadej sirku tabule v mm", 38) + "Pocet kusu      5", 9);
    expectText(run, 11, 1, "? 1000", 9);
    expectText(run, 11, 39, "Celkova hmotnost 0.787 TUN", 12);
    EXPECT_EQ(run.rowText(11), padded("? 1000", 38) + "Celkova hmotnost 0.787 TUN");
    expectRow(run, 12, "", 0);
    expectRow(run, 13, " Zadej tlousku tabule v mm", 9);
    expectRow(run, 14, "? 10", 9);
    expectRow(run, 16, " Zadej pocet kusu", 9);
    expectRow(run, 17, "? 5", 9);
    // The question; on this screen the no-row has no leading blank.
    expectRow(run, 20, " JSOU SOURADNICE ZPRAVNE ZADANY?", 9);
    expectRow(run, 21, "", 0);
    expectRow(run, 22, " ANO - Stiskni klavesu 1", 10);
    expectRow(run, 23, " NE - Stiskni klavesu 2", 12);
    expectRow(run, 24, "? 1", 10);
    expectRow(run, 28, " pokracuj klavesou ENTER", 11);
    EXPECT_EQ(run.windows.opened, 2);
}

TEST(SheetWeightScreen, PrintsTheSmallestWeightsInExponentForm) {
    const ProgramRun run = runProgram(keys("4\n1\n1\n1\n1\n1\n"));
    expectText(run, 11, 39, "Celkova hmotnost 7.87e-009 TUN", 12);
    const ProgramRun zero = runProgram(keys("4\n0\n1000\n10\n5\n1\n"));
    expectText(zero, 11, 39, "Celkova hmotnost 0 TUN", 12);
}

TEST(SheetWeightScreen, EnterAfterTheResultShowsTheMenuAgain) {
    const ProgramRun run = runProgram(kFourValues + keys("1\n\n"));
    EXPECT_FALSE(run.exitStatus);
    EXPECT_EQ(run.windows.opened, 3);
    expectBanner(run, longCreditTitle("TABLOX version 2.0"));
    expectRow(run, 5, "M E N U", 9);
    expectRow(run, 27, "Zadec cislo a stiskni ENTER", 11);
    expectRow(run, 28, "?", 11);
}

TEST(SheetWeightScreen, AnswerTwoAsksForEverythingAgain) {
    // 2.4, 1.5 and 2.5 round to 2 (halves to the even one); 258 keeps its low eight bits.
    for (const char* answer : {"2\n", "2.4\n", "1.5\n", "2.5\n", "258\n"}) {
        SCOPED_TRACE(answer);
        const ProgramRun run = runProgram(kFourValues + keys(answer));
        EXPECT_EQ(run.windows.opened, 3); // the menu, the first attempt, the fresh screen
        expectEmptyWeightScreen(run);
    }
}

TEST(SheetWeightScreen, TheFreshScreenAfterAnswerTwoWorksAsTheFirst) {
    const ProgramRun run = runProgram(kFourValues + keys("2\n6000\n2000\n25\n3\n1\n"));
    expectText(run, 7, 39, "Delka tabule  6000", 9);
    expectText(run, 11, 39, "Celkova hmotnost 7.083 TUN", 12);
}

TEST(SheetWeightScreen, EveryOtherAnswerComputes) {
    for (const char* answer : {"1\n", "0\n", "3\n", "\n", "abc\n", "2.6\n", "259\n"}) {
        SCOPED_TRACE(answer);
        const ProgramRun run = runProgram(kFourValues + keys(answer));
        EXPECT_EQ(run.windows.opened, 2);
        expectText(run, 11, 39, "Celkova hmotnost 0.787 TUN", 12);
        expectRow(run, 28, " pokracuj klavesou ENTER", 11);
    }
}

} // namespace
