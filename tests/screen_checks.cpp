#include "tests/screen_checks.h"

#include <gtest/gtest.h>

std::string cellsText(const ProgramRun& run, int row, int column, int length) {
    std::string text;
    for (int c = column; c < column + length && c <= 80; ++c) {
        const Cell& cell = run.cellAt(row, c);
        text.push_back(cell.kind == Cell::Kind::Pixels ? '#' : static_cast<char>(cell.character));
    }
    return text;
}

void expectText(const ProgramRun& run, int row, int column, const std::string& text, int colour) {
    const int length = static_cast<int>(text.size());
    EXPECT_EQ(cellsText(run, row, column, length), text) << "row " << row << ", column " << column;
    for (int i = 0; i < length; ++i) {
        if (text[static_cast<std::size_t>(i)] == ' ') continue;
        EXPECT_EQ(run.cellAt(row, column + i).colour, colour)
            << "row " << row << ", column " << column + i;
    }
}

void expectRow(const ProgramRun& run, int row, const std::string& text, int colour) {
    EXPECT_EQ(run.rowText(row), text) << "row " << row;
    expectText(run, row, 1, text, colour);
}

void expectRun(const ProgramRun& run, int x1, int y1, int x2, int y2, int colour) {
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            EXPECT_EQ(run.pixel(x, y), colour) << "pixel " << x << ", " << y;
            if (run.pixel(x, y) != colour) return; // one report per run is enough
        }
    }
}

void expectBanner(const ProgramRun& run, const std::string& title, int ruleLength) {
    expectRow(run, 1, title, 11);
    expectRow(run, 2, std::string(47, ' ') + "http://www.strihyhrubec.test", 11);
    expectRow(run, 3, std::string(static_cast<std::size_t>(ruleLength), '*'), 11);
}

std::string longCreditTitle(const std::string& title) {
    return title + std::string(50 - title.size(), ' ') + "(c) P. Hrubec 1998 - 2004";
}

std::string shortCreditTitle(const std::string& title) {
    return title + std::string(55 - title.size(), ' ') + "(c) P.Hrubec 2002-04";
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}
