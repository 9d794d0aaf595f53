// A whole screen as it should read: texts in their colours at their cells, and the pixel
// areas of the sketches, where cells may hold line pieces instead of text.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "app/furniture/banner.h"
#include "tests/harness.h"

class ExpectedScreen {
  public:
    // `text` from (row, column) on, every non-blank character in `colour`.
    void place(int row, int column, std::string_view text, int colour) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            Slot& slot = at(row, column + static_cast<int>(i));
            slot.character = text[i];
            slot.colour = colour;
            slot.placed = true;
        }
    }
    // Cells overlapping the pixel rectangle may show drawing where no text is placed.
    void drawingIn(int x1, int y1, int x2, int y2) {
        for (int row = y1 / 16 + 1; row <= y2 / 16 + 1; ++row)
            for (int column = x1 / 8 + 1; column <= x2 / 8 + 1; ++column)
                at(row, column).drawing = true;
    }
    // Every cell of rows `first` to `last`: placed text in its colour, blanks elsewhere.
    void check(const ProgramRun& run, int first = 1, int last = 30) const {
        for (int row = first; row <= last; ++row) {
            for (int column = 1; column <= 80; ++column) {
                const Slot& slot = slots_[index(row, column)];
                const Cell& cell = run.cellAt(row, column);
                if (slot.placed && slot.character != ' ') {
                    EXPECT_EQ(cell.kind, Cell::Kind::Text) << "row " << row << " column " << column;
                    EXPECT_EQ(cell.character, static_cast<unsigned char>(slot.character))
                        << "row " << row << " column " << column;
                    EXPECT_EQ(cell.colour, slot.colour) << "row " << row << " column " << column;
                } else if (slot.placed || !slot.drawing) {
                    EXPECT_EQ(cell.character, ' ') << "row " << row << " column " << column;
                    EXPECT_NE(cell.kind, Cell::Kind::Pixels)
                        << "row " << row << " column " << column;
                }
            }
        }
    }

  private:
    struct Slot {
        char character = ' ';
        int colour = 0;
        bool placed = false;
        bool drawing = false;
    };
    static std::size_t index(int row, int column) {
        return static_cast<std::size_t>((row - 1) * 80 + column - 1);
    }
    Slot& at(int row, int column) { return slots_[index(row, column)]; }
    std::array<Slot, 80 * 30> slots_{};
};

// The three banner rows of the menu and most screens.
inline void placeBanner(ExpectedScreen& screen, std::string_view title, Credit credit) {
    screen.place(1, 1, titleLine(title, credit), 11);
    screen.place(2, 1, webLine(), 11);
    screen.place(3, 1, std::string(76, '*'), 11);
}
