// What the screen shows, as a value: the 640x480 frame buffer of colour numbers, the
// 80x30 text cells kept beside it, the palette and the background colour. The display
// core draws into one; every back end keeps a copy that takeFrame brings up to date.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kTextColumns = 80;
constexpr int kTextRows = 30;
constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;

struct Rgb {
    std::uint8_t r, g, b;
};
using Palette = std::array<Rgb, 16>;
extern const Palette kDefaultPalette;

// What one text cell shows, kept beside its pixels by the operations that paint them:
// the text output writes the character it draws, the cursor mark sets the underline,
// and lines, boxes and circles mark the cells they draw in.
struct Cell {
    enum class Kind : std::uint8_t { Empty, Text, Pixels };
    Kind kind = Kind::Empty;      // Pixels: drawing pixels lie in the cell
    std::uint8_t character = ' '; // code page 437; ' ' unless the cell holds text
    std::uint8_t colour = 0;      // of the character and of its underline
    bool underlined = false;      // the line editor's cursor mark under the character
    bool operator==(const Cell&) const = default;
};

struct Picture {
    std::array<std::uint8_t, kScreenWidth * kScreenHeight> pixels{};
    std::array<Cell, kTextColumns * kTextRows> cells{};
    Palette palette = kDefaultPalette;
    std::uint8_t background = 0;

    std::uint8_t* rowPixels(int y) { return &pixels[static_cast<std::size_t>(y) * kScreenWidth]; }
    const std::uint8_t* rowPixels(int y) const {
        return &pixels[static_cast<std::size_t>(y) * kScreenWidth];
    }
    Cell& cell(int row, int column) { // 0-based
        return cells[static_cast<std::size_t>(row * kTextColumns + column)];
    }
    const Cell& cell(int row, int column) const {
        return cells[static_cast<std::size_t>(row * kTextColumns + column)];
    }
    // The colour most pixels of the cell have, leaving out the background; the
    // background when all of them have it.
    std::uint8_t commonestColour(int row, int column) const;
};

// A back end's copy of the picture and the pixel rows that the last takeFrame changed.
struct Frame {
    Picture picture;
    std::array<bool, kScreenHeight> changedRows{};
};
