// Lines, box outlines and circle outlines on the frame buffer, and the display
// operations that draw them on the graphics screen under the screen lock.
#include "display/drawing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <optional>

#include "display/display.h"

namespace {

__extension__ typedef __int128 Int128;

constexpr std::int64_t kFarOutside = std::int64_t{1} << 40;
constexpr std::int64_t kLastX = kScreenWidth - 1;
constexpr std::int64_t kLastY = kScreenHeight - 1;

struct Point {
    std::int64_t x, y;
};

// A coordinate as a whole pixel, half away from zero. Converting a float outside the
// int64 range is undefined, so far values are clamped first; NaN has no pixel.
std::optional<std::int64_t> toPixel(float v) {
    if (std::isnan(v)) return std::nullopt;
    const float whole = std::round(v);
    if (whole >= static_cast<float>(kFarOutside)) return kFarOutside;
    if (whole <= -static_cast<float>(kFarOutside)) return -kFarOutside;
    return static_cast<std::int64_t>(whole);
}

void setPixel(Screen& s, std::int64_t x, std::int64_t y, std::uint8_t colour) {
    s.rowPixels(static_cast<int>(y))[x] = colour;
    s.rowChanged[static_cast<std::size_t>(y)] = true;
    s.markDrawing(static_cast<int>(y), static_cast<int>(x), static_cast<int>(x));
}

// Row y from xa to xb (either order, both included) as one run of bytes.
void horizontalRun(Screen& s, std::int64_t y, std::int64_t xa, std::int64_t xb,
                   std::uint8_t colour) {
    if (y < 0 || y > kLastY) return;
    const std::int64_t first = std::max<std::int64_t>(std::min(xa, xb), 0);
    const std::int64_t last = std::min<std::int64_t>(std::max(xa, xb), kLastX);
    if (first > last) return;
    std::memset(s.rowPixels(static_cast<int>(y)) + first, colour,
                static_cast<std::size_t>(last - first + 1));
    s.rowChanged[static_cast<std::size_t>(y)] = true;
    s.markDrawing(static_cast<int>(y), static_cast<int>(first), static_cast<int>(last));
}

// Column x from ya to yb (either order, both included).
void verticalRun(Screen& s, std::int64_t x, std::int64_t ya, std::int64_t yb, std::uint8_t colour) {
    if (x < 0 || x > kLastX) return;
    const std::int64_t first = std::max<std::int64_t>(std::min(ya, yb), 0);
    const std::int64_t last = std::min<std::int64_t>(std::max(ya, yb), kLastY);
    for (std::int64_t y = first; y <= last; ++y)
        setPixel(s, x, y, colour);
}

// Quotients rounded down and up, for b > 0.
Int128 floorDiv(Int128 a, Int128 b) {
    const Int128 q = a / b;
    return q * b > a ? q - 1 : q;
}
Int128 ceilDiv(Int128 a, Int128 b) {
    return -floorDiv(-a, b);
}

// Bresenham's method from p1 to p2, neither horizontal nor vertical. Along the major axis
// a the line takes one pixel per step; the minor axis b steps when the decision value is
// zero or more. After j steps the minor offset is floor((2*db*j + da) / (2*da)), so the
// walk can start at the first step that lies on the screen and stop after the last:
// the pixels are those of the whole walk, and a line far off screen costs no time.
void bresenham(Screen& s, Point p1, Point p2, std::uint8_t colour) {
    const std::int64_t dx = std::abs(p2.x - p1.x), dy = std::abs(p2.y - p1.y);
    const bool xMajor = dx >= dy;
    const std::int64_t da = xMajor ? dx : dy, db = xMajor ? dy : dx;
    const std::int64_t a1 = xMajor ? p1.x : p1.y, b1 = xMajor ? p1.y : p1.x;
    const std::int64_t sa = (xMajor ? p2.x > p1.x : p2.y > p1.y) ? 1 : -1;
    const std::int64_t sb = (xMajor ? p2.y > p1.y : p2.x > p1.x) ? 1 : -1;
    const std::int64_t aLast = xMajor ? kLastX : kLastY, bLast = xMajor ? kLastY : kLastX;

    // Steps j whose major coordinate a1 + sa*j lies on the screen.
    Int128 jFirst = 0, jLast = da;
    jFirst = std::max<Int128>(jFirst, sa > 0 ? -a1 : a1 - aLast);
    jLast = std::min<Int128>(jLast, sa > 0 ? aLast - a1 : a1);
    // Minor offsets c whose coordinate b1 + sb*c lies on the screen, turned into steps:
    // c_j >= c  when  2*db*j + da >= 2*da*c,  and  c_j <= c  when  2*db*j + da < 2*da*(c+1).
    const Int128 cFirst = sb > 0 ? -b1 : b1 - bLast;
    const Int128 cLast = sb > 0 ? bLast - b1 : b1;
    jFirst = std::max(jFirst, ceilDiv(2 * Int128{da} * cFirst - da, 2 * Int128{db}));
    jLast = std::min(jLast, ceilDiv(2 * Int128{da} * (cLast + 1) - da, 2 * Int128{db}) - 1);
    if (jFirst > jLast) return;

    // The walk's state at step jFirst. The decision value d = 2*db*(j+1) - da - 2*da*c_j
    // always lies in [2*db - 2*da, 2*db), so it fits 64 bits though its terms do not.
    const auto j0 = static_cast<std::int64_t>(jFirst);
    const Int128 c0 = floorDiv(2 * Int128{db} * j0 + da, 2 * Int128{da});
    std::int64_t a = a1 + sa * j0;
    auto b = static_cast<std::int64_t>(b1 + sb * c0);
    auto d = static_cast<std::int64_t>(2 * Int128{db} * (j0 + 1) - da - 2 * Int128{da} * c0);
    for (auto steps = static_cast<std::int64_t>(jLast - jFirst) + 1; steps > 0; --steps) {
        if (xMajor) {
            setPixel(s, a, b, colour);
        } else {
            setPixel(s, b, a, colour);
        }
        if (d >= 0) {
            b += sb;
            d -= 2 * da;
        }
        d += 2 * db;
        a += sa;
    }
}

} // namespace

void lineOnScreen(Screen& s, float x1, float y1, float x2, float y2, std::uint8_t colour) {
    const auto px1 = toPixel(x1), py1 = toPixel(y1), px2 = toPixel(x2), py2 = toPixel(y2);
    if (!px1 || !py1 || !px2 || !py2) return;
    const Point p1{*px1, *py1}, p2{*px2, *py2};
    if ((p1.x < 0 && p2.x < 0) || (p1.x > kLastX && p2.x > kLastX) || (p1.y < 0 && p2.y < 0) ||
        (p1.y > kLastY && p2.y > kLastY))
        return;
    if (p1.x == p2.x) {
        verticalRun(s, p1.x, p1.y, p2.y, colour);
    } else if (p1.y == p2.y) {
        horizontalRun(s, p1.y, p1.x, p2.x, colour);
    } else {
        bresenham(s, p1, p2, colour);
    }
}

void boxOnScreen(Screen& s, float x1, float y1, float x2, float y2, std::uint8_t colour) {
    const auto px1 = toPixel(x1), py1 = toPixel(y1), px2 = toPixel(x2), py2 = toPixel(y2);
    if (!px1 || !py1 || !px2 || !py2) return;
    const std::int64_t left = std::min(*px1, *px2), right = std::max(*px1, *px2);
    const std::int64_t top = std::min(*py1, *py2), bottom = std::max(*py1, *py2);
    if (right < 0 || left > kLastX || bottom < 0 || top > kLastY) return;
    horizontalRun(s, bottom, left, right, colour);
    horizontalRun(s, top, left, right, colour);
    verticalRun(s, right, top, bottom, colour);
    verticalRun(s, left, top, bottom, colour);
}

void circleOnScreen(Screen& s, float cx, float cy, float radius, std::uint8_t colour) {
    if (!(radius > 0) || radius > kLargestCircleRadius || std::isnan(cx) || std::isnan(cy)) return;
    const float x = std::round(cx), y = std::round(cy);
    // Every point lies within a pixel of the square around the centre with sides 2r;
    // when that square misses the screen there is nothing to do (and no huge centre to
    // convert to an integer).
    const double reach = static_cast<double>(radius) + 2;
    if (x + reach < 0 || x - reach > kLastX || y + reach < 0 || y - reach > kLastY) return;

    // The mode's aspect ratio is 1: both radii are the radius.
    const float rx = radius, ry = radius;
    std::int64_t left = static_cast<std::int64_t>(std::trunc(x - rx));
    std::int64_t right = static_cast<std::int64_t>(std::trunc(x + rx));
    const auto rowPoints = [&](std::int64_t row) {
        if (row < 0 || row > kLastY) return;
        if (left >= 0 && left <= kLastX) setPixel(s, left, row, colour);
        if (right >= 0 && right <= kLastX) setPixel(s, right, row, colour);
    };
    const auto centreRow = static_cast<std::int64_t>(y);
    rowPoints(centreRow);

    const float rxSquared = rx * rx, rySquared = ry * ry;
    const std::int64_t a2 = 2 * static_cast<std::int64_t>(std::trunc(rxSquared));
    const std::int64_t b2 = 2 * static_cast<std::int64_t>(std::trunc(rySquared));
    std::int64_t c = static_cast<std::int64_t>(std::trunc(std::trunc(rySquared) * rx));
    std::int64_t e = 2 * c;
    std::int64_t t = 0;
    std::int64_t down = centreRow, up = centreRow;
    for (auto n = static_cast<std::int64_t>(std::trunc(rx)); n > 0; --n) {
        while (c > 0) {
            t += a2;
            c -= t;
            ++down;
            --up;
            if (c <= 0) break;
            rowPoints(down);
            rowPoints(up);
        }
        ++left;
        --right;
        e -= b2;
        c += e;
        rowPoints(down);
        rowPoints(up);
    }
}

void drawLine(float x1, float y1, float x2, float y2) {
    DisplayState& d = display();
    DisplayOperation operation;
    if (!d.graphicsMode) return; // no screen to draw on
    lineOnScreen(d.screen, x1, y1, x2, y2, d.screen.foreground);
}

void drawBox(float x1, float y1, float x2, float y2) {
    DisplayState& d = display();
    DisplayOperation operation;
    if (!d.graphicsMode) return;
    boxOnScreen(d.screen, x1, y1, x2, y2, d.screen.foreground);
}

void drawCircle(float cx, float cy, float radius, int colour) {
    DisplayState& d = display();
    DisplayOperation operation;
    if (!d.graphicsMode) return;
    circleOnScreen(d.screen, cx, cy, radius, static_cast<std::uint8_t>(colour & 255));
}
