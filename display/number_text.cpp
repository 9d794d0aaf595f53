// The number text form. The digits come from the exact value of the single, which is
// m * 2^e with m < 2^24: scaled by a power of ten into [10^6, 10^7), it is an integer
// quotient and a remainder in 128-bit arithmetic, so halfway cases are seen exactly.
#include "display/number_text.h"

#include <array>
#include <bit>
#include <cstdint>

namespace {

__extension__ typedef unsigned __int128 Uint128;

constexpr std::uint64_t kSmallestSevenDigits = 1000000;
constexpr std::uint64_t kSmallestEightDigits = 10000000;

// 5^k for k = 0 to 55 (5^55 < 2^128); 10^k is 5^k shifted left by k.
constexpr std::array<Uint128, 56> kPowersOfFive = [] {
    std::array<Uint128, 56> powers{};
    powers[0] = 1;
    for (std::size_t k = 1; k < powers.size(); ++k)
        powers[k] = powers[k - 1] * 5;
    return powers;
}();

// floor(n * log10(2)), exact for |n| < 1600.
constexpr int floorLog10OfPowerOfTwo(int n) {
    return (n * 78913) >> 18;
}

// The exact value m * 2^e times 10^k: its whole part and whether the rest is at least
// one half. Callers pick k so that the whole part stays below 10^7.
struct Scaled {
    std::uint64_t whole;
    bool restAtLeastHalf;
};

Scaled scale(std::uint32_t m, int e, int k) {
    if (k < 0) {
        // The value is at least 10^6, so e >= 0 and m * 2^e < 2^128 is a whole number.
        const Uint128 n = static_cast<Uint128>(m) << e;
        const Uint128 divisor = kPowersOfFive[static_cast<std::size_t>(-k)] << -k;
        if (n >> 64 == 0) {
            const auto n64 = static_cast<std::uint64_t>(n);
            const auto d64 = static_cast<std::uint64_t>(divisor);
            const std::uint64_t rest = n64 % d64;
            return {n64 / d64, rest >= d64 - rest};
        }
        const Uint128 rest = n % divisor;
        return {static_cast<std::uint64_t>(n / divisor), rest >= divisor - rest};
    }
    // m * 5^k stays below 2^128 for every single that lands in [10^5, 10^7).
    const Uint128 n = m * kPowersOfFive[static_cast<std::size_t>(k)];
    const int shift = e + k;
    if (shift >= 0) return {static_cast<std::uint64_t>(n << shift), false};
    const int bits = -shift;
    if (bits >= 127) return {0, false}; // cannot happen for a value of at least 10^5
    const Uint128 rest = n & ((Uint128{1} << bits) - 1);
    return {static_cast<std::uint64_t>(n >> bits), rest >= Uint128{1} << (bits - 1)};
}

// Seven significant digits (10^6 to 10^7 - 1) and the decimal exponent of the first.
struct Rounded {
    std::uint64_t digits;
    int exponent;
};

Rounded roundToSevenDigits(std::uint32_t m, int e) {
    // The value lies below 2^top, so `exponent` is the true exponent or one more.
    const int top = e + static_cast<int>(std::bit_width(m));
    int exponent = floorLog10OfPowerOfTwo(top);
    Scaled s = scale(m, e, 6 - exponent);
    if (s.whole < kSmallestSevenDigits) {
        --exponent;
        s = scale(m, e, 6 - exponent);
    }
    Rounded r{s.whole + (s.restAtLeastHalf ? 1 : 0), exponent};
    if (r.digits == kSmallestEightDigits) {
        // 9999999.5 and the like carry into the next power of ten.
        r.digits = kSmallestSevenDigits;
        ++r.exponent;
    }
    return r;
}

// Writes the general notation of the rounded value after the sign position.
char* writeGeneral(char* out, Rounded r) {
    char digits[7];
    for (int i = 6; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + r.digits % 10);
        r.digits /= 10;
    }
    int count = 7; // significant digits left after the trailing zeros go
    while (count > 1 && digits[count - 1] == '0')
        --count;

    const int x = r.exponent;
    if (x >= -4 && x < 7) {
        if (x < 0) {
            *out++ = '0';
            *out++ = '.';
            for (int i = 0; i < -x - 1; ++i)
                *out++ = '0';
            for (int i = 0; i < count; ++i)
                *out++ = digits[i];
            return out;
        }
        for (int i = 0; i <= x; ++i)
            *out++ = digits[i];
        if (count > x + 1) {
            *out++ = '.';
            for (int i = x + 1; i < count; ++i)
                *out++ = digits[i];
        }
        return out;
    }
    *out++ = digits[0];
    if (count > 1) {
        *out++ = '.';
        for (int i = 1; i < count; ++i)
            *out++ = digits[i];
    }
    *out++ = 'e';
    *out++ = x < 0 ? '-' : '+';
    const int magnitude = x < 0 ? -x : x;
    *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
}

} // namespace

std::string numberText(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const bool negative = (bits >> 31) != 0;
    const std::uint32_t exponentField = (bits >> 23) & 0xFF;
    const std::uint32_t fraction = bits & 0x7FFFFF;

    if (exponentField == 0xFF) {
        if (fraction != 0) return " nan";
        return negative ? "-inf" : " inf";
    }
    if (exponentField == 0 && fraction == 0) return " 0";

    // The exact value is m * 2^e; subnormals have no hidden bit.
    const std::uint32_t m = exponentField == 0 ? fraction : fraction | 0x800000;
    const int e = exponentField == 0 ? -149 : static_cast<int>(exponentField) - 150;

    char text[16];
    text[0] = negative ? '-' : ' ';
    char* end = writeGeneral(text + 1, roundToSevenDigits(m, e));
    return std::string(text, static_cast<std::size_t>(end - text));
}
