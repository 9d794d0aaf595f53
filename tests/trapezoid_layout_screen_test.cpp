// Menu item 1, the strip layout, end to end: the input diagram, the confirmation and the
// cut listing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "display/drawing.h"
#include "tests/expected_screen.h"
#include "tests/harness.h"

namespace {

// The worked example: A 400, B 100, C 250, D 500, E 50, confirmed with 1.
const std::vector<int> kWorkedExample = keys("1\n400\n100\n250\n500\n50\n1\n");

std::string number(int value) {
    return " " + std::to_string(value);
}

bool samePixels(const ProgramRun& a, const ProgramRun& b) {
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

TEST(TrapezoidLayoutScreen, InputDiagramWithLabelsAndFirstPrompt) {
    const ProgramRun run = runProgram(keys("1\n"));
    ExpectedScreen expected;
    placeBanner(expected, "TABLOX version 2.0", Credit::Long);
    expected.place(5, 2, "ZADEJTE SOURADNICI A", 9);
    expected.place(6, 1, "?", 9);
    expected.place(7, 36, "A", 9);
    expected.place(7, 59, "B", 9);
    expected.place(16, 68, "C", 9);
    expected.place(27, 36, "D", 9);
    expected.place(24, 2, "E", 9);
    expected.drawingIn(30, 120, 560, 440);
    expected.check(run);

    // The dimension lines in colour 11: ends of the measuring lines and their ticks.
    for (auto [x, y] : {std::pair{30, 400},
                        {50, 350},
                        {35, 405},
                        {35, 345},
                        {60, 440},
                        {525, 440},
                        {50, 435},
                        {535, 435},
                        {60, 120},
                        {60, 340},
                        {450, 120},
                        {50, 125},
                        {535, 125},
                        {525, 120},
                        {560, 400},
                        {560, 150},
                        {555, 410},
                        {555, 140}})
        EXPECT_EQ(int{run.pixel(x, y)}, 11) << x << "," << y;
    // The piece outline in colour 12, drawn over the dimension lines it meets.
    for (auto [x, y] : {std::pair{60, 400},
                        {300, 400},
                        {525, 400},
                        {60, 375},
                        {60, 350},
                        {450, 150},
                        {525, 150},
                        {490, 150},
                        {525, 275}})
        EXPECT_EQ(int{run.pixel(x, y)}, 12) << x << "," << y;
    EXPECT_EQ(int{run.pixel(255, 250)}, 12); // on the slant, halfway
    EXPECT_EQ(int{run.pixel(300, 300)}, 0);  // inside the piece
}

TEST(TrapezoidLayoutScreen, EchoesReplaceTheLettersAndTheQuestionTakesRowsFiveToNine) {
    const ProgramRun run = runProgram(keys("1\n400\n100\n250\n500\n50\n"));
    ExpectedScreen expected;
    placeBanner(expected, "TABLOX version 2.0", Credit::Long);
    expected.place(5, 2, "JSOU SOURADNICE ZPRAVNE ZADANY?", 9);
    expected.place(6, 1, std::string(20, ' '), 9);
    expected.place(7, 2, "ANO - Stiskni klavesu 1", 10);
    expected.place(8, 2, " NE - Stiskni klavesu 2", 12);
    expected.place(9, 1, "?", 10);
    expected.place(7, 36, number(400), 9);
    expected.place(7, 59, number(100), 9);
    expected.place(16, 68, number(250), 9);
    expected.place(27, 36, number(500), 9);
    expected.place(24, 2, number(50), 9);
    expected.drawingIn(30, 120, 560, 440);
    expected.check(run);
}

TEST(TrapezoidLayoutScreen, TypedReplyIsBlankedLeavingTheQuestionMark) {
    // Row 6 is cleared from column 2 after each entry; the next prompt brings a new "?".
    const ProgramRun run = runProgram(keys("1\n400\n"));
    EXPECT_EQ(run.rowText(5), " ZADEJTE SOURADNICI B");
    EXPECT_EQ(run.rowText(6), "?");
    EXPECT_EQ(run.cellAt(7, 36).character, ' ');
    EXPECT_EQ(run.cellAt(7, 37).character, '4');
    EXPECT_EQ(run.cellAt(7, 39).character, '0');
}

TEST(TrapezoidLayoutScreen, AnswerTwoRepeatsTheWholeInputScreen) {
    const ProgramRun fresh = runProgram(keys("1\n"));
    const ProgramRun once = runProgram(keys("1\n400\n100\n250\n500\n50\n2\n"));
    const ProgramRun twice = runProgram(keys("1\n1\n2\n3\n4\n5\n2\n9\n8\n7\n6\n5\n2\n"));
    for (const ProgramRun* again : {&once, &twice}) {
        EXPECT_EQ(again->cells.text(), fresh.cells.text());
        EXPECT_TRUE(samePixels(*again, fresh));
        for (int row = 1; row <= 30; ++row)
            for (int column = 1; column <= 80; ++column)
                EXPECT_EQ(again->cellAt(row, column).colour, fresh.cellAt(row, column).colour);
    }
    EXPECT_EQ(once.windows.opened, fresh.windows.opened + 1);
    EXPECT_EQ(twice.windows.opened, fresh.windows.opened + 2);
    // Answers other than 2 go on to the listing.
    for (const char* answer : {"1\n", "0\n", "3\n", "\n", "x\n"}) {
        const ProgramRun run = runProgram(keys("1\n400\n100\n250\n500\n50\n") + keys(answer));
        EXPECT_EQ(run.rowText(5), " Vypis souradnic") << answer;
    }
}

TEST(TrapezoidLayoutScreen, CutListingOfTheWorkedExampleCellByCell) {
    const ProgramRun run = runProgram(kWorkedExample);
    ExpectedScreen expected;
    placeBanner(expected, "TABLOX version 2.0", Credit::Long);
    expected.place(5, 2, "Vypis souradnic", 9);
    expected.place(6, 2, "Leva strana pasu          Prava strana pasu             Uspora materialu",
                   12);
    expected.place(7, 63, " 30%", 9);
    // Odd rows: the two ends of a slanted cut, (n+1)E + nW on the left and nE + (n+1)W
    // on the right, in colour 9; even rows: a square cut at (n+1)(E+W), in colour 10.
    for (int n = 0; n <= 10; ++n) {
        expected.place(7 + 2 * n, 2, number((n + 1) * 50 + n * 300), 9);
        expected.place(7 + 2 * n, 30, number(n * 50 + (n + 1) * 300), 9);
        if (n == 10) break;
        expected.place(8 + 2 * n, 2, number((n + 1) * 350), 10);
        expected.place(8 + 2 * n, 30, number((n + 1) * 350), 10);
    }
    // The values beside the picture.
    expected.place(10, 43, "0", 10);
    expected.place(14, 42, " 300", 9);
    expected.place(19, 40, " 350", 10);
    expected.place(23, 42, " 650", 9);
    expected.place(28, 40, " 700", 10);
    // The pause, with the question mark of its reply on the row below.
    expected.place(28, 2, " klavesou ENTER", 11);
    expected.place(29, 1, "?", 11);
    expected.drawingIn(345, 153, 600, 450);
    expected.check(run);

    // A few rows in full, as the operator reads them.
    EXPECT_EQ(run.rowText(7),
              "  50" + std::string(25, ' ') + " 300" + std::string(29, ' ') + " 30%");
    EXPECT_EQ(run.rowText(26).substr(0, 34), "  3500" + std::string(23, ' ') + " 3500");
    EXPECT_EQ(run.rowText(27).substr(0, 34), "  3550" + std::string(23, ' ') + " 3800");
}

TEST(TrapezoidLayoutScreen, PictureOfFourInterlockedPiecesAndTheMeasuringLine) {
    const ProgramRun run = runProgram(kWorkedExample);
    // Pieces 1 and 3 in colour 12, the turned pieces 2 and 4 in colour 9, drawn in this
    // order on a screen of their own; right of the measuring line's ticks the picture
    // must match it pixel for pixel.
    auto expected = std::make_unique<Screen>();
    for (int dy : {0, -140}) {
        const float y = static_cast<float>(dy);
        for (auto [x1, y1, x2, y2, colour] : {std::tuple{400, 440, 600, 440, 12},
                                              {600, 440, 600, 340, 12},
                                              {570, 340, 600, 340, 12},
                                              {400, 420, 570, 340, 12},
                                              {400, 420, 400, 440, 12},
                                              {430, 403, 600, 323, 9},
                                              {600, 323, 600, 303, 9},
                                              {400, 303, 600, 303, 9},
                                              {400, 303, 400, 403, 9},
                                              {400, 403, 430, 403, 9}})
            lineOnScreen(*expected, static_cast<float>(x1), static_cast<float>(y1) + y,
                         static_cast<float>(x2), static_cast<float>(y2) + y,
                         static_cast<std::uint8_t>(colour));
    }
    for (int y = 120; y < kScreenHeight; ++y)
        for (int x = 397; x < kScreenWidth; ++x)
            ASSERT_EQ(run.pixel(x, y), expected->rowPixels(y)[x]) << x << "," << y;
    // Between the turned piece and the next one down lie two black pixel rows.
    EXPECT_EQ(int{run.pixel(500, 301)}, 0);
    EXPECT_EQ(int{run.pixel(500, 302)}, 0);
    // The measuring line in colour 10 with its five ticks, broken only where the values
    // beside it are printed over it: " 300" on row 14 and " 650" on row 23 reach x 359.
    for (int y : {153, 160, 200, 240, 270, 300, 350, 400, 420, 440})
        EXPECT_EQ(int{run.pixel(350, y)}, 10) << y;
    for (int y : {208, 215, 223, 352, 360, 367})
        EXPECT_NE(int{run.pixel(350, y)}, 10) << y;
    EXPECT_EQ(int{run.pixel(350, 207)}, 10);
    EXPECT_EQ(int{run.pixel(350, 368)}, 10);
    EXPECT_EQ(int{run.pixel(350, 449)}, 10);
    EXPECT_EQ(int{run.pixel(350, 450)}, 10);
    EXPECT_EQ(int{run.pixel(350, 451)}, 0);
    for (int y : {163, 280, 300, 420})
        for (int x : {345, 370, 395})
            EXPECT_EQ(int{run.pixel(x, y)}, 10) << x << "," << y;
    for (int x : {360, 395})
        EXPECT_EQ(int{run.pixel(x, 440)}, 10) << x;
    EXPECT_EQ(int{run.pixel(396, 440)}, 0);
}

TEST(TrapezoidLayoutScreen, EnterAfterTheListingGoesBackToTheMenu) {
    const ProgramRun run = runProgram(kWorkedExample + keys("12\n"));
    EXPECT_EQ(run.rowText(5), "M E N U");
    EXPECT_EQ(run.rowText(27), "Zadec cislo a stiskni ENTER");
}

TEST(TrapezoidLayoutScreen, ZeroRunFillsTheListingWithInfinities) {
    // No hang and no stop: every mark but the first left one is infinite.
    const ProgramRun run = runProgram(keys("1\n0\n100\n250\n500\n50\n1\n"));
    EXPECT_EQ(run.rowText(7).substr(0, 4), "  50");
    EXPECT_EQ(run.rowText(5), " Vypis souradnic");
    EXPECT_EQ(run.rowText(28).substr(0, 16), "  klavesou ENTER");
    EXPECT_NE(run.cellAt(27, 3).character, ' ');
    // Values that are not numbers, or beyond any sheet, run through to the pause too.
    for (const char* script :
         {"1\nnan.0\n1\n2\n3\n4\n1\n", "1\n1e-38\n1\n3e38\n3e38\n-3e38\n1\n"}) {
        const ProgramRun odd = runProgram(keys(script));
        EXPECT_EQ(odd.rowText(28).substr(0, 16), "  klavesou ENTER") << script;
    }
}

} // namespace
