// What the terminal shows for one text cell of the screen: its character, a braille
// character for drawing pixels, or a blank; and the escape sequences for colours.
#pragma once
#include <cstdint>
#include <string>

#include "display/screen.h"

struct TerminalCell {
    char32_t character = U' ';
    std::uint8_t colour = 0; // palette index
    bool underlined = false;

    bool operator==(const TerminalCell&) const = default;
    // A blank without underline looks the same in every colour.
    bool looksLike(const TerminalCell& other) const;
};

// The cell at row 1..30, column 1..80: a character shows as itself in its colour, with
// the line editor's cursor mark as an underline; a cell with drawing pixels shows as a
// braille character whose dots stand for the 4x4 pixel blocks that hold any coloured
// pixel, in the commonest colour; an empty cell is a blank.
TerminalCell terminalCell(const Screen& screen, int row, int column);

// Appends the UTF-8 encoding of `ch`.
void appendUtf8(std::string& out, char32_t ch);

// How the terminal takes colours: exact RGB or the sixteen ANSI colours.
enum class ColourDepth { TrueColour, Ansi16 };
// The depth a terminal announces in COLORTERM ("truecolor" or "24bit": exact RGB).
ColourDepth colourDepthFromEnvironment(const char* colorterm);

// The escape sequence that sets the foreground to palette colour `colour`.
std::string foregroundEscape(const Palette& palette, std::uint8_t colour, ColourDepth depth);
// The escape sequence that sets the background to black.
std::string blackBackgroundEscape(ColourDepth depth);
