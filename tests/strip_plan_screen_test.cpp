// Menu item 3: the strip and sheet plan screens, from the menu to the result and back.
#include <gtest/gtest.h>

#include <string>

#include "tests/harness.h"
#include "tests/screen_checks.h"

namespace {

const std::string kSheetTop(32, '#'); // the top edge of the sheet, columns 38 to 69

void expectWideBanner(const ProgramRun& run, const std::string& title) {
    expectRow(run, 1, title, 11);
    expectRow(run, 2, std::string(15, '*') + std::string(32, ' ') + "http://www.strihyhrubec.test",
              11);
    expectRow(run, 3, std::string(34, '*') + "   version with vector computering kerner", 11);
    expectRow(run, 4, std::string(75, '*'), 11);
}

void expectSheetAndPiece(const ProgramRun& run) {
    expectRun(run, 300, 100, 550, 100, 11);
    expectRun(run, 550, 100, 550, 250, 11);
    expectRun(run, 300, 100, 300, 250, 11);
    expectRun(run, 300, 250, 550, 250, 11);
    expectRun(run, 302, 210, 302, 248, 12);
    expectRun(run, 302, 210, 400, 210, 12);
    expectRun(run, 400, 210, 400, 248, 12);
    expectRun(run, 302, 248, 400, 248, 12);
}

void expectRestBox(const ProgramRun& run, int colour) {
    expectRun(run, 530, 101, 548, 101, colour);
    expectRun(run, 530, 248, 548, 248, colour);
    expectRun(run, 530, 102, 530, 247, colour);
    expectRun(run, 548, 102, 548, 247, colour);
}

// The input screen with nothing typed yet.
void expectEmptyInputScreen(const ProgramRun& run) {
    expectWideBanner(run, longCreditTitle("TABLOX version 1.8"));
    expectText(run, 6, 1, " Delka tvaru A v mm", 9);
    expectText(run, 6, 50, "A1", 9);
    EXPECT_EQ(run.rowText(6), padded(" Delka tvaru A v mm", 49) + "A1");
    expectText(run, 7, 1, "? ", 9);
    EXPECT_EQ(cellsText(run, 7, 38, 32), kSheetTop);
    expectText(run, 11, 70, "B1", 9);
    expectText(run, 13, 43, "A", 9);
    expectText(run, 15, 52, "B", 9);
    expectText(run, 17, 39, "Pocet kusu  0", 9);
    expectSheetAndPiece(run);
    expectRestBox(run, 0);
    for (int row = 18; row <= 30; ++row)
        expectRow(run, row, "", 0);
}

const std::vector<int> kRestEqualToWidth = keys("3\n300\n200\n100\n2000\n1000\n3\n");

TEST(StripPlanScreen, InputScreenEchoesOverTheSketchLabels) {
    const ProgramRun run = runProgram(kRestEqualToWidth);
    EXPECT_EQ(run.windows.opened, 2);
    expectWideBanner(run, longCreditTitle("TABLOX version 1.8"));
    EXPECT_EQ(run.rowText(6), padded(" Delka tvaru A v mm", 49) + " 2000");
    expectText(run, 6, 50, " 2000", 9);
    EXPECT_EQ(run.rowText(7), padded("? 300", 37) + kSheetTop);
    expectText(run, 7, 1, "? 300", 9);
    expectText(run, 9, 1, " Sirka tvaru B v mm", 9);
    expectText(run, 10, 1, "? 200", 9);
    expectText(run, 11, 70, " 1000", 9);
    expectText(run, 12, 1, " Pocet kusu        ", 9);
    expectText(run, 13, 1, "? 100", 9);
    expectText(run, 13, 43, " 300", 9);
    expectText(run, 15, 1, " Rozmer delky tabule A1 v mm", 9);
    expectText(run, 15, 52, " 200", 9);
    expectText(run, 16, 1, "? 2000", 9);
    expectText(run, 17, 39, "Pocet kusu  100", 9);
    expectText(run, 18, 1, " Rozmer sirky tabule B1 v mm", 9);
    expectText(run, 18, 39, "Tlouska tabule  3", 9);
    EXPECT_EQ(run.rowText(18), padded(" Rozmer sirky tabule B1 v mm", 38) + "Tlouska tabule  3");
    expectRow(run, 19, "? 1000", 9);
    expectRow(run, 21, " Tlouska tabule", 9);
    expectRow(run, 22, "? 3", 9);
    expectRow(run, 24, "", 0);
    expectRow(run, 25, " JSOU SOURADNICE ZPRAVNE ZADANY?", 9);
    expectRow(run, 26, "", 0);
    expectRow(run, 27, " ANO - Stiskni klavesu 1", 10);
    expectRow(run, 28, "  NE - Stiskni klavesu 2", 12);
    expectText(run, 29, 1, "? ", 10);
    expectSheetAndPiece(run);
    expectRestBox(run, 0);
}

TEST(StripPlanScreen, ResultWithTheRestUsedAndCounted) {
    const ProgramRun run = runProgram(kRestEqualToWidth + keys("1\n"));
    EXPECT_EQ(run.windows.opened, 3);
    expectWideBanner(run, shortCreditTitle("TABLOX version 1.8"));
    expectSheetAndPiece(run);
    expectRestBox(run, 12);
    // The inputs again, without the letters.
    expectText(run, 6, 50, " 2000", 9);
    expectText(run, 11, 70, " 1000", 9);
    expectText(run, 13, 43, " 300", 9);
    expectText(run, 15, 52, " 200", 9);
    expectText(run, 17, 39, "Pocet kusu  100", 9);
    EXPECT_EQ(run.rowText(6), padded(" Z jedne tabule vyrobis  33 KS", 49) + " 2000");
    expectText(run, 6, 1, " Z jedne tabule vyrobis  33 KS", 9);
    expectText(run, 7, 1, " Budes potrebovat        3 plechu", 9);
    EXPECT_EQ(run.rowText(7), padded(" Budes potrebovat        3 plechu", 37) + kSheetTop);
    expectText(run, 8, 1, " Strihni 20 pasu  1000 x 300 ", 9);
    // Row 9 first showed "   nebo 16.66667 pasu  2000 x 200"; the rest row covers all of it.
    expectText(run, 9, 1, " Ze zbytku vyjde 3 KS                ", 9);
    expectText(run, 10, 1, " Celkova hmotnost 0 Tun ", 9);
    expectText(run, 11, 1, " Odpad 9% ", 9); // 9.99999905 rounded down
    // The left edge of the sheet, the box and the right edges of the box and the sheet.
    EXPECT_EQ(run.rowText(12), padded("", 37) + "#" + padded("", 28) + "# #");
    expectText(run, 13, 1, " Udaje o posledni tabuli:   ", 9);
    expectText(run, 14, 1, " Posledni tabule bude vyuzita ze 3% ", 9);
    for (int row = 18; row <= 27; ++row)
        expectRow(run, row, "", 0);
    expectRow(run, 28, " pokracuj klavesou ENTER", 11);
}

TEST(StripPlanScreen, ResultWithTheRestUsedButNotCounted) {
    const ProgramRun run = runProgram(keys("3\n300\n200\n20\n2000\n1000\n3\n1\n"));
    expectRestBox(run, 12);
    expectText(run, 6, 1, " Z jedne tabule vyrobis  30 KS ", 9);
    expectText(run, 7, 1, " Budes potrebovat        0.6 plechu ", 9);
    expectText(run, 8, 1, " Strihni 4 pasu  1000 x 300 ", 9);
    expectText(run, 9, 1, " Ze zbytku vyjde 3 KS ", 9);
    expectText(run, 14, 1, " Posledni tabule bude vyuzita ze 66% ", 9);
}

TEST(StripPlanScreen, ResultRoundsDown) {
    const ProgramRun run = runProgram(keys("3\n700\n300\n50\n2000\n1000\n5\n1\n"));
    expectRestBox(run, 12);
    expectText(run, 6, 1, " Z jedne tabule vyrobis  8 KS ", 9);
    expectText(run, 7, 1, " Budes potrebovat        6.2 plechu ", 9);
    expectText(run, 9, 1, " Ze zbytku vyjde 2 KS ", 9);
    expectText(run, 10, 1, " Celkova hmotnost 0.25 Tun ", 9);
    expectText(run, 11, 1, " Odpad 37% ", 9);
    expectText(run, 14, 1, " Posledni tabule bude vyuzita ze 25% ", 9);
}

TEST(StripPlanScreen, ResultWithoutRestHasNoBoxAndKeepsRowNine) {
    const ProgramRun run = runProgram(keys("3\n500\n250\n1000\n2500\n1250\n2\n1\n"));
    expectRestBox(run, 0);
    expectSheetAndPiece(run);
    expectText(run, 6, 1, " Z jedne tabule vyrobis  25 KS ", 9);
    expectText(run, 7, 1, " Budes potrebovat        40 plechu ", 9);
    expectText(run, 8, 1, " Strihni 200 pasu  1250 x 500 ", 9);
    expectText(run, 9, 1, "   nebo 200 pasu  2500 x 250 ", 9);
    expectText(run, 10, 1, " Celkova hmotnost 1.75 Tun ", 9);
    expectText(run, 11, 1, " Odpad 0% ", 9);
    expectText(run, 14, 1, " Posledni tabule bude vyuzita ze 0% ", 9);
}

TEST(StripPlanScreen, ZeroPieceSizesArePrintedAsTheyComeOut) {
    const std::vector<int> typed = keys("3\n0\n0\n10\n2000\n1000\n3\n1\n");
    const ProgramRun run = runProgram(typed);
    expectRestBox(run, 0); // a NaN rest is not used
    expectText(run, 6, 1, " Z jedne tabule vyrobis  inf KS ", 9);
    expectText(run, 7, 1, " Budes potrebovat        0 plechu ", 9);
    expectText(run, 8, 1, " Strihni 0 pasu  1000 x 0 ", 9);
    expectText(run, 9, 1, "   nebo 0 pasu  2000 x 0 ", 9);
    expectText(run, 11, 1, " Odpad nan% ", 9);
    expectRow(run, 28, " pokracuj klavesou ENTER", 11);
    const ProgramRun menu = runProgram(typed + keys("\n"));
    expectRow(menu, 5, "M E N U", 9);
}

TEST(StripPlanScreen, EnterAfterTheResultShowsTheMenuAgain) {
    const ProgramRun run = runProgram(kRestEqualToWidth + keys("1\n\n"));
    EXPECT_EQ(run.windows.opened, 4);
    expectRow(run, 5, "M E N U", 9);
    expectRow(run, 28, "?", 11);
}

TEST(StripPlanScreen, PieceLargerThanTheSheetIsRefusedBeforeTheThickness) {
    for (const char* sizes : {"2001\n200\n100\n2000\n1000\n", "300\n1001\n100\n2000\n1000\n"}) {
        SCOPED_TRACE(sizes);
        const std::vector<int> typed = keys("3\n") + keys(sizes);
        const ProgramRun refused = runProgram(typed);
        EXPECT_EQ(refused.windows.opened, 2);
        expectRow(refused, 21, "", 0);
        expectRow(refused, 24, padded("", 19) + "NELZE PROVEST! Tabule je mensi nez tvar.", 12);
        expectRow(refused, 25, "", 0);
        expectRow(refused, 28, " pokracuj klavesou ENTER", 11);

        const ProgramRun again = runProgram(typed + keys("\n"));
        EXPECT_EQ(again.windows.opened, 3);
        expectEmptyInputScreen(again);
    }
}

TEST(StripPlanScreen, PieceAsLargeAsTheSheetPasses) {
    const ProgramRun asked = runProgram(keys("3\n2000\n1000\n1\n2000\n1000\n"));
    expectRow(asked, 21, " Tlouska tabule", 9);
    expectRow(asked, 24, "", 0);
    const ProgramRun result = runProgram(keys("3\n2000\n1000\n1\n2000\n1000\n10\n1\n"));
    expectText(result, 6, 1, " Z jedne tabule vyrobis  1 KS ", 9);
    expectText(result, 10, 1, " Celkova hmotnost 0 Tun ", 9);
}

TEST(StripPlanScreen, AnswerTwoStartsAgainAndOtherAnswersCompute) {
    for (const char* answer : {"2\n", "258\n"}) {
        SCOPED_TRACE(answer);
        const ProgramRun run = runProgram(kRestEqualToWidth + keys(answer));
        EXPECT_EQ(run.windows.opened, 3);
        expectEmptyInputScreen(run);
    }
    for (const char* answer : {"0\n", "3\n", "\n", "ano\n"}) {
        SCOPED_TRACE(answer);
        const ProgramRun run = runProgram(kRestEqualToWidth + keys(answer));
        EXPECT_EQ(run.windows.opened, 3);
        expectText(run, 6, 1, " Z jedne tabule vyrobis  33 KS", 9);
    }
}

} // namespace
