// How the characters of the cells reach a terminal that may not show all of them: in a
// UTF-8 locale as their UTF-8 encoding; in another character set as that set's own
// character; on the Linux console (whose fonts lack braille and much of code page 437)
// only what its fonts have. Braille then becomes ASCII line drawing and a character the
// terminal lacks the nearest ASCII one: never bytes the terminal cannot show.
#pragma once
#include <array>
#include <cstdint>
#include <string>

class TerminalCharacters {
  public:
    // `codeset` is the locale's character set (as nl_langinfo(CODESET) names it);
    // `linuxConsole` is true for the Linux text console.
    TerminalCharacters(const std::string& codeset, bool linuxConsole);
    // Every character as UTF-8.
    TerminalCharacters() = default;

    // Appends the bytes that show `ch`: a character of code page 437 or a braille pattern.
    void append(std::string& out, char32_t ch) const;

  private:
    bool utf8_ = true;
    std::array<std::string, 256> shown_{}; // by code page 437 code, where not UTF-8
};

// The ASCII character that draws the line a braille pattern's dots trace (dots 1-8 as
// bits 0-7): '-' or '_' for a level line, '|' for an upright one, '/' and '\' for
// slanting ones, '+' where lines meet, '.' or '\'' for a lone dot, ' ' for none.
char lineOfBrailleDots(std::uint8_t dots);

// The nearest ASCII character to the glyph of code page 437 code `code`.
char nearestAscii(std::uint8_t code);
