// Compares decimalText with the C library's strtod_l in the "C" locale, the parser it
// replaced, on random and awkward texts: the bits of each result and the length of each
// number. NaNs compare by sign only; their payload reaches no screen.
//
//   decimal_compare [COUNT [RUN]]         COUNT random texts (3000000 unless told)
//                                          after the fixed ones; prints the first 50
//                                          differences and the totals
//   decimal_compare --list COUNT [RUN]    the same texts in hex with decimalText's
//                                          bits and length, to set beside another
//                                          build's
// RUN numbers the series of random texts (1 unless told): the same RUN, the same texts.
#include "display/conversions.h"

#include <locale.h>
#include <stdlib.h>

#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::literals;

std::mt19937_64 generator;

std::size_t below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(generator);
}
bool chance(unsigned percent) {
    return below(100) < percent;
}
char pick(std::string_view set) {
    return set[below(set.size())];
}
std::string digits(std::size_t count, std::string_view set = "0123456789") {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += pick(set);
    return text;
}
std::string randomCase(std::string word) {
    for (char& c : word)
        if (chance(50)) c = static_cast<char>(c - 'a' + 'A');
    return word;
}

// A length for a digit string: mostly short, now and then hundreds.
std::size_t digitCount() {
    if (chance(5)) return below(800);
    if (chance(30)) return below(25);
    return below(6);
}

// The exact decimal digits of `value`, with no trailing zeros.
std::string exactDecimal(long double value) {
    static char buffer[1100];
    std::snprintf(buffer, sizeof buffer, "%.1000Le", value);
    std::string text = buffer;
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    while (mantissa.back() == '0')
        mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
    return mantissa + text.substr(e);
}

double randomDouble() {
    std::uint64_t bits = generator();
    if (chance(30)) bits &= 0x800FFFFFFFFFFFFFu; // subnormal
    if (chance(10)) bits = below(8) + (chance(50) ? 0 : 0x000FFFFFFFFFFFF8u);
    const double value = std::bit_cast<double>(bits);
    return std::isfinite(value) ? value : 1.0;
}

// A text on or beside the point halfway between two neighbouring doubles, or two
// neighbouring singles, in decimal or hexadecimal.
std::string halfway() {
    double low = std::fabs(randomDouble());
    if (chance(20)) low = std::bit_cast<float>(static_cast<std::uint32_t>(generator() >> 33));
    if (!std::isfinite(low)) low = 1;
    const long double lowLong = low;
    const long double high = chance(30) ? std::nextafter(static_cast<float>(low), INFINITY)
                                        : static_cast<long double>(std::nextafter(low, INFINITY));
    if (!std::isfinite(high)) return "1";
    std::string text;
    if (chance(25)) {
        char hex[64];
        std::snprintf(hex, sizeof hex, "%La", (lowLong + high) / 2);
        text = hex;
    } else {
        text = exactDecimal((lowLong + high) / 2);
    }
    const std::size_t e = text.find_first_of("ep");
    std::string mantissa = text.substr(0, e);
    const std::string exponent = text.substr(e);
    // The tie itself, just above it, just below it, cut short, or with zeros after it.
    switch (below(5)) {
    case 0:
        break;
    case 1:
        mantissa += std::string(below(900), '0') + "1";
        break;
    case 2:
        mantissa.pop_back();
        break;
    case 3:
        if (mantissa.size() > 20) mantissa.resize(17 + below(4));
        break;
    default:
        mantissa += std::string(below(30), '0');
        break;
    }
    return mantissa + exponent;
}

std::string exponentPart(const char* letters) {
    std::string text(1, pick(letters));
    if (chance(40)) text += pick("+-");
    if (chance(20)) text += std::string(below(30), '0');
    if (chance(10)) return text + digits(5 + below(25));
    return text + digits(below(5));
}

std::string decimalBody() {
    if (chance(5)) return halfway();
    if (chance(5)) return digits(9 + below(2), "123456789") + digits(chance(50) ? 0 : 9);
    std::string text = digits(digitCount());
    if (chance(20)) text = std::string(below(400), '0') + text;
    if (chance(60)) text += ".";
    text += digits(digitCount());
    if (chance(50)) text += exponentPart("eE");
    return text;
}

std::string hexBody() {
    std::string text = std::string("0") + pick("xX");
    const char* hex = "0123456789abcdefABCDEF";
    if (chance(20)) text += std::string(below(40), '0');
    text += digits(chance(30) ? below(40) : below(4), hex);
    if (chance(50)) text += ".";
    text += digits(chance(30) ? below(40) : below(4), hex);
    if (chance(20)) text += "00000000000008" + std::string(below(30), '0') + digits(below(2), hex);
    if (chance(60)) text += exponentPart("pP");
    return text;
}

std::string wordBody() {
    static const char* words[] = {"inf", "infinity", "infinit", "in",   "i",     "infinityy",
                                  "nan", "na",       "n",       "nan(", "nan()", "nan(x"};
    std::string text = randomCase(words[below(std::size(words))]);
    if (chance(30)) text += digits(below(6), "abcXYZ019_ ()-.");
    return text;
}

std::string randomText() {
    if (chance(10)) return digits(below(30), " \t\n\v\f\r\0+-.,0123456789eEpPxXaAfFiInNtTyY()_"sv);
    std::string text;
    if (chance(20)) text += digits(below(3), " \t\n\v\f\r");
    if (chance(40)) text += pick("+-");
    if (chance(3)) text += pick("+-");
    switch (below(10)) {
    case 0:
        text += hexBody();
        break;
    case 1:
        text += wordBody();
        break;
    default:
        text += decimalBody();
        break;
    }
    if (chance(30)) text += digits(below(4), " ,.eE+-pP0xX9aA\t");
    return text;
}

// Texts at the edges of the syntax and of the range, separated by '|'.
constexpr std::string_view kEdges =
    "| |.|-.|+.|-|+|--1|+-1|-+1|-abc|abc|-0|+0|0|-0.0|0.|.0|-.0e5|.e5|e5|1e|1e+|1e-|1E+5|"
    "1e0005|1,5|-1e-999|1e-999|1e999|-1e999|1e-324|2e-324|3e-324|4.9e-324|"
    "2.4703282292062327e-324|2.4703282292062328e-324|2.2250738585072011e-308|"
    "2.2250738585072014e-308|1.7976931348623157e308|1.7976931348623158e308|"
    "1.7976931348623159e308|9007199254740993|9007199254740993.0000000000000001|123456789|"
    "1234567890|123456789012345678|1234567890123456789|18446744073709551616|"
    "0e999999999999999999|0e-99999999999999999999|1e-99999999999999999999|"
    "1e99999999999999999999|1e+-5|0x|0X|0x.|0x.p1|0xp1|0x1|0x1p|0x1p+|0x1p+-9|0x1p-+9|"
    "0x1.8p1|0X1.8P-1|0x.8|-0x1.8|0x1p-1074|0x1p-1075|0x1.0000000000001p-1075|0x1.8p-1074|"
    "0x0.0000000000001p-1022|0x1.fffffffffffff8p1023|0x1.fffffffffffff7ffp1023|0x1p1024|"
    "0x1p99999999999|0x0p99999999999|0x0p99999999999999999999|0x1p-99999999999|"
    "0x1.00000000000008|0x1.000000000000080001|0x1.00000000000018|0xg|0x-1|0x+1|inf|-inf|"
    "INF|iNfInItY|infinit|infinityx|in|nan|-nan|NaN(123)|nan(0x1f)|nan()|nan(|nan(a b)|"
    "nan(_9z)|nanx|\t\n\v\f\r1| \t-1.5e3x";

std::vector<std::string> fixedTexts() {
    std::vector<std::string> texts;
    for (std::size_t start = 0, bar = 0; bar != std::string_view::npos; start = bar + 1) {
        bar = kEdges.find('|', start);
        texts.emplace_back(kEdges.substr(start, bar - start));
    }
    const std::string zeros(800, '0');
    for (const std::string& text :
         {std::string(1, '\0') + "1", "1" + std::string(1, '\0') + "5", "0." + zeros + "1e800",
          "1" + zeros + "e-1100", "1" + zeros + "e-2147483648", "0." + zeros + "1e2147483647",
          "0x0." + zeros + "1p3300", "0x1" + zeros + "p-2147483648"})
        texts.push_back(text);
    return texts;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char piece[8];
        std::snprintf(piece, sizeof piece, c >= 0x20 && c < 0x7F ? "%c" : "\\x%02x", c);
        out += piece;
    }
    return out.size() > 120 ? out.substr(0, 120) + "...(" + std::to_string(text.size()) + ")" : out;
}

} // namespace

int main(int argc, char** argv) {
    const bool list = argc > 1 && std::strcmp(argv[1], "--list") == 0;
    if (list) ++argv, --argc;
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 3000000;
    generator = std::mt19937_64(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
    const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    long compared = 0, differences = 0, payloadOnly = 0;
    const std::vector<std::string> edges = fixedTexts();
    const long fixed = static_cast<long>(edges.size());
    for (long n = 0; n < fixed + count; ++n) {
        const std::string text = n < fixed ? edges[n] : randomText();
        std::size_t length = 0;
        const double value = decimalText(text, length);
        const auto bits = std::bit_cast<std::uint64_t>(value);
        if (list) {
            for (unsigned char c : text)
                std::printf("%02x", c);
            std::printf(" %016" PRIx64 " %zu\n", bits, length);
            continue;
        }
        char* end = nullptr;
        const double expected = strtod_l(text.c_str(), &end, cLocale);
        const auto expectedBits = std::bit_cast<std::uint64_t>(expected);
        const auto expectedLength = static_cast<std::size_t>(end - text.c_str());
        ++compared;
        const bool bothNan = std::isnan(value) && std::isnan(expected);
        const bool same =
            bothNan ? std::signbit(value) == std::signbit(expected) : bits == expectedBits;
        if (same && length == expectedLength) {
            payloadOnly += bits != expectedBits;
            continue;
        }
        if (++differences <= 50)
            std::printf("\"%s\": %016" PRIx64 " length %zu, strtod_l %016" PRIx64 " length %zu\n",
                        escaped(text).c_str(), bits, length, expectedBits, expectedLength);
    }
    if (list) return 0;
    std::printf("%ld texts compared, %ld differ, %ld more NaNs differ only in payload\n", compared,
                differences, payloadOnly);
    return differences == 0 ? 0 : 1;
}
