// The arithmetic of the three trapezoid calculations (menu items 1, 5 and 6).
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "calculators/calculators.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(StripLayout, WorkedExample) {
    const StripLayout layout = stripLayout(400, 250, 500, 50);
    EXPECT_EQ(layout.extendedHeight, 300.0f);
    EXPECT_EQ(layout.saving, 30.0f);
    EXPECT_EQ(layout.leftMarks[1], 350.0f);
    EXPECT_EQ(layout.leftMarks[2], 400.0f);
    EXPECT_EQ(layout.rightMarks[2], 650.0f);
    EXPECT_EQ(layout.leftMarks[19], 3500.0f);
    EXPECT_EQ(layout.leftMarks[20], 3550.0f);
    EXPECT_EQ(layout.rightMarks[19], 3500.0f);
    EXPECT_EQ(layout.rightMarks[20], 3800.0f);
    // Whole millimetres add exactly: a slanted cut n has the left mark (n+1)E + nW and the
    // right mark nE + (n+1)W, a square cut n both at (n+1)(E+W).
    for (int n = 0; n <= 10; ++n) {
        const auto slanted = static_cast<std::size_t>(2 * n);
        EXPECT_EQ(layout.leftMarks[slanted], static_cast<float>((n + 1) * 50 + n * 300)) << n;
        EXPECT_EQ(layout.rightMarks[slanted], static_cast<float>(n * 50 + (n + 1) * 300)) << n;
        if (n == 10) break;
        EXPECT_EQ(layout.leftMarks[slanted + 1], static_cast<float>((n + 1) * 350)) << n;
        EXPECT_EQ(layout.rightMarks[slanted + 1], static_cast<float>((n + 1) * 350)) << n;
    }
}

TEST(StripLayout, ConsistentSizesReachAboveTheTallSide) {
    // D = A + B: W = C + (C - E) B / A = 200 + 120 * 200 / 300.
    const StripLayout layout = stripLayout(300, 200, 500, 80);
    EXPECT_EQ(layout.extendedHeight, 280.0f);
    EXPECT_EQ(layout.saving, 10.0f); // 100 - 360 / 400 * 100
}

TEST(StripLayout, MarksAreTwoSeparateRunningSumsNotProducts) {
    // Fractional sizes: every mark is the mark before plus E or W, rounded to single at
    // each step, so the two edges drift apart in the last bit.
    const float e = 0.1f;
    const StripLayout layout = stripLayout(1, 0.8f, 1, e);
    const float w = layout.extendedHeight;
    EXPECT_EQ(layout.rightMarks[0], w);
    EXPECT_EQ(layout.leftMarks[0], e);
    int edgesDiffer = 0;
    int notProducts = 0;
    for (std::size_t i = 1; i < 21; ++i) {
        const bool squareCut = i % 2 == 1;
        EXPECT_EQ(layout.rightMarks[i], layout.rightMarks[i - 1] + (squareCut ? e : w)) << i;
        EXPECT_EQ(layout.leftMarks[i], layout.leftMarks[i - 1] + (squareCut ? w : e)) << i;
        if (squareCut && layout.leftMarks[i] != layout.rightMarks[i]) ++edgesDiffer;
        if (squareCut && layout.rightMarks[i] != static_cast<float>((i + 1) / 2) * (e + w))
            ++notProducts;
    }
    EXPECT_GT(edgesDiffer, 0);
    EXPECT_GT(notProducts, 0);
}

TEST(StripLayout, EqualSidesGiveSquareCutsOnly) {
    const StripLayout layout = stripLayout(400, 120, 500, 120);
    EXPECT_EQ(layout.extendedHeight, 120.0f);
    EXPECT_EQ(layout.saving, 0.0f);
    for (std::size_t i = 0; i < 21; ++i) {
        EXPECT_EQ(layout.leftMarks[i], layout.rightMarks[i]) << i;
        EXPECT_EQ(layout.leftMarks[i], static_cast<float>(120 * (i + 1))) << i;
    }
}

TEST(StripLayout, ZeroRunOrZeroTallSideFlowThroughAsInfinityOrNaN) {
    const StripLayout steep = stripLayout(0, 250, 500, 50);
    EXPECT_EQ(steep.extendedHeight, kInf);
    EXPECT_EQ(steep.leftMarks[0], 50.0f);
    for (std::size_t i = 1; i < 21; ++i)
        EXPECT_EQ(steep.leftMarks[i], kInf) << i;
    for (std::size_t i = 0; i < 21; ++i)
        EXPECT_EQ(steep.rightMarks[i], kInf) << i;
    EXPECT_EQ(steep.saving, -kInf);

    const StripLayout flatAndZero = stripLayout(0, 50, 500, 50); // 0 / 0
    EXPECT_TRUE(std::isnan(flatAndZero.extendedHeight));
    EXPECT_EQ(flatAndZero.leftMarks[0], 50.0f);
    EXPECT_TRUE(std::isnan(flatAndZero.leftMarks[20]));
    EXPECT_TRUE(std::isnan(flatAndZero.saving));

    const StripLayout noTallSide = stripLayout(400, 0, 500, 50);
    EXPECT_EQ(noTallSide.extendedHeight, -12.5f); // -50 / 400 * 500 + 50
    EXPECT_EQ(noTallSide.saving, -kInf);          // 100 - (37.5 / 0) * 100
    EXPECT_TRUE(std::isnan(stripLayout(400, 0, 500, 0).saving));
}

TEST(EqualTrapezoids, WorkedExampleFitsWithReserveOrFallsShort) {
    const EqualPairFit fits = equalTrapezoidsFit(1000, 300, 600, 80, 200);
    EXPECT_EQ(fits.neededWidth, 200.0f);
    EXPECT_EQ(fits.reserve, 100.0f);
    EXPECT_TRUE(fits.fits);
    const EqualPairFit shortfall = equalTrapezoidsFit(1000, 150, 600, 80, 200);
    EXPECT_EQ(shortfall.neededWidth, 200.0f);
    EXPECT_EQ(shortfall.reserve, -50.0f);
    EXPECT_FALSE(shortfall.fits);
    const EqualPairFit exact = equalTrapezoidsFit(1000, 200, 600, 80, 200);
    EXPECT_TRUE(exact.fits);
    EXPECT_EQ(exact.reserve, 0.0f);
}

TEST(EqualTrapezoids, ShapesWithoutShiftOrSlope) {
    EXPECT_EQ(equalTrapezoidsFit(600, 300, 600, 80, 200).neededWidth, 280.0f);    // A = A1
    EXPECT_EQ(equalTrapezoidsFit(1234, 300, 617, 80, 200).neededWidth, 160.0f);   // A = 2 A1
    EXPECT_EQ(equalTrapezoidsFit(1234.5f, 300, 600, 70, 70).neededWidth, 140.0f); // B1 = C1
}

TEST(EqualTrapezoids, DividesBeforeMultiplying) {
    // 182 - (162 / 600) * 400: the rounded quotient leaves the width one step below 74.
    EXPECT_EQ(equalTrapezoidsFit(1000, 300, 600, 10, 172).neededWidth, std::nextafter(74.0f, 0.0f));
}

TEST(EqualTrapezoids, ZeroPieceLength) {
    const EqualPairFit nan = equalTrapezoidsFit(1000, 300, 0, 80, 80); // 0 / 0
    EXPECT_TRUE(std::isnan(nan.neededWidth));
    EXPECT_TRUE(std::isnan(nan.reserve));
    EXPECT_FALSE(nan.fits);
    const EqualPairFit infinite = equalTrapezoidsFit(1000, 300, 0, 200, 80);
    EXPECT_EQ(infinite.neededWidth, kInf);
    EXPECT_EQ(infinite.reserve, -kInf);
    EXPECT_FALSE(infinite.fits);
}

TrapezoidPiece piece(float length, float shortSide, float longSide) {
    return {length, shortSide, longSide};
}

TEST(TwoTrapezoids, WorkedExampleBothClearThenSideB1Intrudes) {
    const MirroredPairFit clear =
        twoTrapezoidsFit(1000, 300, piece(600, 80, 200), piece(500, 50, 250));
    EXPECT_EQ(clear.widthAtB2, 150.0f);
    EXPECT_EQ(clear.widthAtB1, 170.0f);
    EXPECT_EQ(clear.reserveAtB2, 150.0f);
    EXPECT_EQ(clear.reserveAtB1, 130.0f);
    EXPECT_FALSE(clear.b2Intrudes);
    EXPECT_FALSE(clear.b1Intrudes);

    const MirroredPairFit b1 =
        twoTrapezoidsFit(1000, 160, piece(600, 80, 200), piece(500, 50, 250));
    EXPECT_EQ(b1.reserveAtB2, 10.0f);
    EXPECT_EQ(b1.reserveAtB1, -10.0f);
    EXPECT_FALSE(b1.b2Intrudes);
    EXPECT_TRUE(b1.b1Intrudes);

    const MirroredPairFit onTheLine =
        twoTrapezoidsFit(1000, 170, piece(600, 80, 200), piece(500, 50, 250));
    EXPECT_FALSE(onTheLine.b1Intrudes);
    EXPECT_EQ(onTheLine.reserveAtB1, 0.0f);
}

TEST(TwoTrapezoids, SideB2IntrudesAloneOrBothIntrude) {
    // Width at B2 = 370 - 240 * 500 / 600 = 170, width at B1 = 280 - 150 * 400 / 500 = 160.
    const MirroredPairFit b2 =
        twoTrapezoidsFit(1000, 165, piece(600, 80, 320), piece(500, 50, 200));
    EXPECT_EQ(b2.widthAtB2, 170.0f);
    EXPECT_EQ(b2.widthAtB1, 160.0f);
    EXPECT_TRUE(b2.b2Intrudes);
    EXPECT_FALSE(b2.b1Intrudes);
    EXPECT_EQ(b2.reserveAtB2, -5.0f);
    EXPECT_EQ(b2.reserveAtB1, 5.0f);
    const MirroredPairFit both =
        twoTrapezoidsFit(1000, 150, piece(600, 80, 320), piece(500, 50, 200));
    EXPECT_TRUE(both.b2Intrudes);
    EXPECT_TRUE(both.b1Intrudes);
}

TEST(TwoTrapezoids, MultipliesBeforeDividing) {
    // 182 - 162 * 400 / 600 is exactly 74, where dividing first misses it by one step.
    const MirroredPairFit fit =
        twoTrapezoidsFit(1000, 300, piece(600, 10, 172), piece(600, 10, 172));
    EXPECT_EQ(fit.widthAtB2, 74.0f);
    EXPECT_NE(fit.widthAtB2, equalTrapezoidsFit(1000, 300, 600, 10, 172).neededWidth);
}

TEST(TwoTrapezoids, EqualPiecesGiveBitIdenticalWidths) {
    const float sizes[][4] = {{1000, 600, 80, 200},
                              {1234.5f, 777.7f, 41.3f, 99.9f},
                              {917, 613.1f, 12.7f, 333.3f},
                              {1e30f, 3e-7f, 1.1f, 7e20f}};
    for (const auto& s : sizes) {
        const MirroredPairFit fit =
            twoTrapezoidsFit(s[0], 300, piece(s[1], s[2], s[3]), piece(s[1], s[2], s[3]));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(fit.widthAtB2),
                  std::bit_cast<std::uint32_t>(fit.widthAtB1))
            << s[0];
        EXPECT_EQ(fit.b2Intrudes, fit.b1Intrudes);
    }
}

TEST(TwoTrapezoids, NaNAndPositiveInfinityIntrude) {
    // A1 = 0 with C1 = B1: 0 * 500 / 0 is NaN.
    const MirroredPairFit nan = twoTrapezoidsFit(1000, 300, piece(0, 80, 80), piece(500, 50, 250));
    EXPECT_TRUE(std::isnan(nan.widthAtB2));
    EXPECT_TRUE(nan.b2Intrudes);
    EXPECT_TRUE(std::isnan(nan.reserveAtB2));
    // A long side shorter than the short side over a zero length: the width is +inf.
    const MirroredPairFit up = twoTrapezoidsFit(1000, 300, piece(0, 200, 80), piece(500, 50, 250));
    EXPECT_EQ(up.widthAtB2, kInf);
    EXPECT_TRUE(up.b2Intrudes);
    // And the other way round -inf, which is narrower than any sheet.
    const MirroredPairFit down =
        twoTrapezoidsFit(1000, 300, piece(600, 80, 200), piece(0, 50, 250));
    EXPECT_EQ(down.widthAtB1, -kInf);
    EXPECT_FALSE(down.b1Intrudes);
    EXPECT_EQ(down.reserveAtB1, kInf);
}

} // namespace
