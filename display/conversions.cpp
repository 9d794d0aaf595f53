// The item scanner and the conversions of typed text to numbers.
#include "display/conversions.h"

#include <locale.h>
#include <stdlib.h>

#include <cfloat>
#include <cmath>
#include <limits>

Item scanItem(std::string_view line, std::size_t& position) {
    Item item;
    std::size_t i = std::min(position, line.size());
    while (i < line.size() && line[i] == ' ')
        ++i;
    const std::size_t first = i;
    bool quoted = false;      // inside the quoted part that a leading '"' opens
    bool quoteClosed = false; // that part has ended; later quotes are ordinary
    while (i < line.size() && item.text.size() < kItemLength) {
        char c = line[i];
        if (c == '"' && (i == first || (quoted && !quoteClosed))) {
            quoteClosed = quoted;
            quoted = true;
            ++i;
            continue;
        }
        const bool inQuotes = quoted && !quoteClosed;
        if (!inQuotes && (c == ',' || c == ' ')) break;
        if (c == '&') {
            item.radix = true;
        } else if (!item.radix) {
            if (c == '.' || c == 'E' || c == 'e') item.floating = true;
            if (c == 'D' || c == 'd') {
                c = c == 'D' ? 'E' : 'e';
                item.floating = true;
            }
        }
        item.text.push_back(c);
        ++i;
    }
    while (i < line.size() && line[i] == ' ')
        ++i;
    if (i < line.size() && line[i] == ',') ++i;
    position = i;
    return item;
}

namespace {

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

bool isWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The value of `c` as a digit of `base`, or -1.
int digitValue(char c, unsigned base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

// The digits after the '&' of a radix text, accumulated with wrap-around.
template <typename Unsigned> Unsigned radixDigits(std::string_view text) {
    unsigned base = 8;
    const char letter = text.empty() ? '\0' : text.front();
    if (letter == 'H' || letter == 'h') base = 16;
    if (letter == 'B' || letter == 'b') base = 2;
    if (base != 8 || letter == 'O' || letter == 'o') text.remove_prefix(1);
    Unsigned value = 0;
    for (char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0) break;
        value = static_cast<Unsigned>(value * base + static_cast<Unsigned>(digit));
    }
    return value;
}

// A decimal integer with optional white space and sign. A magnitude beyond the
// unsigned range gives the largest value whatever the sign; otherwise a minus negates
// modulo the range.
template <typename Unsigned> Unsigned decimalDigits(std::string_view text) {
    constexpr Unsigned kLargest = std::numeric_limits<Unsigned>::max();
    while (!text.empty() && isWhiteSpace(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    Unsigned value = 0;
    bool tooLarge = false;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        const auto digit = static_cast<Unsigned>(c - '0');
        if (value > (kLargest - digit) / 10)
            tooLarge = true;
        else
            value = static_cast<Unsigned>(value * 10 + digit);
    }
    if (tooLarge) return kLargest;
    return negative ? static_cast<Unsigned>(Unsigned{0} - value) : value;
}

template <typename Unsigned> Unsigned integerBits(std::string_view text) {
    text = skipBlanks(text);
    if (text.size() >= 2 && text.front() == '&') return radixDigits<Unsigned>(text.substr(1));
    return decimalDigits<Unsigned>(text);
}

// Rounds to a whole number, halfway cases to the even neighbour, whatever the
// rounding mode of the processor.
double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5) return down + 1;
    if (rest < 0.5) return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

// A double as a 32-bit integer after rounding; out of range, infinite and NaN give
// the smallest 32-bit integer.
std::int32_t roundedToInt32(double value) {
    const double whole = roundHalfEven(value);
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(whole);
}

bool startsWithHexPrefix(std::string_view text) {
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

} // namespace

std::int32_t integerText32(std::string_view text) {
    return static_cast<std::int32_t>(integerBits<std::uint32_t>(text));
}

std::int64_t integerText64(std::string_view text) {
    return static_cast<std::int64_t>(integerBits<std::uint64_t>(text));
}

double decimalText(std::string_view text) {
    // The "C" locale's full stop is the decimal point, whatever the process's locale.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string terminated(text);
    return strtod_l(terminated.c_str(), nullptr, cLocale);
}

float toSingle(double value) {
    // Halfway between the largest single and 2^128: from here on the nearest is infinity.
    constexpr double kOverflow = 0x1.ffffffp127;
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    if (!std::isnan(value) && std::fabs(value) >= kOverflow)
        return value > 0 ? kInfinity : -kInfinity;
    if (!std::isnan(value) && std::fabs(value) > FLT_MAX) return value > 0 ? FLT_MAX : -FLT_MAX;
    return static_cast<float>(value); // in range, or a NaN, which keeps its sign
}

float singleFromItem(const Item& item) {
    const std::string& text = item.text;
    if (!item.floating) {
        if (text.size() <= 9) return static_cast<float>(integerText32(text));
        if (text.size() <= 18 || text.front() == '&')
            return static_cast<float>(integerText64(text));
    }
    return toSingle(decimalText(text));
}

std::uint8_t byteFromItem(const Item& item) {
    if (item.floating) {
        const std::string_view text = skipBlanks(item.text);
        if (startsWithHexPrefix(text)) return 0;
        return static_cast<std::uint8_t>(
            static_cast<std::uint32_t>(roundedToInt32(decimalText(text))));
    }
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(integerText32(item.text)));
}
