// What the terminal shows for one text cell of the screen: its character, a braille
// character for drawing pixels, or a blank.
#pragma once
#include <cstdint>
#include <string>

#include "display/picture.h"

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
TerminalCell terminalCell(const Picture& screen, int row, int column);

// Appends the UTF-8 encoding of `ch`.
void appendUtf8(std::string& out, char32_t ch);
