#include "display/backends/terminal/terminal_painter.h"

void TerminalPainter::attributesOff(std::string& out) {
    out += caps_.attributesOff;
    foreground_ = -1;
    bold_ = false;
    mark_ = false;
}

void TerminalPainter::clear(std::string& out) {
    attributesOff(out);
    out += caps_.clearScreen;
    shown_.fill(TerminalCell{});
    cursorKnown_ = false;
}

bool TerminalPainter::blankGap(int row, int column) const {
    // Blanks cost less than a cursor move over a short gap of cells that show blanks.
    constexpr int kLongestGap = 7;
    if (!cursorKnown_ || cursorRow_ != row || mark_) return false;
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
                    out += caps_.moveTo(row, column);
            }
            const bool blank = cell.character == U' ' && !cell.underlined;
            const bool bold = !blank && caps_.boldFor(cell.colour);
            // Bold, and a mark without an end of its own, end only with every attribute.
            if ((bold_ && !bold && !blank) || (mark_ && !cell.underlined && caps_.markOff.empty()))
                attributesOff(out);
            if (cell.underlined != mark_) {
                out += cell.underlined ? caps_.markOn : caps_.markOff;
                mark_ = cell.underlined;
            }
            if (bold && !bold_) {
                out += caps_.bold;
                bold_ = true;
            }
            if (!blank && cell.colour != foreground_ && caps_.colours != ColourMode::None) {
                out += caps_.foregroundOf(palette, cell.colour);
                foreground_ = cell.colour;
            }
            caps_.characters.append(out, cell.character);
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
    out += caps_.moveTo(1, 1);
    out += "TABLOX: zvetsete terminal na 80 x 30 znaku (ted " + std::to_string(columns) + " x " +
           std::to_string(rows) + ")";
}
