// Menu items 5 and 6, the mirrored trapezoid pairs, end to end: the sketches, the echoes
// beside them, the result rows and the four outcome screens.
#include <gtest/gtest.h>

#include <string>

#include "tests/expected_screen.h"
#include "tests/harness.h"

namespace {

void expectPixels(const ProgramRun& run, std::initializer_list<std::pair<int, int>> points,
                  int colour) {
    for (auto [x, y] : points)
        EXPECT_EQ(int{run.pixel(x, y)}, colour) << x << "," << y;
}

void expectSheetOutline(const ProgramRun& run) {
    expectPixels(
        run, {{300, 100}, {340, 100}, {550, 100}, {550, 175}, {300, 175}, {300, 250}, {425, 250}},
        11);
}

// Everything on the screen of item 5 but row 25, which depends on the outcome.
ExpectedScreen equalPairScreen(const std::string& sheetWidth) {
    ExpectedScreen expected;
    placeBanner(expected, "TABLOX version 2.0", Credit::Short);
    expected.place(6, 2, "Rozmer delky tabule A v mm", 9);
    expected.place(7, 1, "? 1000", 9);
    expected.place(9, 2, "Rozmer sirky tabule B v mm", 9);
    expected.place(10, 1, "? " + sheetWidth, 9);
    expected.place(12, 2, "Zadej delku lichobezniku A1 v mm", 9);
    expected.place(13, 1, "? 600", 9);
    expected.place(15, 2, "Zadej stranu B1 v mm    ", 9);
    expected.place(16, 1, "? 80", 9);
    expected.place(18, 2, "Zadej Stranu C1 v mm    ", 9);
    expected.place(19, 1, "? 200", 9);
    // Each echo one column left of its label, over it.
    expected.place(6, 50, " 1000", 9);
    expected.place(11, 70, " " + sheetWidth, 9);
    expected.place(16, 55, " 600", 9);
    expected.place(14, 43, " 80", 9);
    expected.place(13, 68, " 200", 9);
    expected.place(28, 2, "pokracuj klavesou ENTER", 11);
    expected.drawingIn(300, 100, 550, 250);
    return expected;
}

TEST(EqualTrapezoidsScreen, LabelsAndSketchBeforeTheFirstEntry) {
    const ProgramRun run = runProgram(keys("5\n"));
    ExpectedScreen expected;
    placeBanner(expected, "TABLOX version 2.0", Credit::Short);
    expected.place(6, 2, "Rozmer delky tabule A v mm", 9);
    expected.place(7, 1, "?", 9);
    expected.place(6, 51, "A", 9);
    expected.place(11, 71, "B", 9);
    expected.place(16, 56, "A1", 9);
    expected.place(14, 44, "B1", 9);
    expected.place(13, 69, "C1", 9);
    expected.drawingIn(300, 100, 550, 250);
    expected.check(run);
    expectSheetOutline(run);
    // The upper piece with its long side at the left, the lower one at the right.
    expectPixels(run,
                 {{302, 102},
                  {302, 150},
                  {302, 200},
                  {350, 102},
                  {500, 102},
                  {500, 130},
                  {500, 160},
                  {352, 190},
                  {548, 248},
                  {548, 160},
                  {548, 230},
                  {350, 200},
                  {350, 248},
                  {350, 225},
                  {420, 248},
                  {498, 170}},
                 12);
    EXPECT_EQ(int{run.pixel(400, 130)}, 0);
    EXPECT_EQ(int{run.pixel(302, 201)}, 0);
}

TEST(EqualTrapezoidsScreen, WorkedExampleFitsWithTheReserveInColourNine) {
    const ProgramRun run = runProgram(keys("5\n1000\n300\n600\n80\n200\n"));
    ExpectedScreen expected = equalPairScreen("300");
    expected.place(25, 1, " Tvary se vejdou na plech. Rezerva mezi tvary je:  100 mm", 9);
    expected.check(run);
    expectSheetOutline(run);
}

TEST(EqualTrapezoidsScreen, NarrowSheetShowsTheShortfallInColourTwelve) {
    const ProgramRun run = runProgram(keys("5\n1000\n150\n600\n80\n200\n"));
    ExpectedScreen expected = equalPairScreen("150");
    expected.place(25, 1, " Dva tvary se na plech nevejdou. Chybi ti -50 mm", 12);
    expected.check(run);
}

TEST(EqualTrapezoidsScreen, ExactFitAndNotANumber) {
    const ProgramRun exact = runProgram(keys("5\n1000\n200\n600\n80\n200\n"));
    EXPECT_EQ(exact.rowText(25), " Tvary se vejdou na plech. Rezerva mezi tvary je:  0 mm");
    // A1 = 0 with equal sides: 0 / 0 gives no width at all, shown as a shortfall.
    const ProgramRun nan = runProgram(keys("5\n1000\n300\n0\n80\n80\n"));
    EXPECT_EQ(nan.rowText(25).rfind(" Dva tvary se na plech nevejdou. Chybi ti ", 0), 0u);
    EXPECT_EQ(nan.cellAt(25, 2).colour, 12);
    EXPECT_EQ(nan.rowText(25).substr(nan.rowText(25).size() - 3), " mm");
    // ENTER at the pause goes back to the menu.
    const ProgramRun back = runProgram(keys("5\n1000\n200\n600\n80\n200\n\n"));
    EXPECT_EQ(back.rowText(5), "M E N U");
}

// The inputs of item 6 as typed: A, B, A1, B1, C1, A2, B2, C2.
struct Outcome {
    const char* inputs[8];
    bool upperReachesDown; // a = 225
    bool lowerReachesUp;   // c = 130
    const char* row25;
    const char* row26;
};

const Outcome kOutcomes[] = {
    {{"1000", "300", "600", "80", "200", "500", "50", "250"},
     false,
     false,
     "Strana B2 nezasahuje do spodniho tvaru. Rezerva je:  150 mm",
     "Strana B1 nezasahuje do vrchniho tvaru. Rezerva je:  130 mm"},
    {{"1000", "160", "600", "80", "200", "500", "50", "250"},
     true,
     false,
     "Strana B2 nezasahuje do spodniho tvaru. Rezerva je:  10 mm",
     "Strana B1 vsak zasahuje do vrchniho tvaru. Chybi ti: -10 mm"},
    {{"1000", "165", "600", "80", "320", "500", "50", "200"},
     false,
     true,
     "Strana B2 zasahuje do spodniho tvaru. Chybi ti: -5 mm",
     "Strana B1 nezasahuje do vrchniho tvaru. Rezerva:  5 mm"},
    {{"1000", "150", "600", "80", "320", "500", "50", "200"},
     true,
     true,
     "Strana B2 zasahuje do spodniho tvaru. Chybi ti: -20 mm",
     "Strana B1 zasahuje do vrchniho tvaru. Chybi ti: -10 mm"},
};

// The echo cells of item 6 in the order of entry.
const std::pair<int, int> kEchoCells[] = {{6, 50},  {11, 70}, {16, 55}, {14, 43},
                                          {13, 68}, {7, 51},  {9, 62},  {10, 37}};

std::string typed(const Outcome& outcome, int count) {
    std::string script = "6\n";
    for (int i = 0; i < count; ++i)
        script += std::string(outcome.inputs[i]) + "\n";
    return script;
}

TEST(TwoTrapezoidsScreen, InputScreenWithItsOwnSketchEchoesAndPrompts) {
    // Seven values typed; the eighth is being asked for.
    const ProgramRun run = runProgram(keys(typed(kOutcomes[0], 7)));
    ExpectedScreen expected;
    placeBanner(expected, "TABLOX version 1.7", Credit::Long);
    const char* prompts[] = {"Rozmer delky tabule A",
                             "Rozmer sirky tabule B",
                             "Zadej delku lichobezniku A1",
                             "Zadej stranu B1         ",
                             "Zadej delku druheho lichobezniku A2",
                             "Zadej Stranu C1         ",
                             "Zadej stranu B2         ",
                             "Zadej Stranu C2         "};
    // Row 14 asks for C1 and row 16 for A2.
    std::swap(prompts[4], prompts[5]);
    for (int i = 0; i < 8; ++i)
        expected.place(6 + 2 * i, 2, prompts[i], 9);
    for (int i = 0; i < 7; ++i) {
        expected.place(7 + 2 * i, 1, std::string("? ") + kOutcomes[0].inputs[i], 9);
        expected.place(kEchoCells[i].first, kEchoCells[i].second,
                       std::string(" ") + kOutcomes[0].inputs[i], 9);
    }
    expected.place(21, 1, "?", 9);
    expected.place(10, 38, "C2", 9); // not yet echoed over
    expected.drawingIn(300, 100, 550, 250);
    expected.check(run);
    // A2's echo stands on its label's own cell: the blank on column 51.
    EXPECT_EQ(run.cellAt(7, 51).character, ' ');
    EXPECT_EQ(run.cellAt(7, 52).character, '5');

    expectSheetOutline(run);
    // The upper piece's long side reaches down to 215 and its slant rises to (500,150).
    expectPixels(run, {{302, 102}, {302, 215}, {500, 150}, {500, 102}, {350, 102}}, 12);
    expectPixels(run, {{548, 248}, {548, 160}, {350, 200}, {350, 248}}, 12);
    EXPECT_EQ(int{run.pixel(302, 216)}, 0);
    EXPECT_EQ(int{run.pixel(500, 155)}, 0);
    EXPECT_EQ(int{run.pixel(450, 166)}, 12); // on the slant
}

TEST(TwoTrapezoidsScreen, EachOutcomeReachesItsOwnScreen) {
    for (const Outcome& outcome : kOutcomes) {
        SCOPED_TRACE(outcome.row26);
        const ProgramRun run = runProgram(keys(typed(outcome, 8)));
        ExpectedScreen expected;
        expected.place(1, 1, titleLine("TABLOX version 1.7", Credit::Short), 11);
        expected.place(2, 1, webLine(std::string(15, '*')), 11);
        expected.place(3, 1, std::string(34, '*') + "   version with vector computering kerner",
                       11);
        expected.place(4, 1, std::string(75, '*'), 11);
        for (int i = 0; i < 8; ++i)
            expected.place(kEchoCells[i].first, kEchoCells[i].second,
                           std::string(" ") + outcome.inputs[i], 9);
        expected.place(25, 1, outcome.row25, 9);
        expected.place(26, 1, outcome.row26, 9);
        expected.place(28, 2, "pokracuj klavesou ENTER", 11);
        expected.drawingIn(300, 100, 550, 250);
        expected.check(run);

        expectSheetOutline(run);
        const int a = outcome.upperReachesDown ? 225 : 200;
        const int c = outcome.lowerReachesUp ? 130 : 160;
        expectPixels(run, {{302, 102}, {302, a}, {350, 102}, {500, 102}, {500, 160}}, 12);
        expectPixels(run, {{548, 248}, {548, c}, {350, 200}, {350, 248}, {420, 248}}, 12);
        EXPECT_EQ(int{run.pixel(302, a + 1)}, 0);
        EXPECT_EQ(int{run.pixel(302, 220)}, outcome.upperReachesDown ? 12 : 0);
        EXPECT_EQ(int{run.pixel(548, c - 1)}, 0);
        EXPECT_EQ(int{run.pixel(548, 140)}, outcome.lowerReachesUp ? 12 : 0);
        // The input screen's slant to (500,150) is not on any outcome screen.
        EXPECT_EQ(int{run.pixel(450, 166)}, 0);
    }
}

TEST(TwoTrapezoidsScreen, ZeroLengthsStillReachAnOutcome) {
    // A1 = 0 with C1 = B1 makes the width at B2 not a number: B2 counts as intruding.
    const ProgramRun run = runProgram(keys("6\n1000\n300\n0\n80\n80\n500\n50\n250\n"));
    EXPECT_EQ(run.rowText(25).rfind("Strana B2 zasahuje do spodniho tvaru. Chybi ti: ", 0), 0u);
    EXPECT_EQ(run.rowText(26).rfind("Strana B1 nezasahuje do vrchniho tvaru. Rezerva: ", 0), 0u);
    EXPECT_EQ(int{run.pixel(548, 140)}, 12);
    // A sheet width that is not a number fits nowhere: both sides intrude.
    const ProgramRun nanWidth = runProgram(keys("6\n1000\nnan.0\n600\n80\n200\n500\n50\n250\n"));
    EXPECT_EQ(nanWidth.rowText(25).rfind("Strana B2 zasahuje do spodniho tvaru. Chybi ti: ", 0),
              0u);
    EXPECT_EQ(nanWidth.rowText(26).rfind("Strana B1 zasahuje do vrchniho tvaru. Chybi ti: ", 0),
              0u);
    const ProgramRun back = runProgram(keys(typed(kOutcomes[0], 8) + "\n"));
    EXPECT_EQ(back.rowText(5), "M E N U");
}

} // namespace
