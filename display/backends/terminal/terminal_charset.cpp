#include "display/backends/terminal/terminal_charset.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <string_view>

#include "display/backends/terminal/terminal_cells.h"
#include "display/cp437.h"

namespace {

// The nearest ASCII characters to the glyphs of codes 0 to 31, and 127 to 255.
constexpr std::string_view kNearestLow = " oo****.#o#mfdd*><|!PS-|^v><L-^v";
constexpr std::string_view kNearestHigh = "^"
                                          "CueaaaaceeeiiiAA"
                                          "EaAooouuyOUcLYPf"
                                          "aiounNao?--//!<>"
                                          ".:#|++++++|+++++"
                                          "++++-++++++++=++"
                                          "+++++++++++#_||\""
                                          "aBGpSsutFTOd8fen"
                                          "=+><()/~o..Vn2# ";
static_assert(kNearestLow.size() == 32 && kNearestHigh.size() == 129);

// What the Linux console draws beyond ASCII: the characters of its line-drawing set
// (the VT100 graphics of its terminfo entry), which every console font has.
constexpr std::u32string_view kLinuxConsoleExtras =
    U"\u2500\u2502\u250c\u2510\u2514\u2518\u251c\u2524\u252c\u2534\u253c"
    U"\u2588\u2592\u00b0\u00b1\u2264\u2265\u03c0\u00a3\u00b7\u2190\u2191\u2192\u2193";

constexpr char32_t kFirstBraille = U'\u2800';
constexpr char32_t kLastBraille = U'\u28ff';

// The bytes of `ch` in `codeset`, or empty when the set has no such character.
std::string inCodeset(iconv_t toCodeset, char32_t ch) {
    std::string utf8;
    appendUtf8(utf8, ch);
    char in[8] = {};
    char converted[8] = {};
    std::copy(utf8.begin(), utf8.end(), in);
    char* inPointer = in;
    char* outPointer = converted;
    std::size_t inLeft = utf8.size(), outLeft = sizeof converted;
    iconv(toCodeset, nullptr, nullptr, nullptr, nullptr);
    if (iconv(toCodeset, &inPointer, &inLeft, &outPointer, &outLeft) ==
        static_cast<std::size_t>(-1))
        return {};
    return std::string(converted, sizeof converted - outLeft);
}

bool isUtf8(std::string codeset) {
    std::erase(codeset, '-');
    std::transform(codeset.begin(), codeset.end(), codeset.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return codeset == "UTF8";
}

} // namespace

char nearestAscii(std::uint8_t code) {
    if (code < 32) return kNearestLow[code];
    if (code < 127) return static_cast<char>(code);
    return kNearestHigh[code - 127u];
}

char lineOfBrailleDots(std::uint8_t dots) {
    // Rows 0 (top) to 3 of each column as bits 0 to 3.
    const unsigned left = (dots & 0x07u) | ((dots >> 3) & 0x08u);
    const unsigned right = ((dots >> 3) & 0x07u) | ((dots >> 4) & 0x08u);
    const unsigned rows = left | right;
    if (rows == 0) return ' ';
    auto span = [](unsigned column) {
        return column == 0 ? 0 : std::bit_width(column) - std::countr_zero(column);
    };
    if (left == 0 || right == 0) {
        if (span(rows) > 1) return '|';
        return rows < 4 ? '\'' : '.';
    }
    // A line that meets an upright one: a corner or a joint.
    if ((span(left) > 2 && std::popcount(right) == 1) ||
        (span(right) > 2 && std::popcount(left) == 1))
        return '+';
    auto meanRow = [](unsigned column) {
        int sum = 0;
        for (int row = 0; row < 4; ++row)
            if (column & (1u << row)) sum += row;
        return static_cast<double>(sum) / std::popcount(column);
    };
    // The right part a row or more lower than the left: falling to the right.
    const double fall = meanRow(right) - meanRow(left);
    if (fall >= 1) return '\\';
    if (fall <= -1) return '/';
    if (span(rows) > 2) return '+';
    return rows == 0x08u ? '_' : '-';
}

TerminalCharacters::TerminalCharacters(const std::string& codeset, bool linuxConsole)
    : utf8_(isUtf8(codeset) && !linuxConsole) {
    if (utf8_) return;
    const bool utf8Encoded = isUtf8(codeset);
    const iconv_t toCodeset =
        utf8Encoded ? reinterpret_cast<iconv_t>(-1) : iconv_open(codeset.c_str(), "UTF-8");
    const bool converts = toCodeset != reinterpret_cast<iconv_t>(-1);
    for (int code = 0; code < 256; ++code) {
        const char32_t ch = cp437ToUnicode(static_cast<std::uint8_t>(code));
        std::string& shown = shown_[static_cast<std::size_t>(code)];
        if (ch >= 0x20 && ch < 0x7F) {
            shown = std::string(1, static_cast<char>(ch));
        } else if (utf8Encoded) {
            if (kLinuxConsoleExtras.find(ch) != std::u32string_view::npos) appendUtf8(shown, ch);
        } else if (converts && ch >= 0xA0) {
            shown = inCodeset(toCodeset, ch);
        }
        if (shown.empty()) shown = std::string(1, nearestAscii(static_cast<std::uint8_t>(code)));
    }
    if (converts) iconv_close(toCodeset);
}

void TerminalCharacters::append(std::string& out, char32_t ch) const {
    if (utf8_) {
        appendUtf8(out, ch);
    } else if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch >= kFirstBraille && ch <= kLastBraille) {
        out.push_back(lineOfBrailleDots(static_cast<std::uint8_t>(ch - kFirstBraille)));
    } else {
        for (int code = 1; code < 256; ++code)
            if (cp437ToUnicode(static_cast<std::uint8_t>(code)) == ch) {
                out += shown_[static_cast<std::size_t>(code)];
                return;
            }
        out.push_back('?');
    }
}
