#include "display/cells.h"

#include <algorithm>
#include <map>

#include "display/font.h"

namespace {

using Pattern = std::array<std::uint8_t, kCellHeight>;

// Glyph patterns to characters. Where two glyphs look the same, printable ASCII wins.
const std::map<Pattern, std::uint8_t>& glyphs() {
    static const std::map<Pattern, std::uint8_t> table = [] {
        std::map<Pattern, std::uint8_t> t;
        auto add = [&t](int code) {
            Pattern p;
            std::copy(std::begin(kFont[code]), std::end(kFont[code]), p.begin());
            t.emplace(p, static_cast<std::uint8_t>(code));
        };
        for (int c = 32; c < 127; ++c) add(c);
        for (int c = 128; c < 256; ++c) add(c);
        for (int c = 0; c < 32; ++c) add(c);
        add(127);
        return t;
    }();
    return table;
}

} // namespace

Cell decodeCell(const Screen& screen, int row, int column) {
    const int x0 = (column - 1) * kCellWidth;
    const int y0 = (row - 1) * kCellHeight;
    std::array<int, 256> counts{};
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x) ++counts[screen.rowPixels(y0 + y)[x0 + x]];
    counts[screen.background] = 0;
    const auto commonest = std::max_element(counts.begin(), counts.end());
    Cell cell;
    if (*commonest == 0) return cell;
    const auto colour = static_cast<std::uint8_t>(commonest - counts.begin());
    cell.colour = colour;
    const int colours = static_cast<int>(std::count_if(counts.begin(), counts.end(), [](int n) { return n > 0; }));
    Pattern pattern{};
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x)
            if (screen.rowPixels(y0 + y)[x0 + x] == colour)
                pattern[static_cast<std::size_t>(y)] |= static_cast<std::uint8_t>(1u << x);
    if (colours == 1) {
        auto found = glyphs().find(pattern);
        if (found == glyphs().end() && pattern[kCellHeight - 1] == 0xFF) {
            Pattern above = pattern;
            above[kCellHeight - 1] = 0;
            found = glyphs().find(above);
            cell.underlined = found != glyphs().end();
        }
        if (found != glyphs().end()) {
            cell.kind = Cell::Kind::Text;
            cell.character = found->second;
            return cell;
        }
    }
    cell.kind = Cell::Kind::Pixels;
    cell.underlined = false;
    return cell;
}

ScreenCells ScreenCells::decode(const Screen& screen) {
    ScreenCells result;
    for (int row = 1; row <= kTextRows; ++row)
        for (int column = 1; column <= kTextColumns; ++column)
            result.cells_[static_cast<std::size_t>((row - 1) * kTextColumns + column - 1)] =
                decodeCell(screen, row, column);
    return result;
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
    for (int row = 1; row <= kTextRows; ++row) all += rowText(row) + "\n";
    return all;
}
