#include "display/backends/terminal_painter.h"

void TerminalPainter::clear(std::string& out) {
    out += "\x1b[0m";
    out += blackBackgroundEscape(depth_);
    out += "\x1b[2J";
    shown_.fill(TerminalCell{});
    foreground_ = -1;
    underline_ = false;
    cursorKnown_ = false;
}

bool TerminalPainter::blankGap(int row, int column) const {
    // Blanks cost less than a cursor move over a short gap of cells that show blanks.
    constexpr int kLongestGap = 7;
    if (!cursorKnown_ || cursorRow_ != row || underline_) return false;
    if (column < cursorColumn_ || column - cursorColumn_ > kLongestGap) return false;
    for (int c = cursorColumn_; c < column; ++c) {
        const TerminalCell& shown =
            shown_[static_cast<std::size_t>((row - 1) * kTextColumns + c - 1)];
        if (shown.character != U' ' || shown.underlined) return false;
    }
    return true;
}

void TerminalPainter::paint(const CellGrid& wanted, const Palette& palette, std::string& out) {
    if (!valid_) {
        clear(out);
        valid_ = true;
    }
    for (int row = 1; row <= kTextRows; ++row) {
        for (int column = 1; column <= kTextColumns; ++column) {
            const TerminalCell& cell =
                wanted[static_cast<std::size_t>((row - 1) * kTextColumns + column - 1)];
            TerminalCell& shown = gridCell(shown_, row, column);
            if (cell.looksLike(shown)) continue;
            if (!cursorKnown_ || cursorRow_ != row || cursorColumn_ != column) {
                if (blankGap(row, column))
                    out.append(static_cast<std::size_t>(column - cursorColumn_), ' ');
                else
                    out += "\x1b[" + std::to_string(row) + ";" + std::to_string(column) + "H";
            }
            if (cell.underlined != underline_) {
                out += cell.underlined ? "\x1b[4m" : "\x1b[24m";
                underline_ = cell.underlined;
            }
            const bool blank = cell.character == U' ' && !cell.underlined;
            if (!blank && cell.colour != foreground_) {
                out += foregroundEscape(palette, cell.colour, depth_);
                foreground_ = cell.colour;
            }
            appendUtf8(out, cell.character);
            shown = cell;
            // After the last column the terminal may wait to wrap: the position is unsure.
            cursorKnown_ = column < kTextColumns;
            cursorRow_ = row;
            cursorColumn_ = column + 1;
        }
    }
}

void TerminalPainter::sizeNotice(int columns, int rows, std::string& out) {
    clear(out);
    valid_ = false;
    out += "\x1b[H";
    out += "TABLOX: zvetsete terminal na 80 x 30 znaku (ted " + std::to_string(columns) + " x " +
           std::to_string(rows) + ")";
}
