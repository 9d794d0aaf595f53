// Reading parts of a finished screen: a span of cells as text, the colour of the text in
// it, and the pixels of one colour inside a rectangle.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/harness.h"

// `count` cells from (row, column) as characters; blank and pixel cells show as ' '/'#'.
inline std::string cellsText(const ProgramRun& run, int row, int column, int count) {
    std::string text;
    for (int c = column; c < column + count; ++c) {
        const Cell& cell = run.cellAt(row, c);
        text.push_back(cell.kind == Cell::Kind::Pixels ? '#' : static_cast<char>(cell.character));
    }
    return text;
}

// Expects `text` at (row, column) with every non-blank character in `colour`.
inline void expectText(const ProgramRun& run, int row, int column, const std::string& text,
                       int colour) {
    const int count = static_cast<int>(text.size());
    EXPECT_EQ(cellsText(run, row, column, count), text) << "row " << row << " column " << column;
    for (int c = column; c < column + count; ++c) {
        if (run.cellAt(row, c).kind == Cell::Kind::Text) {
            EXPECT_EQ(run.cellAt(row, c).colour, colour) << "row " << row << " column " << c;
        }
    }
}

// The pixels of `colour` with x1 <= x <= x2 and y1 <= y <= y2.
inline int countPixels(const ProgramRun& run, int colour, int x1, int y1, int x2, int y2) {
    int count = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (run.pixel(x, y) == colour) ++count;
    return count;
}

// The pixels with x1 <= x <= x2 and y1 <= y <= y2 that are not in `colour`.
inline int pixelsNotIn(const ProgramRun& run, int colour, int x1, int y1, int x2, int y2) {
    return (x2 - x1 + 1) * (y2 - y1 + 1) - countPixels(run, colour, x1, y1, x2, y2);
}
