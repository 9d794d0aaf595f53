// Typed text to numbers: the item scanner and the integer, radix and decimal texts
// behind readSingle and readByte. Pure functions on strings, no screen involved.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// One item of a typed line: at most kItemLength characters.
constexpr std::size_t kItemLength = 67;

struct Item {
    std::string text;
    bool floating = false; // a decimal point or an exponent letter came before any '&'
    bool radix = false;    // an '&' was stored
};

// Takes the next item of `line` from `position`, which it leaves at the start of the
// following item: blanks and commas end an item, except inside a leading quoted part.
Item scanItem(std::string_view line, std::size_t& position);

// Integer texts: decimal with an optional sign, or &H, &B, &O or & with octal digits.
// The 32-bit form saturates a decimal magnitude at 4294967295 and wraps radix digits.
std::int32_t integerText32(std::string_view text);
std::int64_t integerText64(std::string_view text);

// A decimal text to the nearest double, ties to even, with the full stop as decimal
// point whatever the locale; also hexadecimal significands, inf, infinity and nan.
// Leading white space and a sign may come first; the number ends at the first character
// that does not fit. No number gives 0; too large a magnitude gives infinity.
double decimalText(std::string_view text);
// The same, also giving the length of the number with what came before it, 0 for none.
double decimalText(std::string_view text, std::size_t& length);

// The nearest single to `value`, ties to even; beyond the largest single, infinity.
float toSingle(double value);

// The value readSingle stores for an item.
float singleFromItem(const Item& item);
// The value readByte stores for an item: the low 8 bits of a 32-bit integer.
std::uint8_t byteFromItem(const Item& item);
