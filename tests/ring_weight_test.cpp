// Menu item 7: the ring weight, its arithmetic and its screen.
#include <gtest/gtest.h>

#include "calculators/calculators.h"
#include "display/number_text.h"
#include "tests/harness.h"
#include "tests/pixel_counts.h"
#include "tests/screen_checks.h"

namespace {

std::string ringMass(float outer, float inner, float thickness) {
    return numberText(ringWeight(outer, inner, thickness).ringMass);
}

TEST(RingWeight, MassOfTheWorkedRings) {
    const RingWeight ring = ringWeight(1000, 200, 10);
    EXPECT_EQ(ring.outerRadius, 5.0f);
    EXPECT_EQ(ring.innerRadius, 1.0f);
    EXPECT_EQ(ring.thicknessDm, 0.1f);
    EXPECT_EQ(numberText(ring.outerMass), " 61.81078");
    EXPECT_EQ(numberText(ring.innerMass), " 2.472431");
    EXPECT_EQ(numberText(ring.ringMass), " 59.33835");
    EXPECT_EQ(ringMass(500, 100, 20), " 29.66918");
    EXPECT_EQ(ringMass(300, 0, 10), " 5.562971");
    EXPECT_EQ(ringMass(100, 100, 10), " 0");
    EXPECT_EQ(ringMass(1, 0, 1), " 6.181078e-006");
}

TEST(RingWeight, RadiiAndMassesAreScaledInDoubleAndSquaredInSingle) {
    // Done wholly in single or wholly in double, this ring weighs 0.4944863.
    EXPECT_EQ(ringMass(100, 0, 8), " 0.4944862");
}

TEST(RingWeight, UncheckedInputsFlowThroughTheFormula) {
    EXPECT_EQ(ringMass(1000, 200, 0), " 0");
    EXPECT_EQ(ringMass(200, 1000, 10), "-59.33835");   // hole larger than the disc
    EXPECT_EQ(ringMass(-1000, -200, 10), " 59.33835"); // the radii are squared
    EXPECT_EQ(ringMass(1000, 200, -10), "-59.33835");
}

} // namespace

namespace {

// The pixels of the ring sketch: both circles and the six dimension lines.
void expectRingSketch(const ProgramRun& run) {
    // Both circles in colour 12 and nothing else of that colour about them.
    EXPECT_EQ(countPixels(run, 12, 350, 150, 550, 350), 564 + 112);
    EXPECT_EQ(countPixels(run, 12, 430, 230, 470, 270), 112);
    expectRun(run, 350, 249, 350, 251, 12);
    expectRun(run, 550, 249, 550, 251, 12);
    expectRun(run, 441, 350, 459, 350, 12);
    expectRun(run, 447, 230, 453, 230, 12);
    // The extension and dimension lines in colour 11.
    expectRun(run, 350, 80, 350, 230, 11);
    expectRun(run, 550, 80, 550, 230, 11);
    expectRun(run, 340, 90, 400, 90, 11);
    expectRun(run, 520, 90, 560, 90, 11);
    expectRun(run, 430, 208, 430, 230, 11);
    expectRun(run, 470, 208, 470, 230, 11);
    expectRun(run, 420, 210, 480, 210, 11);
    EXPECT_EQ(run.pixel(349, 90), 11);
    EXPECT_EQ(run.pixel(339, 90), 0);
    EXPECT_EQ(run.pixel(561, 90), 0);
}

TEST(RingWeightScreen, SketchEntriesEchoesAndMass) {
    const ProgramRun run = runProgram(keys("7\n1000\n200\n10\n"));
    expectBanner(run, longCreditTitle("TABLOX version 2.0"));
    expectText(run, 5, 1, "VYPOCET HMOTNOSTI KOLA S DIROU ", 11);
    expectRingSketch(run);
    // Each label stays on its row and the typing follows it there.
    expectText(run, 7, 1, " Vnejsi prumer v mm ? 1000 ", 9);
    expectText(run, 8, 1, " Vnitrni prumer v mm ? 200 ", 9);
    expectText(run, 9, 1, " Tloustka v mm ? 10 ", 9);
    EXPECT_EQ(cellsText(run, 7, 23, 4), "1000");
    EXPECT_EQ(cellsText(run, 8, 24, 3), "200");
    EXPECT_EQ(cellsText(run, 9, 18, 2), "10");
    // The outer diameter with " mm " over its dimension line, which shows on either side.
    expectText(run, 6, 53, "# 1000 mm #", 11);
    // The hole without a unit, between its extension lines.
    expectText(run, 13, 54, "# 200#", 11);
    // The thickness is shown nowhere else.
    for (int row = 10; row <= 23; ++row) {
        if (row == 13) continue; // the hole's echo
        EXPECT_EQ(run.rowText(row).find_first_of("0123456789"), std::string::npos) << row;
    }
    expectText(run, 24, 39, "Celkova hmotnost KOLA 59.33835 Kg ", 12);
    expectText(run, 28, 1, " pokracuj klavesou ENTER ", 11);
}

TEST(RingWeightScreen, ExponentMassAndThePauseBackToTheMenu) {
    const ProgramRun tiny = runProgram(keys("7\n1\n0\n1\n"));
    expectText(tiny, 24, 39, "Celkova hmotnost KOLA 6.181078e-006 Kg ", 12);
    const ProgramRun flat = runProgram(keys("7\n1000\n200\n0\n"));
    expectText(flat, 24, 39, "Celkova hmotnost KOLA 0 Kg ", 12);
    const ProgramRun back = runProgram(keys("7\n1000\n200\n10\n12\n"));
    EXPECT_EQ(back.rowText(5), "M E N U");
    EXPECT_EQ(back.windows.opened, 3);
}

} // namespace
