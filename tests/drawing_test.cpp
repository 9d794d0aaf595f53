// Which pixels lines, boxes and circles set, clipping at the screen edge, hostile
// coordinates, the row marks, and the colours of the drawing operations.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "display/display.h"
#include "display/drawing.h"
#include "tests/harness.h"

namespace {

using Pixel = std::pair<int, int>; // x, y
using Pixels = std::set<Pixel>;

std::unique_ptr<Screen> blankScreen() {
    return std::make_unique<Screen>();
}

Pixels pixelsSet(const Screen& s) {
    static const std::uint8_t blankRow[kScreenWidth] = {};
    Pixels set;
    for (int y = 0; y < kScreenHeight; ++y)
        if (std::memcmp(s.rowPixels(y), blankRow, kScreenWidth) != 0)
            for (int x = 0; x < kScreenWidth; ++x)
                if (s.rowPixels(y)[x] != 0) set.insert({x, y});
    return set;
}

std::vector<int> markedRows(const Screen& s) {
    std::vector<int> rows;
    for (int y = 0; y < kScreenHeight; ++y)
        if (s.rowChanged[static_cast<std::size_t>(y)]) rows.push_back(y);
    return rows;
}

std::vector<int> rowsOf(const Pixels& pixels) {
    std::set<int> rows;
    for (const auto& p : pixels)
        rows.insert(p.second);
    return {rows.begin(), rows.end()};
}

Pixels line(float x1, float y1, float x2, float y2) {
    auto s = blankScreen();
    lineOnScreen(*s, x1, y1, x2, y2, 12);
    return pixelsSet(*s);
}

Pixels circle(float cx, float cy, float r) {
    auto s = blankScreen();
    circleOnScreen(*s, cx, cy, r, 12);
    return pixelsSet(*s);
}

// The walk as described, over the whole line, keeping the pixels on the screen.
Pixels referenceLine(long x1, long y1, long x2, long y2) {
    Pixels set;
    const auto keep = [&](long x, long y) {
        if (x >= 0 && x < kScreenWidth && y >= 0 && y < kScreenHeight)
            set.insert({static_cast<int>(x), static_cast<int>(y)});
    };
    const long dx = std::labs(x2 - x1), dy = std::labs(y2 - y1);
    const long sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    long x = x1, y = y1;
    if (dx >= dy) {
        for (long d = 2 * dy - dx, i = 0; i <= dx; ++i, d += 2 * dy, x += sx) {
            keep(x, y);
            if (d >= 0) y += sy, d -= 2 * dx;
        }
    } else {
        for (long d = 2 * dx - dy, i = 0; i <= dy; ++i, d += 2 * dx, y += sy) {
            keep(x, y);
            if (d >= 0) x += sx, d -= 2 * dy;
        }
    }
    return set;
}

TEST(Lines, SlopedLinesStepOnTiesAndDependOnDirection) {
    EXPECT_EQ(line(0, 0, 4, 2), (Pixels{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}));
    EXPECT_EQ(line(4, 2, 0, 0), (Pixels{{4, 2}, {3, 1}, {2, 1}, {1, 0}, {0, 0}}));
    EXPECT_EQ(line(0, 0, 5, 2), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}));
    EXPECT_EQ(line(0, 0, 2, 5), (Pixels{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}}));
    EXPECT_EQ(line(10, 10, 14, 14), (Pixels{{10, 10}, {11, 11}, {12, 12}, {13, 13}, {14, 14}}));
}

TEST(Lines, StraightRunsAndSinglePoints) {
    const Pixels across = line(300, 100, 550, 100);
    EXPECT_EQ(across.size(), 251u);
    EXPECT_EQ(*across.begin(), (Pixel{300, 100}));
    EXPECT_EQ(*across.rbegin(), (Pixel{550, 100}));
    EXPECT_EQ(line(550, 100, 300, 100), across);
    const Pixels down = line(550, 100, 550, 250);
    EXPECT_EQ(down.size(), 151u);
    EXPECT_EQ(rowsOf(down).front(), 100);
    EXPECT_EQ(rowsOf(down).back(), 250);
    for (const auto& p : down)
        EXPECT_EQ(p.first, 550);
    EXPECT_EQ(line(17, 33, 17, 33), (Pixels{{17, 33}}));
}

TEST(Lines, CoordinatesRoundHalfAwayFromZero) {
    EXPECT_EQ(line(0.5f, 1.49f, 2.5f, 1.5f), line(1, 1, 3, 2));
    EXPECT_EQ(line(-0.5f, 0, 2.4f, 0), line(0, 0, 2, 0)); // -0.5 -> -1, clipped
    EXPECT_EQ(line(-0.49f, 5, 3, 5), line(0, 5, 3, 5));
}

TEST(Lines, ACrossingLineIsCutAtTheEdgeWithTheSamePixelsAsTheWholeWalk) {
    std::mt19937 random(20260104); // fixed generator start value: the same lines every run
    std::uniform_int_distribution<long> xs(-900, 1540), ys(-700, 1180);
    for (int i = 0; i < 400; ++i) {
        const long x1 = xs(random), y1 = ys(random), x2 = xs(random), y2 = ys(random);
        ASSERT_EQ(line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                       static_cast<float>(y2)),
                  referenceLine(x1, y1, x2, y2))
            << x1 << "," << y1 << " " << x2 << "," << y2;
    }
    EXPECT_EQ(line(-10, 470, 700, 490), referenceLine(-10, 470, 700, 490));
    EXPECT_EQ(line(-3, -3, 700, 700).size(), 480u);
}

TEST(Lines, ShapesWhollyOffTheScreenDrawNothing) {
    EXPECT_TRUE(line(-5, 10, -1, 300).empty());
    EXPECT_TRUE(line(640, 10, 900, 300).empty());
    EXPECT_TRUE(line(10, -1, 300, -50).empty());
    EXPECT_TRUE(line(10, 480, 300, 1000).empty());
    EXPECT_TRUE(line(-100, 99, 99, -100).empty()); // passes just by the top left corner
    EXPECT_EQ(line(-100, 100, 100, -100), (Pixels{{0, 0}}));
    auto s = blankScreen();
    boxOnScreen(*s, -50, -50, -1, 500, 12);
    boxOnScreen(*s, 700, 10, 640, 20, 12);
    circleOnScreen(*s, -30, 240, 25, 12);
    circleOnScreen(*s, 320, 600, 100, 12);
    EXPECT_TRUE(pixelsSet(*s).empty());
    EXPECT_TRUE(markedRows(*s).empty());
}

TEST(Lines, HugeInfiniteAndNanCoordinatesStayDefined) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(line(-1e30f, 240, 1e30f, 240).size(), 640u);
    EXPECT_EQ(line(320, -inf, 320, inf).size(), 480u);
    Pixels diagonal;
    for (int i = 0; i < kScreenHeight; ++i)
        diagonal.insert({i, i});
    EXPECT_EQ(line(0, 0, 1e30f, 1e30f), diagonal); // both far values clamp alike
    EXPECT_EQ(line(-1e12f, -1e12f, 1e12f, 1e12f), diagonal);
    // Long lines enter the screen half way along a walk of 6e9 steps, on the middle row
    // or column of their three.
    const Pixels shallow = line(-3e9f, 0, 3e9f, 2);
    EXPECT_EQ(shallow.size(), 640u);
    EXPECT_EQ(rowsOf(shallow), (std::vector<int>{1}));
    const Pixels steep = line(100, 3e9f, 102, -3e9f);
    EXPECT_EQ(steep.size(), 480u);
    for (const auto& p : steep)
        EXPECT_EQ(p.first, 101);
    EXPECT_TRUE(line(nan, 0, 10, 10).empty());
    EXPECT_TRUE(line(0, 0, 10, nan).empty());
    auto s = blankScreen();
    boxOnScreen(*s, nan, 0, 10, 10, 12);
    EXPECT_TRUE(pixelsSet(*s).empty());
    boxOnScreen(*s, -1e30f, -inf, 1e30f, 1e38f, 12); // a frame around the whole screen
    EXPECT_TRUE(pixelsSet(*s).empty());
    boxOnScreen(*s, 10, 20, inf, 1e20f, 12); // only its top and left edges show
    const Pixels edges = pixelsSet(*s);
    EXPECT_EQ(edges.size(), 630u + 460u - 1u);
    EXPECT_TRUE(edges.count({10, 479}) && edges.count({639, 20}));
}

TEST(Boxes, CornersInEitherOrderGiveTheSameOutline) {
    Pixels expected;
    for (int x = 530; x <= 548; ++x)
        expected.insert({x, 101}), expected.insert({x, 248});
    for (int y = 101; y <= 248; ++y)
        expected.insert({530, y}), expected.insert({548, y});
    for (const auto& corners : std::vector<std::vector<float>>{{530, 101, 548, 248},
                                                               {548, 248, 530, 101},
                                                               {530, 248, 548, 101},
                                                               {548, 101, 530, 248}}) {
        auto s = blankScreen();
        boxOnScreen(*s, corners[0], corners[1], corners[2], corners[3], 12);
        EXPECT_EQ(pixelsSet(*s), expected);
        EXPECT_EQ(markedRows(*s), rowsOf(expected));
    }
}

TEST(Boxes, EdgesOffTheScreenAreLeftOut) {
    auto s = blankScreen();
    boxOnScreen(*s, -10, 400, 100, 520, 12);
    Pixels expected;
    for (int x = 0; x <= 100; ++x)
        expected.insert({x, 400});
    for (int y = 400; y < kScreenHeight; ++y)
        expected.insert({100, y});
    EXPECT_EQ(pixelsSet(*s), expected);
}

TEST(Circles, RadiusTwentyAroundTheRingCentre) {
    const Pixels hole = circle(450, 250, 20);
    EXPECT_EQ(hole.size(), 112u);
    for (int y : {230, 270}) {
        Pixels row, expected;
        for (const auto& p : hole)
            if (p.second == y) row.insert(p);
        for (int x = 447; x <= 453; ++x)
            expected.insert({x, y});
        EXPECT_EQ(row, expected) << y;
    }
    for (int x : {430, 470}) {
        Pixels column, expected;
        for (const auto& p : hole)
            if (p.first == x) column.insert(p);
        for (int y = 247; y <= 253; ++y)
            expected.insert({x, y});
        EXPECT_EQ(column, expected) << x;
    }
    for (const Pixel& p : {Pixel{433, 240}, Pixel{467, 240}, Pixel{433, 260}, Pixel{467, 260}})
        EXPECT_TRUE(hole.count(p)) << p.first << "," << p.second;
}

TEST(Circles, RadiusHundredAroundTheRingCentre) {
    const Pixels outer = circle(450, 250, 100);
    EXPECT_EQ(outer.size(), 564u);
    Pixels top, expected;
    for (const auto& p : outer)
        if (p.second == 150) top.insert(p);
    for (int x = 441; x <= 459; ++x)
        expected.insert({x, 150});
    EXPECT_EQ(top, expected);
    for (int y : {249, 250, 251}) {
        EXPECT_TRUE(outer.count({350, y})) << y;
        EXPECT_TRUE(outer.count({550, y})) << y;
    }
    EXPECT_TRUE(outer.count({450, 350}));
}

TEST(Circles, OutlinesAreSymmetricAndReachExactlyTheRadius) {
    for (int r = 1; r <= 200; ++r) {
        const int cx = 320, cy = 240;
        const Pixels outline = circle(cx, cy, static_cast<float>(r));
        ASSERT_FALSE(outline.empty()) << r;
        int minX = cx, maxX = cx, minY = cy, maxY = cy;
        for (const auto& [x, y] : outline) {
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
            ASSERT_TRUE(outline.count({2 * cx - x, y}) && outline.count({x, 2 * cy - y})) << r;
        }
        ASSERT_EQ(minX, cx - r) << r;
        ASSERT_EQ(maxX, cx + r) << r;
        ASSERT_EQ(minY, cy - r) << r;
        ASSERT_EQ(maxY, cy + r) << r;
    }
}

TEST(Circles, ACircleAtTheEdgeIsTheMovedWholeCircleCutThere) {
    for (float r : {3.0f, 20.0f, 100.0f}) {
        const Pixels whole = circle(320, 240, r);
        const int reach = static_cast<int>(r) + 3;
        for (int cx : {-reach, -reach + 2, -reach + 4, -7, 0, 320, 636, 639 + reach - 4,
                       639 + reach - 2, 639 + reach}) {
            for (int cy : {-reach, -reach + 2, -reach + 4, 3, 240, 479, 479 + reach - 4,
                           479 + reach - 2, 479 + reach}) {
                Pixels expected;
                for (const auto& [x, y] : whole) {
                    const int mx = x - 320 + cx, my = y - 240 + cy;
                    if (mx >= 0 && mx < kScreenWidth && my >= 0 && my < kScreenHeight)
                        expected.insert({mx, my});
                }
                ASSERT_EQ(circle(static_cast<float>(cx), static_cast<float>(cy), r), expected)
                    << r << " at " << cx << "," << cy;
            }
        }
    }
}

TEST(Circles, NoRadiusNanOrAnAbsurdRadiusDrawsNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(circle(450, 250, 0).empty());
    EXPECT_TRUE(circle(450, 250, -20).empty());
    EXPECT_TRUE(circle(450, 250, nan).empty());
    EXPECT_TRUE(circle(nan, 250, 20).empty());
    EXPECT_TRUE(circle(450, 250, 1e30f).empty());
    EXPECT_TRUE(circle(450, 250, std::numeric_limits<float>::infinity()).empty());
    EXPECT_TRUE(circle(1e30f, 250, 20).empty());
    EXPECT_TRUE(circle(-1e30f, -1e30f, 1e6f).empty());
    EXPECT_TRUE(circle(320, 240 + 1048580.0f, std::nextafter(kLargestCircleRadius, 2e6f)).empty());
}

TEST(Circles, TheLargestRadiusStillDrawsItsArcAcrossTheScreen) {
    // The top of a circle of radius 2^20 whose centre lies far below the screen.
    const Pixels arc = circle(320, 240 + kLargestCircleRadius, kLargestCircleRadius);
    EXPECT_TRUE(arc.count({320, 240}));
    for (const auto& p : arc)
        EXPECT_GE(p.second, 240);
}

TEST(DrawingOperations, MarkExactlyTheRowsTheyWrite) {
    freshScreen();
    screen().rowChanged.fill(false);
    drawLine(0, 0, 4, 2);
    EXPECT_EQ(markedRows(screen()), (std::vector<int>{0, 1, 2}));
    screen().rowChanged.fill(false);
    drawCircle(450, 250, 20, 12);
    std::vector<int> circleRows;
    for (int y = 230; y <= 270; ++y)
        circleRows.push_back(y);
    EXPECT_EQ(markedRows(screen()), circleRows);
    screen().rowChanged.fill(false);
    drawBox(530, 101, 548, 248);
    EXPECT_EQ(markedRows(screen()).size(), 148u);
    screen().rowChanged.fill(false);
    drawLine(-20, 300, 700, 300);
    drawCircle(320, 240, 420, 12); // wholly beyond the screen's corners
    EXPECT_EQ(markedRows(screen()), (std::vector<int>{300}));
}

TEST(DrawingOperations, LinesAndBoxesUseTheForegroundCirclesTheirOwnColour) {
    freshScreen();
    setColor(11);
    drawLine(300, 100, 550, 100);
    drawBox(530, 101, 548, 248);
    drawCircle(450, 250, 20, 12);
    EXPECT_EQ(screen().foreground, 11);
    EXPECT_EQ(screen().rowPixels(100)[300], 11);
    EXPECT_EQ(screen().rowPixels(248)[540], 11);
    EXPECT_EQ(screen().rowPixels(230)[450], 12);
    printText("A", false); // text still comes in the foreground colour
    EXPECT_EQ(ScreenCells::decode(screen()).cellAt(1, 1).colour, 11);
    drawCircle(100, 100, 10, 12 + 256); // the low 8 bits of the colour
    EXPECT_EQ(screen().rowPixels(90)[100], 12);
}

} // namespace
