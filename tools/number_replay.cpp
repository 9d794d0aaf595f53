// Replays the texts that `decimal_compare --list` wrote (the text in hex first on each
// line) and writes for each the bits and the length that decimalText gives, in the
// listing's form, and then the number text of the single that the value rounds to. Built
// for Linux and for Windows, the two outputs on one listing must be equal: the parser and
// the number text give the same on both, whatever the C runtime. No printf or strtod
// here either: the Windows C runtime's are not the ones on trial.
//   number_replay < LISTING
#include <bit>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <string>

#include "display/conversions.h"
#include "display/number_text.h"

namespace {

template <typename Number> std::string text(Number n, int base, std::size_t width = 0) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, n, base).ptr;
    std::string out(digits, end);
    return std::string(width > out.size() ? width - out.size() : 0, '0') + out;
}

} // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::string hex = line.substr(0, line.find(' '));
        std::string typed;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
            unsigned byte = 0;
            std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16);
            typed.push_back(static_cast<char>(byte));
        }
        std::size_t length = 0;
        const double value = decimalText(typed, length);
        std::cout << hex << ' ' << text(std::bit_cast<std::uint64_t>(value), 16, 16) << ' '
                  << text(length, 10) << numberText(static_cast<float>(value)) << '\n';
    }
    return 0;
}
