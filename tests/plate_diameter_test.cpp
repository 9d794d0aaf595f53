// Menu item 8: the round plate diameter, its arithmetic and its screen.
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/calculators.h"
#include "display/number_text.h"
#include "tests/harness.h"
#include "tests/pixel_counts.h"
#include "tests/screen_checks.h"

namespace {

std::string outerDiameter(float mass, float inner, float thickness) {
    return numberText(plateDiameter(mass, inner, thickness).outerDiameter);
}

TEST(PlateDiameter, DiameterOfTheWorkedPlates) {
    const PlateDiameter plate = plateDiameter(100, 200, 10);
    EXPECT_EQ(plate.thicknessDm, 0.1f);
    EXPECT_EQ(plate.innerRadius, 1.0f);
    EXPECT_EQ(numberText(plate.innerMass), " 2.472431");
    EXPECT_EQ(numberText(plate.totalMass), " 102.4724");
    EXPECT_EQ(numberText(plate.outerDiameter), " 1287.572");
    EXPECT_EQ(outerDiameter(60, 0, 10), " 985.2433");
    EXPECT_EQ(outerDiameter(1000, 100, 20), " 2845.91");
    EXPECT_EQ(outerDiameter(0, 0, 10), " 0");
}

TEST(PlateDiameter, SquareRootIsTakenInDouble) {
    // With the root in single this plate comes out at 233.0602.
    EXPECT_EQ(outerDiameter(10, 164, 59), " 233.0601");
}

TEST(PlateDiameter, ZeroThicknessAndNegativeMassGiveInfinityAndNotANumber) {
    EXPECT_EQ(plateDiameter(100, 200, 0).outerDiameter, INFINITY);
    EXPECT_TRUE(std::isnan(plateDiameter(0, 0, 0).outerDiameter));
    // A negative mass larger than the hole's leaves a negative total under the root.
    const PlateDiameter plate = plateDiameter(-100, 200, 10);
    EXPECT_EQ(numberText(plate.totalMass), "-97.52757");
    EXPECT_TRUE(std::isnan(plate.outerDiameter));
}

} // namespace

namespace {

TEST(PlateDiameterScreen, SketchEntriesAndTheDiameterTwice) {
    const ProgramRun run = runProgram(keys("8\n100\n200\n10\n"));
    expectBanner(run, longCreditTitle("TABLOX version 2.0"), 75);
    expectText(run, 5, 1, "VYPOCET PRUMERU KRUHU ", 11);
    EXPECT_EQ(countPixels(run, 12, 350, 150, 550, 350), 564 + 112);
    EXPECT_EQ(countPixels(run, 12, 430, 230, 470, 270), 112);
    expectRun(run, 420, 210, 480, 210, 11);
    expectRun(run, 550, 80, 550, 230, 11);
    expectText(run, 7, 1, " Hmotnost cinky v Kg ? 100 ", 9);
    expectText(run, 8, 1, " Vnitrni prumer v mm ? 200 ", 9);
    expectText(run, 9, 1, " Tlouska materialu v mm ? 10 ", 9);
    EXPECT_EQ(cellsText(run, 7, 24, 3), "100");
    EXPECT_EQ(cellsText(run, 8, 24, 3), "200");
    EXPECT_EQ(cellsText(run, 9, 27, 2), "10");
    expectText(run, 13, 54, "# 200#", 11);
    expectText(run, 24, 39, "Vnejsi prumer kola bude  1287.572 mm ", 12);
    // The result again over the outer dimension line, which shows on either side.
    expectText(run, 6, 51, "# 1287.572 mm #", 11);
    // Neither the mass nor the thickness is echoed.
    for (int row = 10; row <= 23; ++row) {
        if (row == 13) continue; // the hole's echo
        EXPECT_EQ(run.rowText(row).find_first_of("0123456789"), std::string::npos) << row;
    }
    expectText(run, 28, 1, " pokracuj klavesou ENTER ", 11);
}

TEST(PlateDiameterScreen, ZeroThicknessPrintsInfinityAndGoesOn) {
    const std::string infinite = numberText(plateDiameter(100, 200, 0).outerDiameter);
    const ProgramRun run = runProgram(keys("8\n100\n200\n0\n"));
    expectText(run, 24, 39, "Vnejsi prumer kola bude " + infinite + " mm ", 12);
    expectText(run, 6, 52, infinite + " mm ", 11);
    const ProgramRun back = runProgram(keys("8\n100\n200\n0\n\n"));
    EXPECT_EQ(back.rowText(5), "M E N U");
}

} // namespace
