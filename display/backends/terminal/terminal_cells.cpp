#include "display/backends/terminal/terminal_cells.h"

#include <array>

#include "display/cp437.h"

namespace {

// The braille dot of each 4x4 block: left column dots 1, 2, 3, 7, right column 4, 5, 6, 8.
constexpr std::array<std::array<std::uint8_t, 2>, 4> kBrailleDots = {{
    {0x01, 0x08},
    {0x02, 0x10},
    {0x04, 0x20},
    {0x40, 0x80},
}};
constexpr int kBlock = 4;

// Braille dots for the blocks that hold a pixel of another colour than the background,
// in the colour most of those pixels have; a blank when there is none.
TerminalCell drawingCell(const Picture& screen, int row, int column) {
    unsigned dots = 0;
    for (int y = 0; y < kCellHeight; ++y) {
        const std::uint8_t* pixels = screen.rowPixels(row * kCellHeight + y) + column * kCellWidth;
        for (int x = 0; x < kCellWidth; ++x)
            if (pixels[x] != screen.background)
                dots |= kBrailleDots[static_cast<std::size_t>(y / kBlock)]
                                    [static_cast<std::size_t>(x / kBlock)];
    }
    if (dots == 0) return {};
    return {U'\u2800' + dots, screen.commonestColour(row, column), false};
}

} // namespace

bool TerminalCell::looksLike(const TerminalCell& other) const {
    if (character == U' ' && other.character == U' ' && !underlined && !other.underlined)
        return true;
    return *this == other;
}

TerminalCell terminalCell(const Picture& screen, int row, int column) {
    const Cell& cell = screen.cell(row - 1, column - 1);
    switch (cell.kind) {
    case Cell::Kind::Empty:
        break;
    case Cell::Kind::Text:
        return {cp437ToUnicode(cell.character), cell.colour, cell.underlined};
    case Cell::Kind::Pixels:
        return drawingCell(screen, row - 1, column - 1);
    }
    return {};
}

void appendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}
