// Menu item 9: the octagonal plate side, its arithmetic and its screen.
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/calculators.h"
#include "display/number_text.h"
#include "tests/harness.h"
#include "tests/pixel_counts.h"
#include "tests/screen_checks.h"

namespace {

void expectResults(const OctagonSide& octagon, const std::string& side, const std::string& leg,
                   const std::string& width) {
    EXPECT_EQ(numberText(octagon.sideLength), side);
    EXPECT_EQ(numberText(octagon.cornerLeg), leg);
    EXPECT_EQ(numberText(octagon.totalWidth), width);
}

TEST(OctagonSide, SideLegAndWidthOfTheWorkedPlates) {
    const OctagonSide octagon = octagonSide(100, 10);
    EXPECT_EQ(octagon.massTonnes, 0.1f);
    EXPECT_EQ(octagon.thicknessMetres, 0.01f);
    EXPECT_EQ(numberText(octagon.sideSquared), " 0.2631598");
    expectResults(octagon, " 512.9911", " 362.7395", " 1238.47");
    expectResults(octagonSide(1000, 20), " 1147.083", " 811.1101", " 2769.303");
    expectResults(octagonSide(0, 10), " 0", " 0", " 0");
}

TEST(OctagonSide, HalfTheMassOnHalfTheThicknessGivesTheSamePlate) {
    const OctagonSide full = octagonSide(100, 10);
    const OctagonSide half = octagonSide(50, 5);
    EXPECT_EQ(half.sideSquared, full.sideSquared);
    EXPECT_EQ(half.sideLength, full.sideLength);
    EXPECT_EQ(half.cornerLeg, full.cornerLeg);
    EXPECT_EQ(half.totalWidth, full.totalWidth);
}

TEST(OctagonSide, RootInSingleAndLegDividedInDouble) {
    // A double root gives the side 83.21814; a single division the leg 128.2478.
    EXPECT_EQ(numberText(octagonSide(10, 38).sideLength), " 83.21813");
    EXPECT_EQ(numberText(octagonSide(10, 8).cornerLeg), " 128.2477");
}

TEST(OctagonSide, ZeroThicknessAndNegativeMassGiveInfinityAndNotANumber) {
    const OctagonSide flat = octagonSide(100, 0);
    EXPECT_EQ(flat.sideLength, INFINITY);
    EXPECT_EQ(flat.cornerLeg, INFINITY);
    EXPECT_EQ(flat.totalWidth, INFINITY);
    EXPECT_TRUE(std::isnan(octagonSide(0, 0).sideLength));
    const OctagonSide negative = octagonSide(-100, 10);
    EXPECT_EQ(numberText(negative.sideSquared), "-0.2631598");
    EXPECT_TRUE(std::isnan(negative.sideLength));
    EXPECT_TRUE(std::isnan(negative.cornerLeg));
    EXPECT_TRUE(std::isnan(negative.totalWidth));
}

} // namespace

namespace {

TEST(OctagonSideScreen, SketchEntriesAndTheThreeResults) {
    const ProgramRun run = runProgram(keys("9\n100\n10\n"));
    expectBanner(run, longCreditTitle("TABLOX version 2.0"));
    // No title row: row 5 holds only the side and the corner leg.
    EXPECT_EQ(cellsText(run, 5, 1, 51), std::string(51, ' '));
    expectText(run, 5, 52, " 512.9911  362.7395 ", 12);
    expectText(run, 6, 1, " Hmotnost cinky v Kg    ? 100 ", 9);
    expectText(run, 7, 1, " Tlouska materialu v mm ? 10 ", 9);
    EXPECT_EQ(cellsText(run, 6, 27, 3), "100");
    EXPECT_EQ(cellsText(run, 7, 27, 2), "10");
    // The width over the lower dimension line, which shows on either side.
    expectText(run, 25, 50, " 1238.47 mm", 12);
    EXPECT_EQ(cellsText(run, 25, 49, 13), "# 1238.47 mm#");
    expectText(run, 28, 1, " pokracuj klavesou ENTER ", 11);

    // The octagon in colour 12: four sides of 81 pixels and four corners of 61, the
    // eight joints shared.
    EXPECT_EQ(countPixels(run, 12, 340, 140, 560, 360), 4 * 81 + 4 * 61 - 8);
    int offCorners = 0;
    for (int step = 0; step <= 60; ++step) {
        offCorners += run.pixel(490 + step, 150 + step) != 12; // upper right
        offCorners += run.pixel(550 - step, 290 + step) != 12; // lower right
        offCorners += run.pixel(350 + step, 210 - step) != 12; // upper left
        offCorners += run.pixel(350 + step, 290 + step) != 12; // lower left
    }
    EXPECT_EQ(offCorners, 0);
    expectRun(run, 410, 150, 490, 150, 12);
    expectRun(run, 410, 350, 490, 350, 12);
    expectRun(run, 350, 210, 350, 290, 12);
    expectRun(run, 550, 210, 550, 290, 12);
    // The dimension lines in colour 11; the width is printed over the lower one.
    expectRun(run, 350, 80, 350, 180, 11);
    expectRun(run, 550, 80, 550, 180, 11);
    expectRun(run, 410, 80, 410, 135, 11);
    expectRun(run, 490, 80, 490, 135, 11);
    expectRun(run, 350, 300, 350, 400, 11);
    expectRun(run, 550, 300, 550, 400, 11);
    expectRun(run, 340, 90, 560, 90, 11);
    expectRun(run, 340, 390, 391, 390, 11);
    expectRun(run, 488, 390, 560, 390, 11);
    EXPECT_EQ(countPixels(run, 11, 340, 140, 560, 360), 2 * 41 + 2 * 61);
}

TEST(OctagonSideScreen, LongSideTextRunsIntoTheCornerLegsCell) {
    // A side of 1.6e12 mm prints in 13 characters; the leg, printed after it from
    // column 62, covers its last three.
    const ProgramRun run = runProgram(keys("9\n1e20\n1\n"));
    expectText(run, 5, 52, " 1.62222e+ 1.147083e+012 ", 12);
    expectText(run, 25, 50, " 3.916386e+012 mm", 12);
}

TEST(OctagonSideScreen, NegativeMassPrintsNotANumberAndGoesOn) {
    const OctagonSide octagon = octagonSide(-100, 10);
    const ProgramRun run = runProgram(keys("9\n-100\n10\n"));
    expectText(run, 5, 52, numberText(octagon.sideLength), 12);
    expectText(run, 5, 62, numberText(octagon.cornerLeg), 12);
    expectText(run, 25, 50, numberText(octagon.totalWidth) + " mm", 12);
    const ProgramRun back = runProgram(keys("9\n-100\n10\n\n"));
    EXPECT_EQ(back.rowText(5), "M E N U");
    EXPECT_EQ(back.windows.opened, 3);
}

} // namespace
