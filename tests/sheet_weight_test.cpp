// Menu item 4: the sheet weight, its arithmetic and its screen.
#include <gtest/gtest.h>

#include "calculators/calculators.h"
#include "tests/harness.h"

namespace {

TEST(SheetWeight, TonnesFromSingleProductsAndDoubleSteps) {
    EXPECT_EQ(sheetWeight(2000, 1000, 10, 5), 0.787f);
    EXPECT_EQ(sheetWeight(6000, 2000, 25, 3), 7.08300018f);
    EXPECT_EQ(sheetWeight(1, 1, 1, 1), 7.86999976e-09f);
    EXPECT_EQ(sheetWeight(0, 1000, 10, 5), 0.0f);
    EXPECT_EQ(sheetWeight(-2000, 1000, 10, 5), -0.787f);
}

} // namespace
