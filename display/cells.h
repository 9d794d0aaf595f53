// Reads the screen back as 80x30 text cells: which character of the font each cell
// shows, in which colour, or that it holds drawing pixels instead.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "display/screen.h"

struct Cell {
    enum class Kind { Empty, Text, Pixels };
    Kind kind = Kind::Empty;
    std::uint8_t character = ' '; // code page 437; ' ' for empty and pixel cells
    std::uint8_t colour = 0;      // the text colour, or the commonest pixel colour
    bool underlined = false;      // the line editor's cursor mark under the character
};

class ScreenCells {
  public:
    static ScreenCells decode(const Screen& screen);
    // row 1..30, column 1..80
    const Cell& cellAt(int row, int column) const {
        return cells_[static_cast<std::size_t>((row - 1) * kTextColumns + column - 1)];
    }
    // The characters of one row without trailing blanks; pixel cells show as '#'.
    std::string rowText(int row) const;
    // All 30 rows, each ended by a line feed.
    std::string text() const;

  private:
    std::array<Cell, kTextColumns * kTextRows> cells_{};
};

// Decodes the one cell at row 1..30, column 1..80.
Cell decodeCell(const Screen& screen, int row, int column);
