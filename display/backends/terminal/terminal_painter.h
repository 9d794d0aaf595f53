// Brings the terminal from what it shows to the wanted 80x30 cells with few bytes: only
// cells that look different are written, the cursor is moved only where the next cell
// is not already under it (short gaps of blanks are written over instead), and colours
// are set only when they change; with the sequences and characters of the terminal.
// Pure: builds bytes, writes nothing.
#pragma once
#include <array>
#include <string>
#include <utility>

#include "display/backends/terminal/terminal_caps.h"
#include "display/backends/terminal/terminal_cells.h"
#include "display/picture.h"

using CellGrid = std::array<TerminalCell, kTextColumns * kTextRows>;

// Row 1..30, column 1..80.
inline TerminalCell& gridCell(CellGrid& grid, int row, int column) {
    return grid[static_cast<std::size_t>((row - 1) * kTextColumns + column - 1)];
}

class TerminalPainter {
  public:
    explicit TerminalPainter(TerminalCapabilities capabilities) : caps_(std::move(capabilities)) {}
    const TerminalCapabilities& capabilities() const { return caps_; }

    // Forgets what the terminal shows: the next paint clears it and draws every cell.
    void invalidate() { valid_ = false; }
    // Appends the bytes that make the terminal show `wanted`, drawn with `palette`.
    void paint(const CellGrid& wanted, const Palette& palette, std::string& out);
    // Appends the notice shown instead of the screen while the terminal is smaller than
    // 80x30 (`columns` x `rows`); the screen is drawn afresh after it.
    void sizeNotice(int columns, int rows, std::string& out);
    // Appends the terminal's bell.
    void bell(std::string& out) const { out += caps_.bellSequence; }

  private:
    void clear(std::string& out);
    void attributesOff(std::string& out);
    bool blankGap(int row, int column) const;

    TerminalCapabilities caps_;
    bool valid_ = false;
    CellGrid shown_{};
    int foreground_ = -1; // the terminal's foreground colour, -1 when not known
    bool bold_ = false;
    bool mark_ = false; // the cursor mark's attribute is on
    bool cursorKnown_ = false;
    int cursorRow_ = 0, cursorColumn_ = 0; // 1-based
};
