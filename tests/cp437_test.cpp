// Typed text from UTF-8 to code page 437 and the glyphs back to Unicode.
#include <gtest/gtest.h>

#include "display/cp437.h"

namespace {

TEST(Cp437, TypedTextBecomesCodePage437Codes) {
    EXPECT_EQ(utf8ToCp437("1a."), (std::vector<int>{49, 97, 46}));
    EXPECT_EQ(utf8ToCp437("\xc3\xa9"), (std::vector<int>{0x82}));                   // e acute
    EXPECT_EQ(utf8ToCp437("\xc2\xbd\xe2\x96\x88"), (std::vector<int>{0xAB, 0xDB})); // half, block
    EXPECT_EQ(utf8ToCp437("\xc2\xa0"), (std::vector<int>{0xFF})); // no-break space
}

TEST(Cp437, CharactersWithoutACodeAndBrokenBytesAreDropped) {
    EXPECT_EQ(utf8ToCp437("\xc4\x8d"), std::vector<int>{}); // c caron
    EXPECT_EQ(utf8ToCp437("\xe2\x82\xac"
                          "5"),
              (std::vector<int>{53})); // euro sign
    EXPECT_EQ(utf8ToCp437("\xff"
                          "7\xc3"),
              (std::vector<int>{55}));
    // Only the shortest form counts: overlong 'A', CR and e acute, a surrogate, U+110000.
    EXPECT_EQ(utf8ToCp437("\xc1\x81\xc0\x8d\xe0\x83\xa9\xed\xa0\x80\xf4\x90\x80\x80"
                          "8"),
              (std::vector<int>{56}));
}

TEST(Cp437, EveryGlyphAbove127MapsBackToItsCode) {
    for (int code = 128; code < 256; ++code)
        EXPECT_EQ(unicodeToCp437(cp437ToUnicode(static_cast<std::uint8_t>(code))), code) << code;
    EXPECT_EQ(cp437ToUnicode(1), U'\u263A');
    EXPECT_EQ(cp437ToUnicode('A'), U'A');
}

} // namespace
