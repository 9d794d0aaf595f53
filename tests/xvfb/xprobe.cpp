// A small X client for the window tests: reads the program's window back as text cells
// and sends it the close request that a window manager sends for the close box.
//   xprobe text WINDOW          the 30 text rows, one a line
//   xprobe cells WINDOW         the same with every cell's colour number (hex) after it
//   xprobe cell WINDOW ROW COL  "<character code> <colour number> <text|pixels|empty>"
//   xprobe pixel WINDOW X Y     "R G B" of one pixel of the window
//   xprobe size WINDOW          "WIDTH HEIGHT" of the window's client area
//   xprobe bars WINDOW          how many pixels around the picture are not black
//   xprobe squares WINDOW K     how many K x K squares of the window are not one colour
//   xprobe close WINDOW         sends WM_DELETE_WINDOW
//   xprobe picture WINDOW       the 640x480 window's pixels as colour numbers, one byte
//                               each, row by row (255 for a colour not in the palette)
// A window larger than 640x480 (full screen) shows the picture scaled as large as fits
// with its aspect kept, centred; text and cells are read from it there.
// With XPROBE_FRAMED set and not empty (for Wine's windows, which draw their own caption
// and border when no window manager does), a window whose client area is 640x480 times k
// inside a border of equal width left, right and below and a caption above is read as
// that client area; one without such a frame (full screen) whole.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "display/font.h"
#include "display/screen.h"
#include "xprobe_x11.h"

namespace {

// The colour number of a pixel, or `outside` for a colour outside the palette.
std::uint8_t paletteIndex(std::uint32_t rgb, std::uint8_t outside = 0) {
    for (std::size_t i = 0; i < kDefaultPalette.size(); ++i) {
        const Rgb& c = kDefaultPalette[i];
        if (rgb == (static_cast<std::uint32_t>(c.r) << 16 | c.g << 8 | c.b))
            return static_cast<std::uint8_t>(i);
    }
    return outside;
}

struct Rect {
    int x, y, w, h;
};

// Where the 640x480 picture lies in a window of this size.
Rect pictureRect(const WindowImage& image) {
    Rect r{0, 0, image.width, image.height};
    if (image.width * kScreenHeight > image.height * kScreenWidth)
        r.w = image.height * kScreenWidth / kScreenHeight;
    else
        r.h = image.width * kScreenHeight / kScreenWidth;
    r.x = (image.width - r.w) / 2;
    r.y = (image.height - r.h) / 2;
    return r;
}

std::uint32_t at(const WindowImage& image, int x, int y) {
    return image.rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                     static_cast<std::size_t>(x)];
}

// The picture as colour numbers, each pixel read at the centre of its scaled place.
std::unique_ptr<Screen> asScreen(const WindowImage& image) {
    const Rect r = pictureRect(image);
    auto screen = std::make_unique<Screen>();
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x)
            screen->rowPixels(y)[x] =
                paletteIndex(at(image, r.x + (2 * x + 1) * r.w / (2 * kScreenWidth),
                                r.y + (2 * y + 1) * r.h / (2 * kScreenHeight)));
    return screen;
}

// What a cell of the window shows: the printable ASCII character whose glyph its pixels
// are in their one colour (a cursor mark under it left out), drawing pixels, or nothing.
struct ShownCell {
    int character = ' ';
    int colour = 0;
    std::string kind = "empty";
};

ShownCell readCell(const Screen& screen, int row, int column) {
    ShownCell cell;
    std::array<std::uint8_t, kCellHeight> pattern{};
    bool oneColour = true;
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x) {
            const int pixel =
                screen.rowPixels((row - 1) * kCellHeight + y)[(column - 1) * kCellWidth + x];
            if (pixel == 0) continue;
            oneColour = oneColour && (cell.colour == 0 || pixel == cell.colour);
            cell.colour = pixel;
            pattern[static_cast<std::size_t>(y)] |= static_cast<std::uint8_t>(1u << x);
        }
    if (cell.colour == 0) return cell;
    cell.kind = "pixels";
    if (pattern.back() == 0xFF) pattern.back() = 0; // no ASCII glyph fills its bottom row
    for (int code = ' '; code < 127 && oneColour; ++code)
        if (std::equal(pattern.begin(), pattern.end(), kFont[code])) {
            cell = {code, cell.colour, "text"};
            break;
        }
    return cell;
}

long pixelsAroundPicture(const WindowImage& image) {
    const Rect r = pictureRect(image);
    long count = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const bool inside = x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
            if (!inside && at(image, x, y) != 0) ++count;
        }
    return count;
}

long mixedSquares(const WindowImage& image, int k) {
    long count = 0;
    for (int y = 0; y + k <= image.height; y += k)
        for (int x = 0; x + k <= image.width; x += k)
            for (int i = 0; i < k * k; ++i)
                if (at(image, x + i % k, y + i / k) != at(image, x, y)) {
                    ++count;
                    break;
                }
    return count;
}

// The client area of a window that draws its own frame: the whole multiple of 640x480 it
// holds with a border under 32 pixels wide left, right and below, and more above.
void keepClientArea(WindowImage& image) {
    for (int k = image.width / kScreenWidth; k >= 1; --k) {
        const int border = (image.width - k * kScreenWidth) / 2;
        const int top = image.height - k * kScreenHeight - border;
        if (border >= 32 || (image.width - k * kScreenWidth) % 2 != 0 || top <= border) continue;
        WindowImage client;
        client.width = k * kScreenWidth;
        client.height = k * kScreenHeight;
        for (int y = 0; y < client.height; ++y)
            for (int x = 0; x < client.width; ++x)
                client.rgb.push_back(at(image, border + x, top + y));
        image = std::move(client);
        return;
    }
}

int fail(const std::string& why) {
    std::fprintf(stderr, "xprobe: %s\n", why.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const std::string window = argc > 2 ? argv[2] : "";
    const bool known = (command == "close" || command == "text" || command == "cells" ||
                        command == "size" || command == "bars" || command == "picture")
                           ? argc == 3
                       : command == "squares"                      ? argc == 4
                       : (command == "cell" || command == "pixel") ? argc == 5
                                                                   : false;
    if (!known) {
        std::fputs("usage: xprobe text|cells|size|bars|close|picture WINDOW | squares WINDOW K |"
                   " cell WINDOW ROW COL | pixel WINDOW X Y\n",
                   stderr);
        return 2;
    }
    std::string why;
    if (command == "close") return sendCloseRequest(window, why) ? 0 : fail(why);
    WindowImage image;
    if (!readWindow(window, image, why)) return fail(why);
    if (const char* framed = std::getenv("XPROBE_FRAMED"); framed && *framed) keepClientArea(image);
    if (command == "size") {
        std::printf("%d %d\n", image.width, image.height);
        return 0;
    }
    if (command == "pixel") {
        const int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
        if (x < 0 || y < 0 || x >= image.width || y >= image.height)
            return fail("outside the window");
        const std::uint32_t rgb = at(image, x, y);
        std::printf("%u %u %u\n", rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
        return 0;
    }
    if (command == "squares") {
        const int k = std::atoi(argv[3]);
        if (k < 1) return fail("no such square");
        std::printf("%ld\n", mixedSquares(image, k));
        return 0;
    }
    if (command == "bars") {
        std::printf("%ld\n", pixelsAroundPicture(image));
        return 0;
    }
    if (command == "picture") {
        if (image.width != kScreenWidth || image.height != kScreenHeight)
            return fail("the window is not 640x480");
        std::string numbers;
        for (const std::uint32_t rgb : image.rgb)
            numbers.push_back(static_cast<char>(paletteIndex(rgb, 255)));
        return std::fwrite(numbers.data(), 1, numbers.size(), stdout) == numbers.size()
                   ? 0
                   : fail("cannot write the picture");
    }
    if (image.width < kScreenWidth || image.height < kScreenHeight)
        return fail("the window is smaller than 640x480");
    const std::unique_ptr<Screen> screen = asScreen(image);
    if (command == "text" || command == "cells") {
        for (int row = 1; row <= kTextRows; ++row) {
            std::string line;
            for (int column = 1; column <= kTextColumns; ++column) {
                const ShownCell cell = readCell(*screen, row, column);
                line.push_back(cell.kind == "pixels" ? '#' : static_cast<char>(cell.character));
                if (command == "cells") line.push_back("0123456789abcdef"[cell.colour & 15]);
            }
            if (command == "text") line.erase(line.find_last_not_of(' ') + 1);
            std::printf("%s\n", line.c_str());
        }
        return 0;
    }
    const int row = std::atoi(argv[3]), column = std::atoi(argv[4]);
    if (row < 1 || row > kTextRows || column < 1 || column > kTextColumns)
        return fail("no such cell");
    const ShownCell cell = readCell(*screen, row, column);
    std::printf("%d %d %s\n", cell.character, cell.colour, cell.kind.c_str());
    return 0;
}
