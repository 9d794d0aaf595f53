// Menu item 2: the strip count, its arithmetic and its screen.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "calculators/calculators.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// The count piece by piece with a single-precision piece number; it only ends for
// counts below 16777216.
float pieceByPiece(float B, float count, float B1) {
    const float limit = count;
    float strips = 1, rowWidth = 0, piece = 1;
    while (limit >= piece) {
        rowWidth = B + rowWidth;
        if (!(B1 >= rowWidth)) {
            strips = strips + 1;
            rowWidth = B;
        }
        piece = piece + 1;
    }
    return strips;
}

TEST(StripCount, PiecesFillEachStripUpToTheSheetWidth) {
    EXPECT_EQ(stripCount(300, 10, 1000), 4.0f);   // three per strip
    EXPECT_EQ(stripCount(250, 8, 1000), 2.0f);    // 4 x 250 equals the width and still fits
    EXPECT_EQ(stripCount(1000, 5, 1000), 5.0f);   // one per strip
    EXPECT_EQ(stripCount(333.3f, 9, 1000), 3.0f); // three sum to 999.9
    EXPECT_EQ(stripCount(1200, 3, 1000), 4.0f);   // not one piece fits: each opens a strip
}

TEST(StripCount, RunningSumInSinglePrecisionDecidesCloseCases) {
    // Ten times 0.1 sums to just over 1 in single precision: nine per strip, not ten.
    EXPECT_EQ(stripCount(0.1f, 100, 1), 12.0f);
    EXPECT_EQ(stripCount(0.1f, 9, 1), 1.0f);
    EXPECT_EQ(stripCount(0.1f, 10, 1), 2.0f);
}

TEST(StripCount, CountsOnlyTheWholePiecesFromOne) {
    EXPECT_EQ(stripCount(300, 0, 1000), 1.0f);
    EXPECT_EQ(stripCount(300, 2.5f, 1000), 1.0f);
    EXPECT_EQ(stripCount(300, 3.99f, 1000), 1.0f);
    EXPECT_EQ(stripCount(300, 4.5f, 1000), 2.0f);
    EXPECT_EQ(stripCount(300, 0.99f, 1000), 1.0f);
    EXPECT_EQ(stripCount(300, -5, 1000), 1.0f);
    EXPECT_EQ(stripCount(300, -kInf, 1000), 1.0f);
    EXPECT_EQ(stripCount(300, kNaN, 1000), 1.0f);
}

TEST(StripCount, LargeCountsAnswerWithoutPlacingEveryPiece) {
    // The piece number is exact past 16777216, where a single stops counting by one.
    EXPECT_EQ(stripCount(300, 16777216, 1000), 5592406.0f);
    EXPECT_EQ(stripCount(1000, 16777215, 1000), 16777215.0f);
    EXPECT_EQ(stripCount(1000, 16777216, 1000), 16777216.0f);
    // The strips are a single-precision counter, which stops at 16777216.
    EXPECT_EQ(stripCount(300, 1e9f, 1000), 16777216.0f);
    EXPECT_EQ(stripCount(300, 1e30f, 1000), 16777216.0f);
    EXPECT_EQ(stripCount(300, kInf, 1000), 16777216.0f);
    EXPECT_EQ(stripCount(300, 50331644, 1000), 16777215.0f); // three per strip, just below
    EXPECT_EQ(stripCount(300, 50331648, 1000), 16777216.0f);
}

TEST(StripCount, PiecesThatFitForEverKeepOneStrip) {
    EXPECT_EQ(stripCount(0, 1e30f, 1000), 1.0f);
    EXPECT_EQ(stripCount(-300, kInf, 1000), 1.0f);
    EXPECT_EQ(stripCount(-300, kInf, -400), 2.0f); // the first fails, later ones fit
    EXPECT_EQ(stripCount(kInf, kInf, kInf), 1.0f);
    EXPECT_EQ(stripCount(300, 1e30f, kInf), 1.0f);
    // The running sum of 1 mm stops growing at 16777216 mm, inside this sheet.
    EXPECT_EQ(stripCount(1, 1e30f, 1e30f), 1.0f);
    // Here it stops at 2^-125 mm, under 1 mm, after 2^24 pieces.
    EXPECT_EQ(stripCount(1.40129846e-45f, 1e30f, 1), 1.0f);
}

TEST(StripCount, LongStripsAreSummedExactly) {
    // 16777215 pieces of 1 mm fill a strip of 16777215 mm; the next opens a second.
    EXPECT_EQ(stripCount(1, 16777215, 16777215), pieceByPiece(1, 16777215, 16777215));
    EXPECT_EQ(stripCount(1, 16777215, 16777215), 1.0f);
    EXPECT_EQ(stripCount(1, 16777216, 16777215), 2.0f);
    EXPECT_EQ(stripCount(1, 1e30f, 16777215), 16777216.0f);
}

TEST(StripCount, NaNWidthsOpenAStripForEveryPiece) {
    EXPECT_EQ(stripCount(kNaN, 5, 1000), 6.0f);
    EXPECT_EQ(stripCount(300, 5, kNaN), 6.0f);
    EXPECT_EQ(stripCount(kNaN, 1e30f, 1000), 16777216.0f);
}

TEST(StripCount, MatchesPieceByPieceWhereverThatEnds) {
    std::mt19937 generator(20240611);
    // No sheet here is so wide that the running sum of a positive width stops growing.
    const float widths[] = {0,    -0.0f, 1,  0.1f, 0.3f,  250,    300,  333.3f,
                            1000, -2.5f, -7, kNaN, 1e30f, 17.25f, -kInf};
    const float sheets[] = {0,    -0.0f, 1,  0.1f, 0.3f,   250,   300,    333.3f,
                            1000, -2.5f, -7, kNaN, 17.25f, -kInf, -1e30f, -400};
    std::uniform_real_distribution<float> counts(-2, 4000);
    for (float B : widths) {
        for (float B1 : sheets) {
            for (int i = 0; i < 8; ++i) {
                const float count = i == 0 ? 4000.0f : counts(generator);
                EXPECT_EQ(stripCount(B, count, B1), pieceByPiece(B, count, B1))
                    << B << " " << count << " " << B1;
            }
        }
    }
    std::uniform_real_distribution<float> sizes(0.01f, 2000);
    for (int i = 0; i < 3000; ++i) {
        const float B = sizes(generator), B1 = sizes(generator), count = counts(generator);
        EXPECT_EQ(stripCount(B, count, B1), pieceByPiece(B, count, B1))
            << B << " " << count << " " << B1;
    }
}

} // namespace
