// The item scanner and the conversions of typed text to numbers, without the screen.
#include "display/conversions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

Item firstItem(std::string_view line) {
    std::size_t position = 0;
    return scanItem(line, position);
}

float single(std::string_view line) {
    return singleFromItem(firstItem(line));
}
int byte(std::string_view line) {
    return byteFromItem(firstItem(line));
}

bool isNegativeZero(float value) {
    return value == 0 && std::signbit(value);
}

TEST(ItemScanner, BlanksAndCommasEndTheItemAndArePassedOver) {
    std::size_t position = 0;
    const std::string line = "  12  , 34 56";
    EXPECT_EQ(scanItem(line, position).text, "12");
    EXPECT_EQ(position, 7u);
    EXPECT_EQ(scanItem(line, position).text, "34");
    EXPECT_EQ(position, 11u);
    EXPECT_EQ(scanItem(line, position).text, "56");
    EXPECT_EQ(position, line.size());
    EXPECT_EQ(scanItem(line, position).text, "");
}

TEST(ItemScanner, OnlyOneCommaIsPassedOver) {
    std::size_t position = 0;
    const std::string line = "1,,2";
    EXPECT_EQ(scanItem(line, position).text, "1");
    EXPECT_EQ(position, 2u);
    EXPECT_EQ(scanItem(line, position).text, "");
}

TEST(ItemScanner, EmptyAndBlankLinesGiveAnEmptyItem) {
    EXPECT_EQ(firstItem("").text, "");
    EXPECT_EQ(firstItem("     ").text, "");
}

TEST(ItemScanner, StoresAtMost67Characters) {
    const std::string digits = std::string(66, '1') + "23";
    std::size_t position = 0;
    const Item item = scanItem(digits, position);
    EXPECT_EQ(item.text, digits.substr(0, 67));
    EXPECT_EQ(position, 67u); // the 68th character is left for the next item
    EXPECT_EQ(scanItem(digits, position).text, "3");
}

TEST(ItemScanner, LeadingQuotedPartKeepsBlanksAndCommas) {
    std::size_t position = 0;
    const std::string line = "\" 1, 2\"x\"y z,next";
    const Item item = scanItem(line, position);
    EXPECT_EQ(item.text, " 1, 2x\"y"); // a later quote is an ordinary character
    EXPECT_EQ(scanItem(line, position).text, "z");
    EXPECT_EQ(scanItem(line, position).text, "next");
    EXPECT_EQ(firstItem("a\"b c").text, "a\"b");   // not first: no quoted part
    EXPECT_EQ(firstItem("\"1 2,3").text, "1 2,3"); // open to the end of the line
}

TEST(ItemScanner, FloatingAndRadixFlags) {
    EXPECT_FALSE(firstItem("123").floating);
    EXPECT_TRUE(firstItem("1.5").floating);
    EXPECT_TRUE(firstItem("1E3").floating);
    EXPECT_TRUE(firstItem("1e3").floating);
    const Item exponentD = firstItem("1D3");
    EXPECT_TRUE(exponentD.floating);
    EXPECT_EQ(exponentD.text, "1E3");
    EXPECT_EQ(firstItem("2d1").text, "2e1");
    const Item hex = firstItem("&HDE.E");
    EXPECT_TRUE(hex.radix);
    EXPECT_FALSE(hex.floating);
    EXPECT_EQ(hex.text, "&HDE.E"); // D stays D after the ampersand
    const Item floatingFirst = firstItem("1.5&d");
    EXPECT_TRUE(floatingFirst.floating);
    EXPECT_TRUE(floatingFirst.radix);
    EXPECT_EQ(floatingFirst.text, "1.5&d");
}

TEST(ReadSingle, TypedTextsGiveTheirNumbers) {
    EXPECT_EQ(single(""), 0.0f);
    EXPECT_EQ(single("2,5"), 2.0f);
    EXPECT_EQ(single("2.5"), 2.5f);
    EXPECT_EQ(single("  12  "), 12.0f);
    EXPECT_EQ(single("12 34"), 12.0f);
    EXPECT_EQ(single("1 500"), 1.0f);
    EXPECT_EQ(single("12abc"), 12.0f);
    EXPECT_EQ(single("abc"), 0.0f);
    EXPECT_EQ(single("-0"), 0.0f);
    EXPECT_FALSE(std::signbit(single("-0"))); // an integer text has no negative zero
    EXPECT_EQ(single("-5"), -5.0f);
    EXPECT_EQ(single("+7"), 7.0f);
}

TEST(ReadSingle, DecimalTexts) {
    EXPECT_EQ(single("1e3"), 1000.0f);
    EXPECT_EQ(single("1d3"), 1000.0f);
    EXPECT_EQ(single("1E+3"), 1000.0f);
    EXPECT_EQ(single("1e"), 1.0f);
    EXPECT_EQ(single(".5"), 0.5f);
    EXPECT_EQ(single("5."), 5.0f);
    EXPECT_EQ(single("-.5"), -0.5f);
    EXPECT_TRUE(isNegativeZero(single("-0.0")));
    EXPECT_EQ(single("0.1"), 0.1f);
    EXPECT_EQ(single("3.14abc"), 3.14f);
    EXPECT_EQ(single("."), 0.0f);
    EXPECT_EQ(single("e5"), 0.0f);
}

TEST(ReadSingle, RadixTexts) {
    EXPECT_EQ(single("&H1F"), 31.0f);
    EXPECT_EQ(single("&h1f"), 31.0f);
    EXPECT_EQ(single("&B101"), 5.0f);
    EXPECT_EQ(single("&O17"), 15.0f);
    EXPECT_EQ(single("&17"), 15.0f);
    EXPECT_EQ(single("&"), 0.0f);
    EXPECT_EQ(single("&H"), 0.0f);
    EXPECT_EQ(single("&19"), 1.0f); // 9 is no octal digit
    EXPECT_EQ(single("&HDE"), 222.0f);
    EXPECT_EQ(single("&H1E"), 30.0f); // E is a digit here, not an exponent
}

TEST(ReadSingle, LengthChoosesThePath) {
    // 9 characters: 32-bit integer; 10 to 18: 64-bit integer; both to the nearest single.
    EXPECT_EQ(single("123456789"), 123456792.0f);
    EXPECT_EQ(single("1234567890"), 1234567936.0f);
    // 32-bit: a magnitude beyond 4294967295 gives -1 ...
    EXPECT_EQ(single("&HFFFFFFF"), 268435455.0f);
    EXPECT_EQ(single("-99999999"), -99999999.0f);
    // ... while 64-bit keeps the value.
    EXPECT_EQ(single("9999999999"), 9999999999.0f);
    EXPECT_EQ(single("-9999999999"), -9999999999.0f);
    EXPECT_EQ(single("&HFFFFFFFF"), 4294967295.0f);
    // 19 characters and more without an ampersand: a decimal text.
    EXPECT_EQ(single("1234567890123456789"), 1234567890123456789.0f);
    EXPECT_EQ(single(std::string(40, '9')), std::numeric_limits<float>::infinity());
    // An ampersand keeps the integer path whatever the length, wrapping in 64 bits.
    EXPECT_EQ(single("&H10000000000000001"), 1.0f);
    EXPECT_EQ(single("&HFFFFFFFFFFFFFFFF"), -1.0f);
}

TEST(ReadSingle, OutOfRangeAndSpecialValues) {
    EXPECT_EQ(single("1e39"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(single("-1e39"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(single("1e-50"), 0.0f);
    EXPECT_EQ(single("1e400"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(single("3.4028235e38"), std::numeric_limits<float>::max());
    EXPECT_EQ(single("0x1.8"), 1.5f);
    EXPECT_EQ(single("0x1.8p1"), 3.0f);
    EXPECT_EQ(single("inf.0"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(single("-Infinity."), -std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(single("NaN.")));
    EXPECT_EQ(single("inf"), 0.0f); // no floating flag: an integer text without digits
}

TEST(ToSingle, RoundsToNearestWithTiesToEven) {
    constexpr float kMax = std::numeric_limits<float>::max();
    EXPECT_EQ(toSingle(0x1.fffffefffffffp127), kMax);
    EXPECT_EQ(toSingle(0x1.ffffffp127), std::numeric_limits<float>::infinity()); // the tie
    EXPECT_EQ(toSingle(-0x1.ffffffp127), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(1.0 + 0x1p-24), 1.0f); // halfway: to the even 1
    EXPECT_EQ(toSingle(1.0 + 0x1p-24 + 0x1p-52), 1.0f + 0x1p-23f);
    EXPECT_TRUE(std::signbit(toSingle(-std::numeric_limits<double>::quiet_NaN())));
}

TEST(ReadByte, IntegerTextsKeepTheLowEightBits) {
    EXPECT_EQ(byte(""), 0);
    EXPECT_EQ(byte("7"), 7);
    EXPECT_EQ(byte("300"), 44);
    EXPECT_EQ(byte("256"), 0);
    EXPECT_EQ(byte("-1"), 255);
    EXPECT_EQ(byte("257"), 1);
    EXPECT_EQ(byte("99999999999"), 255); // saturates at 4294967295
    EXPECT_EQ(byte("-99999999999"), 255);
    EXPECT_EQ(byte("4294967295"), 255);
    EXPECT_EQ(byte("4294967296"), 255);
    EXPECT_EQ(byte("4294967297"), 255);
    EXPECT_EQ(byte("x"), 0);
    EXPECT_EQ(byte("&H1FF"), 255);
    EXPECT_EQ(byte("&H100000002"), 2); // radix digits wrap in 32 bits
}

TEST(ReadByte, DecimalTextsRoundHalfToEven) {
    EXPECT_EQ(byte("7.5"), 8);
    EXPECT_EQ(byte("6.5"), 6);
    EXPECT_EQ(byte("2.5"), 2);
    EXPECT_EQ(byte("3.5"), 4);
    EXPECT_EQ(byte("-0.5"), 0);
    EXPECT_EQ(byte("-1.5"), 254);
    EXPECT_EQ(byte("2.4"), 2);
    EXPECT_EQ(byte("2.6"), 3);
    EXPECT_EQ(byte("255.5"), 0);
    EXPECT_EQ(byte("2d0"), 2);
    EXPECT_EQ(byte("258.0"), 2);
}

TEST(ReadByte, OutOfRangeDecimalsGiveZero) {
    EXPECT_EQ(byte("1e10"), 0);
    EXPECT_EQ(byte("2147483647.0"), 255);
    EXPECT_EQ(byte("2147483647.5"), 0); // rounds to 2^31, beyond the 32-bit range
    EXPECT_EQ(byte("-2147483648.0"), 0);
    EXPECT_EQ(byte("-2147483649.0"), 0);
    EXPECT_EQ(byte("-2147483647.0"), 1);
    EXPECT_EQ(byte("inf."), 0);
    EXPECT_EQ(byte("nan."), 0);
}

TEST(ReadByte, HexadecimalPrefixGivesZero) {
    EXPECT_EQ(byte("0x1.8"), 0);
    EXPECT_EQ(single("0x1.8"), 1.5f);
    EXPECT_EQ(byte("0X5.0"), 0);
    EXPECT_EQ(byte("\"  0x5.0\""), 0); // blanks inside quotes are skipped first
    EXPECT_EQ(byte("\"  5.0\""), 5);
    EXPECT_EQ(byte("-0x1.8"), 254); // no prefix at the start: -1.5 rounds to -2
}

TEST(IntegerTexts, DecimalAndRadixForms) {
    EXPECT_EQ(integerText32(""), 0);
    EXPECT_EQ(integerText32("  -5"), -5);
    EXPECT_EQ(integerText32("-"), 0);
    EXPECT_EQ(integerText32("+-5"), 0);
    EXPECT_EQ(integerText32("2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(integerText32("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(integerText32("-4294967295"), 1); // negated modulo 2^32
    EXPECT_EQ(integerText32(std::string(60, '9')), -1);
    EXPECT_EQ(integerText32("&HFFFFFFFF"), -1);
    EXPECT_EQ(integerText32("&B11111111111111111111111111111111111"), -1);
    EXPECT_EQ(integerText32("&O12x7"), 10);
    EXPECT_EQ(integerText64("-9223372036854775807"), -9223372036854775807LL);
    EXPECT_EQ(integerText64("18446744073709551616"), -1); // saturated, then signed
    EXPECT_EQ(integerText64("&H7FFFFFFFFFFFFFFF"), std::numeric_limits<std::int64_t>::max());
}

TEST(DecimalTexts, UsualSyntax) {
    EXPECT_EQ(decimalText("1,5"), 1.0);
    EXPECT_EQ(decimalText("  +2.25e1x"), 22.5);
    EXPECT_EQ(decimalText("0.1"), 0.1);
    EXPECT_EQ(decimalText("9007199254740993"), 9007199254740992.0); // the tie goes to even
    EXPECT_EQ(decimalText("1e-400"), 0.0);
    EXPECT_EQ(decimalText("-"), 0.0);
    EXPECT_FALSE(std::signbit(decimalText("-."))); // no number: a zero without sign
    EXPECT_EQ(decimalText("0x1p+-9"), 1.0);        // no digits after the exponent's sign
}

TEST(DecimalTexts, FullStopWhateverTheLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    // The last is Windows' name of a locale.
    for (const char* name : {"cs_CZ.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "Czech"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = name;
            break;
        }
    }
    if (!comma) GTEST_SKIP() << "no locale with a decimal comma is installed";
    const double withFullStop = decimalText("2.5");
    const double withComma = decimalText("2,5");
    const float typed = single("1.25");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(withFullStop, 2.5);
    EXPECT_EQ(withComma, 2.0);
    EXPECT_EQ(typed, 1.25f);
}

} // namespace
