#include "display/picture.h"

#include <algorithm>

const Palette kDefaultPalette = {{
    {0, 0, 0},
    {0, 0, 170},
    {0, 170, 0},
    {0, 170, 170},
    {170, 0, 0},
    {170, 0, 170},
    {170, 85, 0},
    {170, 170, 170},
    {85, 85, 85},
    {85, 85, 255},
    {85, 255, 85},
    {85, 255, 255},
    {255, 85, 85},
    {255, 85, 255},
    {255, 255, 85},
    {255, 255, 255},
}};

std::uint8_t Picture::commonestColour(int row, int column) const {
    std::array<int, 256> counts{};
    for (int y = row * kCellHeight; y < (row + 1) * kCellHeight; ++y)
        for (int x = column * kCellWidth; x < (column + 1) * kCellWidth; ++x)
            ++counts[rowPixels(y)[x]];
    counts[background] = 0;
    const auto commonest = std::max_element(counts.begin(), counts.end());
    return *commonest == 0 ? background : static_cast<std::uint8_t>(commonest - counts.begin());
}
