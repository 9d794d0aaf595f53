// The item scanner and the conversions of typed text to numbers.
#include "display/conversions.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
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

// Whether `text` starts with a digit of `base`, or with a point and such a digit.
bool startsWithDigits(std::string_view text, unsigned base) {
    if (!text.empty() && text.front() == '.') text.remove_prefix(1);
    return !text.empty() && digitValue(text.front(), base) >= 0;
}

// Whether `text` starts with the lower-case `word` in any letter case.
bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return true;
}

bool isNanCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// Whether the number text `number` (after any "0x") is at least 1 in magnitude. Only
// asked when its nearest double is 0 or infinite, so an estimate of the power of the
// leading digit is enough.
bool atLeastOne(std::string_view number, bool hexadecimal) {
    constexpr std::int64_t kFar = std::int64_t{1} << 40; // beyond any double's exponent
    const unsigned base = hexadecimal ? 16 : 10;
    std::int64_t power = 0; // of the base, for the leading nonzero digit
    bool found = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (digitValue(c, base) < 0) break;
        if (!found && c != '0') {
            found = true;
            power = afterPoint ? power - 1 : 0;
        } else if (found && !afterPoint) {
            power = std::min(power + 1, kFar);
        } else if (!found && afterPoint) {
            power = std::max(power - 1, -kFar);
        }
    }
    if (!found) return false;
    std::int64_t exponent = 0;
    bool negativeExponent = false;
    if (++i < number.size() && (number[i] == '+' || number[i] == '-')) {
        negativeExponent = number[i] == '-';
        ++i;
    }
    for (; i < number.size(); ++i)
        exponent = std::min(exponent * 10 + (number[i] - '0'), kFar);
    if (negativeExponent) exponent = -exponent;
    return (hexadecimal ? 4 * power : power) + exponent >= 0;
}

// `text` without its binary exponent when a second sign follows the exponent's sign:
// from_chars takes "p+-9" for p-9, but such an exponent has no digits after its sign.
std::string_view withoutDoubleSign(std::string_view text) {
    const std::size_t p = text.find_first_of("pP");
    if (p != std::string_view::npos && text.substr(p + 1, 2) == "+-") return text.substr(0, p);
    return text;
}

// std::from_chars on `text`, which starts with a digit or a point; its result is the
// number of characters taken, 0 for none. A value too large for a double gives
// infinity, one too small 0, where from_chars leaves the value as it was.
std::size_t fromChars(std::string_view text, std::chars_format format, double& value) {
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, format);
    const auto used = static_cast<std::size_t>(end - text.data());
    if (error == std::errc::result_out_of_range) {
        value = atLeastOne(text.substr(0, used), format == std::chars_format::hex)
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (error != std::errc{}) {
        return 0;
    }
    return used;
}

} // namespace

std::int32_t integerText32(std::string_view text) {
    return static_cast<std::int32_t>(integerBits<std::uint32_t>(text));
}

std::int64_t integerText64(std::string_view text) {
    return static_cast<std::int64_t>(integerBits<std::uint64_t>(text));
}

double decimalText(std::string_view text, std::size_t& length) {
    std::size_t start = 0;
    while (start < text.size() && isWhiteSpace(text[start]))
        ++start;
    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) {
        negative = text[start] == '-';
        ++start;
    }
    const std::string_view rest = text.substr(start);
    double magnitude = 0;
    std::size_t used = 0;
    if (startsWithHexPrefix(rest) && startsWithDigits(rest.substr(2), 16)) {
        used = 2 + fromChars(withoutDoubleSign(rest.substr(2)), std::chars_format::hex, magnitude);
    } else if (startsWithDigits(rest, 10)) {
        used = fromChars(rest, std::chars_format::general, magnitude);
    } else if (startsWithWord(rest, "inf")) {
        magnitude = std::numeric_limits<double>::infinity();
        used = startsWithWord(rest, "infinity") ? 8 : 3;
    } else if (startsWithWord(rest, "nan")) {
        magnitude = std::numeric_limits<double>::quiet_NaN();
        used = 3;
        // "nan(" letters, digits and underscores ")" is a NaN too; the part in
        // parentheses says nothing more here.
        std::size_t close = used + 1;
        while (close < rest.size() && isNanCharacter(rest[close]))
            ++close;
        if (rest.size() > used && rest[used] == '(' && close < rest.size() && rest[close] == ')')
            used = close + 1;
    }
    if (used == 0) {
        length = 0;
        return 0;
    }
    length = start + used;
    return negative ? -magnitude : magnitude;
}

double decimalText(std::string_view text) {
    std::size_t length = 0;
    return decimalText(text, length);
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
