// The screen's 80x30 text cells as a value to read: each cell's character, colour and
// underline, or that it holds drawing pixels; and the rows as text.
#pragma once
#include <array>
#include <string>

#include "display/screen.h"

class ScreenCells {
  public:
    // A copy of the cells of `screen`; a cell with drawing takes the colour most of its
    // pixels have.
    static ScreenCells decode(const Screen& screen);
    // row 1..30, column 1..80
    const Cell& cellAt(int row, int column) const {
        return cells_[static_cast<std::size_t>((row - 1) * kTextColumns + column - 1)];
    }
    // The characters of one row without trailing blanks; cells with drawing show as '#'.
    std::string rowText(int row) const;
    // All 30 rows, each ended by a line feed.
    std::string text() const;

  private:
    std::array<Cell, kTextColumns * kTextRows> cells_{};
};
