// The typed-line check: the item scanner and both conversions on any bytes.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "display/conversions.h"
#include "tests/fuzz_checks.h"

namespace {

std::string describe(std::string_view what, const Item& item) {
    return std::string(what) + " (item \"" + item.text + "\")";
}

bool sameSingle(float a, float b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The scanner's rules on one item that began at `first` of the line.
Problem checkItemShape(std::string_view line, std::size_t first, const Item& item) {
    if (item.text.size() > kItemLength) return describe("item longer than 67", item);
    while (first < line.size() && line[first] == ' ')
        ++first;
    const bool quoted = first < line.size() && line[first] == '"';
    if (!quoted && item.text.find_first_of(", ") != std::string::npos)
        return describe("blank or comma inside an unquoted item", item);
    const std::size_t ampersand = item.text.find('&');
    if (item.radix != (ampersand != std::string::npos))
        return describe("radix flag without an ampersand, or the other way", item);
    const std::string_view beforeRadix = std::string_view(item.text).substr(0, ampersand);
    if (beforeRadix.find_first_of("dD") != std::string_view::npos)
        return describe("D stored before an ampersand", item);
    if (item.floating != (beforeRadix.find_first_of(".eE") != std::string_view::npos))
        return describe("floating flag does not follow the point and exponent letters", item);
    return std::nullopt;
}

// Plain numbers, read by the standard library instead: a whole number of at most nine
// characters takes the 32-bit path; a decimal text with a point or an exponent is read
// as a double and rounded once more to single.
Problem checkPlainNumber(const Item& item, float single, std::uint8_t byte) {
    const std::string& text = item.text;
    if (text.empty() || item.radix || text.front() == '+') return std::nullopt;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (!item.floating) {
        if (text.size() > 9) return std::nullopt;
        long long whole = 0;
        const auto [stop, error] = std::from_chars(begin, end, whole);
        if (error != std::errc() || stop != end) return std::nullopt;
        if (!sameSingle(single, static_cast<float>(whole)))
            return describe("readSingle differs from the whole number", item);
        if (byte != static_cast<std::uint8_t>(static_cast<unsigned long long>(whole) & 0xFF))
            return describe("readByte is not the low 8 bits of the whole number", item);
        return std::nullopt;
    }
    if (text.size() >= 2 && (text[1] == 'x' || text[1] == 'X')) return std::nullopt;
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    if (std::fabs(value) <= std::numeric_limits<float>::max() &&
        !sameSingle(single, static_cast<float>(value)))
        return describe("readSingle differs from the nearest single of the double", item);
    const double rounded = std::nearbyint(value); // halfway cases to even
    const bool inRange = rounded >= -2147483648.0 && rounded <= 2147483647.0;
    const auto expected = static_cast<std::uint8_t>(
        inRange ? static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded)) & 0xFF : 0);
    if (byte != expected) return describe("readByte differs from the rounded double", item);
    return std::nullopt;
}

} // namespace

Problem checkTypedLine(std::string_view line) {
    std::size_t position = 0;
    for (bool firstItem = true;; firstItem = false) {
        const std::size_t before = position;
        const Item item = scanItem(line, position);
        if (position > line.size()) return describe("read position beyond the line", item);
        if (position == before && before < line.size())
            return describe("scanner does not move on", item);
        if (Problem p = checkItemShape(line, before, item)) return p;
        if (firstItem) {
            // Blanks before the line change nothing about its first item.
            std::string padded = "   " + std::string(line);
            std::size_t paddedPosition = 0;
            const Item again = scanItem(padded, paddedPosition);
            if (again.text != item.text || again.floating != item.floating ||
                again.radix != item.radix || paddedPosition != position + 3)
                return describe("leading blanks change the first item", item);
        }
        const float single = singleFromItem(item);
        const std::uint8_t byte = byteFromItem(item);
        if (Problem p = checkPlainNumber(item, single, byte)) return p;
        if (position >= line.size()) return std::nullopt;
    }
}
