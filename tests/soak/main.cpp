// `make soak`: the long soak run and the screen changes, with their figures.
// Usage: tablox_soak [keys [screens]]; 100000 keys and 10000 screens when not given.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "tests/soak.h"

int main(int argc, char** argv) {
    const long keys = argc > 1 ? std::atol(argv[1]) : 100000;
    const long screens = argc > 2 ? std::atol(argv[2]) : 10000;
    bool fine = true;

    const long residentAtStart = residentKilobytes();
    const SoakReport report = runSoak(keys);
    std::printf("random keys: %ld keys, %ld screens, %ld menus in %.1f s, %.0f keys/s\n",
                report.keys, report.screens, report.menus, report.seconds,
                report.keys / report.seconds);
    std::printf("menu items run:");
    for (int item = 1; item <= 11; ++item)
        std::printf(" %d:%ld", item, report.ran[static_cast<std::size_t>(item)]);
    std::printf("\nresident memory: %ld kB before, %ld kB after\n", residentAtStart,
                residentKilobytes());
    if (!report.failure.empty() || !report.exitStatus || *report.exitStatus != 0 ||
        report.windowsLeftOpen != 0) {
        std::printf("FAILED: %s (exit status %d, windows left open %ld)\n", report.failure.c_str(),
                    report.exitStatus.value_or(-1), report.windowsLeftOpen);
        fine = false;
    }

    const long warmUp = 200;
    long before = 0;
    long opened = runScreenChanges(warmUp + screens, [&](long count) {
        if (count == warmUp) before = residentKilobytes();
        if (count > warmUp && (count - warmUp) % (screens / 4 > 0 ? screens / 4 : 1) == 0)
            std::printf("screen changes: %ld: resident %ld kB (%+ld kB since screen %ld)\n",
                        count - warmUp, residentKilobytes(), residentKilobytes() - before, warmUp);
    });
    if (opened != warmUp + screens) {
        std::printf("FAILED: only %ld screens opened\n", opened);
        fine = false;
    }
    if (testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed()) {
        std::printf("FAILED: the cells and the pixels of a last screen disagree\n");
        fine = false;
    }
    return fine ? 0 : 1;
}
