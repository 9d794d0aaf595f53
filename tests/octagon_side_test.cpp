// Menu item 9: the octagonal plate side, its arithmetic and its screen.
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/calculators.h"
#include "tests/harness.h"
#include "tests/printed.h"
#include "tests/screen_reading.h"

namespace {

void expectResults(const OctagonSide& octagon, const std::string& side, const std::string& leg,
                   const std::string& width) {
    EXPECT_EQ(printed(octagon.sideLength), side);
    EXPECT_EQ(printed(octagon.cornerLeg), leg);
    EXPECT_EQ(printed(octagon.totalWidth), width);
}

TEST(OctagonSide, SideLegAndWidthOfTheWorkedPlates) {
    const OctagonSide octagon = octagonSide(100, 10);
    EXPECT_EQ(octagon.massTonnes, 0.1f);
    EXPECT_EQ(octagon.thicknessMetres, 0.01f);
    EXPECT_EQ(printed(octagon.sideSquared), " 0.2631598");
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
    EXPECT_EQ(printed(octagonSide(10, 38).sideLength), " 83.21813");
    EXPECT_EQ(printed(octagonSide(10, 8).cornerLeg), " 128.2477");
}

TEST(OctagonSide, ZeroThicknessAndNegativeMassGiveInfinityAndNotANumber) {
    const OctagonSide flat = octagonSide(100, 0);
    EXPECT_EQ(flat.sideLength, INFINITY);
    EXPECT_EQ(flat.cornerLeg, INFINITY);
    EXPECT_EQ(flat.totalWidth, INFINITY);
    EXPECT_TRUE(std::isnan(octagonSide(0, 0).sideLength));
    const OctagonSide negative = octagonSide(-100, 10);
    EXPECT_EQ(printed(negative.sideSquared), "-0.2631598");
    EXPECT_TRUE(std::isnan(negative.sideLength));
    EXPECT_TRUE(std::isnan(negative.cornerLeg));
    EXPECT_TRUE(std::isnan(negative.totalWidth));
}

} // namespace
