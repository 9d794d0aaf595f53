// Menu item 8: the round plate diameter, its arithmetic and its screen.
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/calculators.h"
#include "tests/harness.h"
#include "tests/printed.h"
#include "tests/screen_reading.h"

namespace {

std::string outerDiameter(float mass, float inner, float thickness) {
    return printed(plateDiameter(mass, inner, thickness).outerDiameter);
}

TEST(PlateDiameter, DiameterOfTheWorkedPlates) {
    const PlateDiameter plate = plateDiameter(100, 200, 10);
    EXPECT_EQ(plate.thicknessDm, 0.1f);
    EXPECT_EQ(plate.innerRadius, 1.0f);
    EXPECT_EQ(printed(plate.innerMass), " 2.472431");
    EXPECT_EQ(printed(plate.totalMass), " 102.4724");
    EXPECT_EQ(printed(plate.outerDiameter), " 1287.572");
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
    EXPECT_EQ(printed(plate.totalMass), "-97.52757");
    EXPECT_TRUE(std::isnan(plate.outerDiameter));
}

} // namespace
