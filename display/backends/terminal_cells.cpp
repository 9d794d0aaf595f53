#include "display/backends/terminal_cells.h"

#include <array>

#include "display/cells.h"
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

} // namespace

bool TerminalCell::looksLike(const TerminalCell& other) const {
    if (character == U' ' && other.character == U' ' && !underlined && !other.underlined)
        return true;
    return *this == other;
}

char32_t brailleOfCell(const Screen& screen, int row, int column) {
    const int x0 = (column - 1) * kCellWidth;
    const int y0 = (row - 1) * kCellHeight;
    unsigned dots = 0;
    for (int y = 0; y < kCellHeight; ++y) {
        const std::uint8_t* pixels = screen.rowPixels(y0 + y) + x0;
        for (int x = 0; x < kCellWidth; ++x)
            if (pixels[x] != screen.background)
                dots |= kBrailleDots[static_cast<std::size_t>(y / kBlock)]
                                    [static_cast<std::size_t>(x / kBlock)];
    }
    return U'\u2800' + dots;
}

TerminalCell terminalCell(const Screen& screen, int row, int column) {
    const Cell cell = decodeCell(screen, row, column);
    TerminalCell shown;
    switch (cell.kind) {
    case Cell::Kind::Empty:
        break;
    case Cell::Kind::Text: {
        const char32_t ch = cp437ToUnicode(cell.character);
        // Glyph 0 is blank; nothing else of the font maps to a control character.
        shown.character = ch < 0x20 || (ch >= 0x7F && ch < 0xA0) ? U' ' : ch;
        shown.colour = cell.colour;
        shown.underlined = cell.underlined;
        break;
    }
    case Cell::Kind::Pixels:
        shown.character = brailleOfCell(screen, row, column);
        shown.colour = cell.colour;
        break;
    }
    return shown;
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
