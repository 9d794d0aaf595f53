// Conversions between code page 437 (the screen font's character set) and Unicode.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

// The character that the font's glyph for `code` shows (1 to 31 as their symbols).
char32_t cp437ToUnicode(std::uint8_t code);
// The code page 437 code typed for a Unicode character, or -1 when it has none.
int unicodeToCp437(char32_t ch);
// The codes of the characters of a UTF-8 text (read strictly, display/utf8.h);
// characters without a code and malformed bytes are dropped.
std::vector<int> utf8ToCp437(std::string_view text);
