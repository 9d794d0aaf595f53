// The text output on the graphics screen: wrapping, line ends, scrolling, tabs,
// backspace, locate and the cursor mark.
#include <gtest/gtest.h>

#include <string>

#include "display/display.h"
#include "display/input_queue.h"
#include "tests/harness.h"

namespace {

ScreenCells cells() {
    return ScreenCells::decode(screen());
}

TEST(TextOutput, FreshScreenIsBlackWithCursorHomeAndColour15) {
    freshScreen();
    for (std::uint8_t p : screen().pixels)
        ASSERT_EQ(p, 0);
    printText("A", false);
    EXPECT_EQ(cells().cellAt(1, 1).character, 'A');
    EXPECT_EQ(cells().cellAt(1, 1).colour, 15);
}

TEST(TextOutput, ClearScreenKeepsTheForegroundColour) {
    freshScreen();
    setColor(12);
    printText("xyz", false);
    clearScreen();
    printText("A", false);
    EXPECT_EQ(cells().rowText(1), "A");
    EXPECT_EQ(cells().cellAt(1, 1).colour, 12);
}

TEST(TextOutput, EightyCharactersThenLineEndLeaveTheNextRowEmpty) {
    freshScreen();
    locate(5, 1);
    printText(std::string(80, 'x'), false);
    EXPECT_EQ(screen().row, 5);
    EXPECT_EQ(screen().column, 0);
    printText("", true);
    printText("y", false);
    EXPECT_EQ(cells().rowText(5), std::string(80, 'x'));
    EXPECT_EQ(cells().rowText(6), "");
    EXPECT_EQ(cells().rowText(7), "y");
}

TEST(TextOutput, LineEndOnTheBottomRowScrollsAtOnce) {
    freshScreen();
    locate(29, 1);
    printText("upper", false);
    locate(30, 1);
    printText("bottom", true);
    EXPECT_EQ(cells().rowText(28), "upper");
    EXPECT_EQ(cells().rowText(29), "bottom");
    EXPECT_EQ(cells().rowText(30), "");
    EXPECT_EQ(screen().row, 29);
    EXPECT_EQ(screen().column, 0);
}

TEST(TextOutput, FullBottomRowWaitsToScrollUntilMoreTextComes) {
    freshScreen();
    locate(30, 1);
    printText(std::string(80, 'z'), false);
    EXPECT_EQ(cells().rowText(30), std::string(80, 'z'));
    EXPECT_EQ(screen().row, 29);
    EXPECT_EQ(screen().column, 79);
    printText("X", false);
    EXPECT_EQ(cells().rowText(29), std::string(80, 'z'));
    EXPECT_EQ(cells().rowText(30), "X");
}

TEST(TextOutput, LocateCancelsThePendingScroll) {
    freshScreen();
    locate(30, 1);
    printText(std::string(80, 'z'), false);
    locate(10, 1);
    printText("X", false);
    EXPECT_EQ(cells().rowText(10), "X");
    EXPECT_EQ(cells().rowText(30), std::string(80, 'z'));
    EXPECT_EQ(cells().rowText(29), "");
}

TEST(TextOutput, EmptyTextCarriesOutThePendingScroll) {
    freshScreen();
    locate(30, 1);
    printText(std::string(80, 'z'), false);
    printText("", false);
    EXPECT_EQ(cells().rowText(29), std::string(80, 'z'));
    EXPECT_EQ(cells().rowText(30), "");
    EXPECT_EQ(screen().row, 29);
    EXPECT_EQ(screen().column, 0);
}

TEST(TextOutput, ScrollingMovesDrawingsToo) {
    freshScreen();
    screen().rowPixels(479)[3] = 12; // a pixel in the bottom row of cells
    locate(30, 70);
    printText("", true);
    EXPECT_EQ(screen().rowPixels(463)[3], 12);
    EXPECT_EQ(screen().rowPixels(479)[3], 0);
}

TEST(TextOutput, TabGoesToTheNextMultipleOfEight) {
    freshScreen();
    for (int from : {1, 8, 9, 5}) {
        locate(2, from);
        printText("\tT", false);
        const int expected = ((from - 1) / 8 + 1) * 8 + 1;
        EXPECT_EQ(cells().cellAt(2, expected).character, 'T') << "from column " << from;
        clearScreen();
    }
}

TEST(TextOutput, BackspaceMovesLeftWithoutErasingAndStopsInColumnOne) {
    freshScreen();
    locate(3, 1);
    printText("\bA", false);
    EXPECT_EQ(cells().rowText(3), "A");
    printText("BC\b\bx", false);
    EXPECT_EQ(cells().rowText(3), "AxC");
}

TEST(TextOutput, CarriageReturnAndLineFeed) {
    freshScreen();
    locate(4, 10);
    printText("ab\rc\nd", false);
    EXPECT_EQ(cells().rowText(4), "c        ab");
    EXPECT_EQ(cells().rowText(5), "d");
}

TEST(TextOutput, BellBeepsWithoutMovingTheCursor) {
    freshScreen();
    locate(1, 1);
    printText("a\ab", false);
    EXPECT_EQ(cells().rowText(1), "ab");
    EXPECT_EQ(memoryWindows().beeps, 1);
}

TEST(TextOutput, LocateOutOfRangeLeavesTheCursorAlone) {
    freshScreen();
    locate(7, 7);
    for (auto [row, column] : {std::pair{31, 5}, {12, 81}, {-1, 1}, {5, -3}}) {
        locate(row, column);
        EXPECT_EQ(screen().row, 6);
        EXPECT_EQ(screen().column, 6);
    }
    locate(0, 3);
    EXPECT_EQ(screen().row, 6);
    EXPECT_EQ(screen().column, 2);
    locate(2, 0);
    EXPECT_EQ(screen().row, 1);
    EXPECT_EQ(screen().column, 2);
}

TEST(TextOutput, TextOverALineErasesItsPixelsOnlyInsideTheCells) {
    freshScreen();
    for (int x = 0; x < 40; ++x)
        screen().rowPixels(20)[x] = 11; // row 2 of cells
    locate(2, 2);
    printText("ab", false);
    for (int x = 8; x < 24; ++x)
        EXPECT_NE(screen().rowPixels(20)[x], 11) << x;
    for (int x : {0, 7, 24, 39})
        EXPECT_EQ(screen().rowPixels(20)[x], 11) << x;
}

TEST(TextOutput, TheByte255DrawsOnlyAnUnderline) {
    freshScreen();
    locate(6, 6);
    printText("A", false);
    locate(6, 6);
    printText("\xff", false);
    EXPECT_EQ(cells().cellAt(6, 6).character, 'A');
    EXPECT_TRUE(cells().cellAt(6, 6).underlined);
    setColor(10);
    locate(6, 6);
    printText("\xff", false);
    EXPECT_EQ(cells().cellAt(6, 6).kind, Cell::Kind::Pixels); // an A in 15 with a line in 10
    for (int x = 40; x < 48; ++x)
        EXPECT_EQ(screen().rowPixels(16 * 5 + 15)[x], 10);
}

TEST(TextOutput, OnlyTheRowsDrawnAreMarked) {
    freshScreen();
    screen().rowChanged.fill(false);
    locate(3, 1);
    printText("q", false);
    for (int y = 0; y < kScreenHeight; ++y)
        EXPECT_EQ(screen().rowChanged[static_cast<std::size_t>(y)], y >= 32 && y < 48) << y;
}

TEST(KeyRing, TwentyTypedKeepsTheLastFifteen) {
    InputQueue ring;
    for (int code = 1; code <= 20; ++code)
        ring.postKey(code);
    for (int code = 6; code <= 20; ++code)
        EXPECT_EQ(ring.takeKey(), code);
    EXPECT_FALSE(ring.keyWaiting());
    EXPECT_EQ(ring.takeKey(), 0);
}

} // namespace
