#include "display/backends/window_scale.h"

#include <gtest/gtest.h>

TEST(WindowScale, FromTheVariableThenGdkThenXftDpiAndNeverLargerThanFits) {
    const char* xft192 = "Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n";
    EXPECT_EQ(windowScale(nullptr, nullptr, nullptr, 0, 0), 1);
    EXPECT_EQ(windowScale(nullptr, nullptr, "Xft.dpi:\t96\n", 0, 0), 1);
    EXPECT_EQ(windowScale(nullptr, nullptr, "Xft.dpi: 144", 0, 0), 1); // not a whole multiple
    EXPECT_EQ(windowScale(nullptr, nullptr, xft192, 0, 0), 2);
    EXPECT_EQ(windowScale(nullptr, nullptr, "Xft.dpi:\t300", 0, 0), 3);
    EXPECT_EQ(windowScale(nullptr, "2", "Xft.dpi:\t300", 0, 0), 2);
    EXPECT_EQ(windowScale("1", "2", xft192, 0, 0), 1);
    EXPECT_EQ(windowScale("4", nullptr, nullptr, 3840, 2160), 4);
    EXPECT_EQ(windowScale("4", nullptr, nullptr, 1920, 1080), 2); // 1920x1440 would not fit
    for (const char* malformed : {"", "0", "-2", "2x", "1.5", "99"})
        EXPECT_EQ(windowScale(malformed, "3", nullptr, 0, 0), 3) << malformed;
}
