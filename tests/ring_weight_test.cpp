// Menu item 7: the ring weight, its arithmetic and its screen.
#include <gtest/gtest.h>

#include "calculators/calculators.h"
#include "tests/harness.h"
#include "tests/printed.h"
#include "tests/screen_reading.h"

namespace {

std::string ringMass(float outer, float inner, float thickness) {
    return printed(ringWeight(outer, inner, thickness).ringMass);
}

TEST(RingWeight, MassOfTheWorkedRings) {
    const RingWeight ring = ringWeight(1000, 200, 10);
    EXPECT_EQ(ring.outerRadius, 5.0f);
    EXPECT_EQ(ring.innerRadius, 1.0f);
    EXPECT_EQ(ring.thicknessDm, 0.1f);
    EXPECT_EQ(printed(ring.outerMass), " 61.81078");
    EXPECT_EQ(printed(ring.innerMass), " 2.472431");
    EXPECT_EQ(printed(ring.ringMass), " 59.33835");
    EXPECT_EQ(ringMass(500, 100, 20), " 29.66918");
    EXPECT_EQ(ringMass(300, 0, 10), " 5.562971");
    EXPECT_EQ(ringMass(100, 100, 10), " 0");
    EXPECT_EQ(ringMass(1, 0, 1), " 6.181078e-06");
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
