#include "display/cells.h"

ScreenCells ScreenCells::decode(const Screen& screen) {
    ScreenCells read;
    read.cells_ = screen.cells;
    for (int row = 0; row < kTextRows; ++row)
        for (int column = 0; column < kTextColumns; ++column)
            if (screen.cell(row, column).kind == Cell::Kind::Pixels)
                read.cells_[static_cast<std::size_t>(row * kTextColumns + column)].colour =
                    screen.commonestColour(row, column);
    return read;
}

std::string ScreenCells::rowText(int row) const {
    std::string text;
    for (int column = 1; column <= kTextColumns; ++column) {
        const Cell& cell = cellAt(row, column);
        text.push_back(cell.kind == Cell::Kind::Pixels ? '#' : static_cast<char>(cell.character));
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string ScreenCells::text() const {
    std::string all;
    for (int row = 1; row <= kTextRows; ++row)
        all += rowText(row) + "\n";
    return all;
}
