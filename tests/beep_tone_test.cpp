// The beep's samples: 1000 Hz for 250 ms, faded at both ends, then silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "display/backends/sdl/beep_tone.h"

namespace {

TEST(BeepTone, IsAThousandHertzForAQuarterSecondThenSilence) {
    const std::vector<std::int16_t> s = beepTone(44100, 100);
    ASSERT_EQ(s.size(), 11025u + 4410u);
    // 250 periods in 250 ms: the first starts at sample 0, each later one with a rising
    // zero crossing.
    int rising = 0;
    for (std::size_t i = 1; i < 11025; ++i)
        if (s[i - 1] < 0 && s[i] >= 0) ++rising;
    EXPECT_EQ(rising, 249);
    EXPECT_TRUE(std::all_of(s.begin() + 11025, s.end(), [](std::int16_t v) { return v == 0; }));
    const auto loudest = *std::max_element(s.begin(), s.end());
    EXPECT_GT(loudest, 8000);
}

TEST(BeepTone, FadesInAndOutWithoutAClick) {
    const std::vector<std::int16_t> s = beepTone(8000, 0);
    ASSERT_EQ(s.size(), 2000u);
    EXPECT_EQ(s.front(), 0);
    EXPECT_LT(std::abs(s[2]), 500);
    EXPECT_LT(std::abs(s[s.size() - 2]), 500);
    // Full loudness in the middle: a quarter period after a crossing is a peak.
    EXPECT_NEAR(s[1002], 9000, 10);
    for (std::size_t i = 1; i < s.size(); ++i)
        EXPECT_LT(std::abs(s[i] - s[i - 1]), 7100) << i;
}

} // namespace
