// The short soak runs: random keys through the whole program, and thousands of screens.
#include "tests/soak.h"

#include <gtest/gtest.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true; // its quarantine holds freed memory back
#else
constexpr bool kAddressSanitizer = false;
#endif

void expectCleanEnd(const SoakReport& report) {
    EXPECT_EQ(report.failure, "");
    ASSERT_TRUE(report.exitStatus);
    EXPECT_EQ(*report.exitStatus, 0);
    EXPECT_EQ(report.ran[10], 1); // only the planned end
    EXPECT_EQ(report.windowsLeftOpen, 0);
}

TEST(Soak, FiveThousandRandomKeysReachEveryScreenAndEndThroughItem10) {
    const SoakReport report = runSoak(5000);
    expectCleanEnd(report);
    EXPECT_GE(report.keys, 5000);
    EXPECT_LT(report.keys, 5000 + 2500); // at most a long run and the way back to the menu
    for (int item = 1; item <= 11; ++item)
        if (item != 10) {
            EXPECT_GT(report.ran[static_cast<std::size_t>(item)], 0) << "item " << item;
        }
    EXPECT_GT(report.screens, report.menus);
    std::printf("soak: %ld keys, %ld screens, %ld menus in %.2f s: %.0f keys/s\n", report.keys,
                report.screens, report.menus, report.seconds, report.keys / report.seconds);
}

TEST(Soak, OtherGeneratorStartValuesEndCleanlyToo) {
    for (unsigned start : {2u, 3u, 4u}) {
        SCOPED_TRACE(start);
        expectCleanEnd(runSoak(800, start));
    }
}

TEST(Soak, NoKeysAtAllStillEndsThroughItem10) {
    const SoakReport report = runSoak(0);
    expectCleanEnd(report);
    EXPECT_EQ(report.keys, 4); // Esc, 1, 0, ENTER
    EXPECT_EQ(report.screens, 1);
}

TEST(ScreenChanges, TenThousandScreensKeepResidentMemoryFlat) {
    long before = 0, after = 0;
    const long screens = runScreenChanges(10200, [&](long opened) {
        if (opened == 200) before = residentKilobytes();
        if (opened == 10200) after = residentKilobytes();
    });
    EXPECT_EQ(screens, 10200);
    ASSERT_GT(before, 0);
    ASSERT_GT(after, 0);
    std::printf("screens: resident %ld kB after 200 screens, %ld kB after 10200\n", before, after);
    if (!kAddressSanitizer) {
        EXPECT_LT(after - before, 1024) << "kB of growth";
    }
}

} // namespace
