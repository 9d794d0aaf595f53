// Menu item 3: the strip and sheet plan, its arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calculators/calculators.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(FloorSingle, RoundsTowardMinusInfinity) {
    EXPECT_EQ(floorSingle(2.9999f), 2.0f);
    EXPECT_EQ(floorSingle(-0.5f), -1.0f);
    EXPECT_EQ(floorSingle(-1.4e-45f), -1.0f);
    EXPECT_EQ(floorSingle(0.99999994f), 0.0f);
    EXPECT_EQ(floorSingle(7), 7.0f);
    EXPECT_EQ(floorSingle(-7), -7.0f);
    EXPECT_EQ(floorSingle(8388607.5f), 8388607.0f);
    EXPECT_EQ(floorSingle(-8388607.5f), -8388608.0f);
    // Past every integer type a conversion could use, and the values that are no numbers.
    EXPECT_EQ(floorSingle(3e38f), 3e38f);
    EXPECT_EQ(floorSingle(-3e38f), -3e38f);
    EXPECT_EQ(floorSingle(kInf), kInf);
    EXPECT_EQ(floorSingle(-kInf), -kInf);
    EXPECT_TRUE(std::isnan(floorSingle(kNaN)));
}

TEST(StripPlan, RestEqualToTheWidthHoldsTurnedPieces) {
    const StripPlan p = stripPlan(300, 200, 100, 2000, 1000, 3);
    EXPECT_EQ(p.fitA, 6.0f);
    EXPECT_EQ(p.fitB, 5.0f);
    EXPECT_EQ(p.restLength, 200.0f);
    EXPECT_EQ(p.restUsed, 1.0f);
    EXPECT_EQ(p.restAcross, 1.0f);
    EXPECT_EQ(p.restAlong, 3.0f);
    EXPECT_EQ(p.restPieces, 3.0f);
    EXPECT_EQ(p.perSheet, 33.0f); // 30 from the grid are too few for 100
    EXPECT_EQ(p.sheets, 100.0f / 33.0f);
    EXPECT_EQ(p.sheetsShown, 3.0f);
    EXPECT_EQ(p.stripsAcross, 20.0f);
    EXPECT_EQ(p.stripsAlong, 100.0f / 6.0f);
    EXPECT_EQ(p.weightRaw, 0.143090904f);
    EXPECT_EQ(p.weightShown, 0.0f);
    // The single-precision steps give just under 10.
    EXPECT_EQ(p.wasteRaw, 9.99999905f);
    EXPECT_EQ(p.wastePercent, 9.0f);
    EXPECT_EQ(p.wholeSheets, 3.0f);
    EXPECT_EQ(p.lastSheetPercent, 3.0f);
}

TEST(StripPlan, RestCountsOnlyWhenTheGridIsTooSmall) {
    const StripPlan p = stripPlan(300, 200, 20, 2000, 1000, 3);
    EXPECT_EQ(p.restUsed, 1.0f);
    EXPECT_EQ(p.restPieces, 3.0f);
    EXPECT_EQ(p.perSheet, 30.0f);
    EXPECT_EQ(p.sheets, 0.666666687f);
    EXPECT_EQ(p.sheetsShown, 0.600000024f);
    EXPECT_EQ(p.wholeSheets, 0.0f);
    EXPECT_EQ(p.lastSheetRaw, 66.6666718f);
    EXPECT_EQ(p.lastSheetPercent, 66.0f);
}

TEST(StripPlan, RoundsDownToOneDecimalAndAQuarterTonne) {
    const StripPlan p = stripPlan(700, 300, 50, 2000, 1000, 5);
    EXPECT_EQ(p.fitA, 2.0f);
    EXPECT_EQ(p.fitB, 3.0f);
    EXPECT_EQ(p.restLength, 600.0f);
    EXPECT_EQ(p.restAcross, 2.0f);
    EXPECT_EQ(p.restAlong, 1.0f);
    EXPECT_EQ(p.perSheet, 8.0f);
    EXPECT_EQ(p.sheets, 6.25f);
    EXPECT_EQ(p.sheetsShown, 6.19999981f); // 6.2, not 6.3
    EXPECT_EQ(p.weightRaw, 0.491874993f);
    EXPECT_EQ(p.weightShown, 0.25f);
    EXPECT_EQ(p.wastePercent, 37.0f);
    EXPECT_EQ(p.lastSheetPercent, 25.0f);
}

TEST(StripPlan, PiecesThatTileTheSheetLeaveNoWaste) {
    const StripPlan p = stripPlan(500, 250, 1000, 2500, 1250, 2);
    EXPECT_EQ(p.restUsed, 0.0f);
    EXPECT_EQ(p.restPieces, 0.0f);
    EXPECT_EQ(p.perSheet, 25.0f);
    EXPECT_EQ(p.sheets, 40.0f);
    EXPECT_EQ(p.weightRaw, 1.96749997f);
    EXPECT_EQ(p.weightShown, 1.75f);
    EXPECT_EQ(p.wasteRaw, 0.0f);
    EXPECT_EQ(p.wastePercent, 0.0f);
    EXPECT_EQ(p.lastSheetPercent, 0.0f);
}

TEST(StripPlan, RestNarrowerThanThePieceIsNotUsed) {
    const StripPlan p = stripPlan(300, 250, 100, 2000, 1000, 3);
    EXPECT_EQ(p.restLength, 200.0f);
    EXPECT_EQ(p.restUsed, 0.0f);
    EXPECT_EQ(p.restAcross, 0.0f);
    EXPECT_EQ(p.restAlong, 0.0f);
    EXPECT_EQ(p.perSheet, 24.0f);
}

TEST(StripPlan, ZeroSizesGiveInfinitiesAndNaNsWithoutStopping) {
    const StripPlan zeroPiece = stripPlan(0, 0, 10, 2000, 1000, 3);
    EXPECT_EQ(zeroPiece.fitA, kInf);
    EXPECT_TRUE(std::isnan(zeroPiece.restLength)); // 2000 - 0 x inf
    EXPECT_EQ(zeroPiece.restUsed, 0.0f);           // a NaN rest is not used
    EXPECT_EQ(zeroPiece.sheets, 0.0f);             // 10 / inf
    EXPECT_EQ(zeroPiece.stripsAlong, 0.0f);

    const StripPlan nothing = stripPlan(0, 0, 0, 0, 0, 0);
    EXPECT_TRUE(std::isnan(nothing.fitA));
    EXPECT_TRUE(std::isnan(nothing.perSheet));
    EXPECT_TRUE(std::isnan(nothing.sheets));
    EXPECT_TRUE(std::isnan(nothing.wastePercent));
    EXPECT_TRUE(std::isnan(nothing.lastSheetPercent));
    EXPECT_EQ(nothing.restUsed, 0.0f);

    // The sheet area overflows to infinity in single precision, and so does the weight.
    const StripPlan huge = stripPlan(1e20f, 1e20f, 1e30f, 3e38f, 3e38f, 1);
    EXPECT_EQ(huge.fitA, floorSingle(3e38f / 1e20f));
    EXPECT_GT(huge.sheets, 0.0f);
    EXPECT_EQ(huge.weightRaw, kInf);
    EXPECT_EQ(huge.weightShown, kInf);
}

} // namespace
