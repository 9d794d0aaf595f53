// The number text form of printed singles, and printNumber on the screen.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "display/display.h"
#include "display/number_text.h"
#include "tests/harness.h"

namespace {

TEST(NumberText, ExampleTable) {
    EXPECT_EQ(numberText(0.0f), " 0");
    EXPECT_EQ(numberText(1.5f), " 1.5");
    EXPECT_EQ(numberText(-2.0f), "-2");
    EXPECT_EQ(numberText(-0.5f), "-0.5");
    EXPECT_EQ(numberText(1.0f / 3.0f), " 0.3333333");
    EXPECT_EQ(numberText(7.87f), " 7.87");
    EXPECT_EQ(numberText(123.456f), " 123.456");
    EXPECT_EQ(numberText(-1234.5678f), "-1234.568");
    EXPECT_EQ(numberText(100000.0f), " 100000");
    EXPECT_EQ(numberText(1234567.0f), " 1234567");
    EXPECT_EQ(numberText(9999999.0f), " 9999999");
    EXPECT_EQ(numberText(12345678.0f), " 1.234568e+007");
    EXPECT_EQ(numberText(16777217.0f), " 1.677722e+007");
    EXPECT_EQ(numberText(0.0001f), " 0.0001");
    EXPECT_EQ(numberText(0.000123456789f), " 0.0001234568");
    EXPECT_EQ(numberText(0.00001f), " 1e-005");
    EXPECT_EQ(numberText(1e20f), " 1e+020");
    EXPECT_EQ(numberText(3.4e38f), " 3.4e+038");
}

TEST(NumberText, ExactHalfwayCasesGoAwayFromZero) {
    EXPECT_EQ(numberText(123456.25f), " 123456.3");
    EXPECT_EQ(numberText(-123456.25f), "-123456.3");
    EXPECT_EQ(numberText(1234568.5f), " 1234569");
    EXPECT_EQ(numberText(1234567.5f), " 1234568");
    EXPECT_EQ(numberText(12345665.0f), " 1.234567e+007");
    EXPECT_EQ(numberText(-12345665.0f), "-1.234567e+007");
    EXPECT_EQ(numberText(std::ldexp(1.0f, -11)), " 0.0004882813"); // 0.00048828125
    EXPECT_EQ(numberText(std::ldexp(1.0f, 27)), " 1.342177e+008"); // 134217728
    // Just below a halfway case rounds down: 0.1f is 0.100000001490116...
    EXPECT_EQ(numberText(0.1f), " 0.1");
    EXPECT_EQ(numberText(std::nextafter(123456.25f, 0.0f)), " 123456.2");
}

TEST(NumberText, FixedAndExponentNotationSwitchWhereRoundingLands) {
    EXPECT_EQ(numberText(9999999.0f), " 9999999");
    EXPECT_EQ(numberText(10000000.0f), " 1e+007");
    EXPECT_EQ(numberText(9999999.5f), " 1e+007"); // stored as 10000000
    EXPECT_EQ(numberText(0.01f), " 0.01");        // 0.00999999977...
    EXPECT_EQ(numberText(99999997952.0f), " 1e+011");
    EXPECT_EQ(numberText(9999999.0e-4f), " 999.9999");
    EXPECT_EQ(numberText(0.0001f), " 0.0001"); // 0.0000999999974... carries
    EXPECT_EQ(numberText(0.00001f), " 1e-005");
    EXPECT_EQ(numberText(0.00012f), " 0.00012");
    EXPECT_EQ(numberText(-0.00001f), "-1e-005");
    EXPECT_EQ(numberText(1000000.0f), " 1000000");
    EXPECT_EQ(numberText(1.0f), " 1");
    EXPECT_EQ(numberText(10.5f), " 10.5");
}

TEST(NumberText, LargestAndSmallestSinglesHaveThreeExponentDigits) {
    EXPECT_EQ(numberText(FLT_MAX), " 3.402823e+038");
    EXPECT_EQ(numberText(-FLT_MAX), "-3.402823e+038");
    EXPECT_EQ(numberText(FLT_MIN), " 1.175494e-038");
    EXPECT_EQ(numberText(std::numeric_limits<float>::denorm_min()), " 1.401298e-045");
    EXPECT_EQ(numberText(-std::numeric_limits<float>::denorm_min()), "-1.401298e-045");
    EXPECT_EQ(numberText(std::bit_cast<float>(0x007FFFFFu)), " 1.175494e-038"); // largest subnormal
}

TEST(NumberText, InfinitiesNanAndNegativeZero) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(numberText(inf), " inf");
    EXPECT_EQ(numberText(-inf), "-inf");
    EXPECT_EQ(numberText(std::numeric_limits<float>::quiet_NaN()), " nan");
    EXPECT_EQ(numberText(std::bit_cast<float>(0xFFC00000u)), " nan"); // what 0/0 gives on x86
    EXPECT_EQ(numberText(std::bit_cast<float>(0x7F800001u)), " nan");
    EXPECT_EQ(numberText(-0.0f), " 0");
}

// An independent reference: the exact decimal expansion of the single (glibc prints
// every digit of a double), rounded on the eighth digit, which with all digits present
// is exactly half away from zero; the rounded 7-digit decimal is then laid out by
// "%.7g" and given a three-digit exponent and the sign position.
std::string referenceText(float v) {
    char exact[160];
    std::snprintf(exact, sizeof exact, "%.120e", static_cast<double>(std::fabs(v)));
    std::string digits{exact[0]};
    digits.append(exact + 2, 6);
    const char* exponentText = std::strchr(exact, 'e');
    int exponent = std::atoi(exponentText + 1);
    if (exact[8] >= '5') {
        int i = 6;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            digits = "1000000";
            ++exponent;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    const std::string decimal =
        digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent);
    char general[40];
    std::snprintf(general, sizeof general, "%.7g", std::strtod(decimal.c_str(), nullptr));
    std::string text = general;
    if (const auto e = text.find('e'); e != std::string::npos) {
        char tail[8];
        std::snprintf(tail, sizeof tail, "%c%03d", text[e + 1], std::atoi(text.c_str() + e + 2));
        text = text.substr(0, e + 1) + tail;
    }
    return (std::signbit(v) ? "-" : " ") + text;
}

TEST(NumberText, AgreesWithTheExactExpansionAcrossAllExponents) {
    // A spread over every bit pattern of the finite singles, both signs.
    for (std::uint32_t bits = 1; bits < 0x7F800000u; bits += 80021u) {
        const float v = std::bit_cast<float>(bits);
        ASSERT_EQ(numberText(v), referenceText(v)) << bits;
        ASSERT_EQ(numberText(-v), referenceText(-v)) << bits;
    }
}

TEST(NumberText, AgreesWithTheExactExpansionOnHalfwayCases) {
    // Every k + 1/2 in [10^6, 2^23) is a halfway case, and so is every odd multiple of 5
    // in [10^7, 2^24); powers of two below 1 are too when their expansion is 8 digits long.
    for (float v = 1000000.5f; v < 8388608.0f; v += 9973.0f)
        ASSERT_EQ(numberText(v), referenceText(v)) << v;
    for (float v = 10000005.0f; v < 16777216.0f; v += 10070.0f)
        ASSERT_EQ(numberText(v), referenceText(v)) << v;
    for (int k = -149; k <= 126; ++k) {
        const float v = std::ldexp(1.0f, k);
        ASSERT_EQ(numberText(v), referenceText(v)) << k;
        ASSERT_EQ(numberText(v * 3.0f), referenceText(v * 3.0f)) << k;
    }
}

TEST(PrintNumber, NoBlankFollowsTheNumberAndTheLineEndMovesOn) {
    freshScreen();
    locate(5, 10);
    printNumber(2.0f, false);
    EXPECT_EQ(screen().row, 4);
    EXPECT_EQ(screen().column, 11); // directly behind the digit
    printText(" mm", true);
    const ScreenCells cells = ScreenCells::decode(screen());
    EXPECT_EQ(cells.rowText(5), std::string(9, ' ') + " 2 mm");
    EXPECT_EQ(screen().row, 5);
    EXPECT_EQ(screen().column, 0);
    printNumber(-1234.5678f, true);
    printNumber(0.5f, false);
    const ScreenCells after = ScreenCells::decode(screen());
    EXPECT_EQ(after.rowText(6), "-1234.568");
    EXPECT_EQ(after.rowText(7), " 0.5");
}

} // namespace
