// What the terminal back end shows for the cells of the screen, and the bytes it writes
// to bring a terminal up to date.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "display/backends/terminal/terminal_caps.h"
#include "display/backends/terminal/terminal_cells.h"
#include "display/backends/terminal/terminal_painter.h"
#include "display/cp437.h"
#include "display/display.h"
#include "tests/harness.h"
#include "tests/vt_model.h"

namespace {

// A pixel of a drawing, as lines and circles set it.
void setPixel(Screen& s, int x, int y, std::uint8_t colour) {
    s.rowPixels(y)[x] = colour;
    s.markDrawing(y, x, x);
}

std::unique_ptr<Screen> blankScreen() {
    return std::make_unique<Screen>();
}

TerminalCapabilities capabilitiesOf(const char* term, const char* colorterm, bool noColour = false,
                                    const char* codeset = "UTF-8") {
    TerminalCapabilities capabilities;
    std::string why;
    EXPECT_TRUE(loadTerminalCapabilities({term, colorterm, noColour, codeset}, capabilities, why))
        << why;
    return capabilities;
}
const TerminalCapabilities& trueColour() {
    static const TerminalCapabilities c = capabilitiesOf("xterm-256color", "truecolor");
    return c;
}
const TerminalCapabilities& ansiColours() {
    static const TerminalCapabilities c = capabilitiesOf("xterm-256color", "");
    return c;
}

TEST(TerminalCells, CharactersShowInTheirColourWithTheCursorMarkAsUnderline) {
    freshScreen();
    setColor(9);
    printText("A", false);
    locate(30, 80);
    setColor(12);
    printText("\xB0", false); // light shade
    locate(2, 5);
    setColor(11);
    printText("\x82", false); // e with acute
    locate(28, 3);
    printText("4", false);
    for (int column : {3, 4}) {
        locate(28, column);
        printText("\xFF", false);
    }
    EXPECT_EQ(terminalCell(screen(), 1, 1), (TerminalCell{U'A', 9, false}));
    EXPECT_EQ(terminalCell(screen(), 30, 80), (TerminalCell{U'\u2591', 12, false}));
    EXPECT_EQ(terminalCell(screen(), 2, 5), (TerminalCell{U'\u00e9', 11, false}));
    EXPECT_EQ(terminalCell(screen(), 1, 2), TerminalCell{});
    EXPECT_EQ(terminalCell(screen(), 28, 3), (TerminalCell{U'4', 11, true}));
    EXPECT_EQ(terminalCell(screen(), 28, 4), (TerminalCell{U' ', 11, true}));
}

TEST(TerminalCells, DrawingPixelsShowAsBrailleDots) {
    auto s = blankScreen();
    // A diagonal through cell (2, 3): blocks (0,0), (0,1), (1,2), (1,3) of the 2x4 grid.
    for (int i = 0; i < 16; ++i)
        setPixel(*s, 16 + i / 2, 16 + i, 12);
    // dots 1, 2 (left column, top two blocks) and 6, 8 (right column, lower two)
    EXPECT_EQ(terminalCell(*s, 2, 3), (TerminalCell{U'\u28a3', 12, false}));

    auto single = blankScreen();
    setPixel(*single, 7, 15, 10);    // bottom right block of cell (1, 1)
    setPixel(*single, 8 + 4, 4, 10); // right column, second block of cell (1, 2)
    EXPECT_EQ(terminalCell(*single, 1, 1).character, U'\u2880');
    EXPECT_EQ(terminalCell(*single, 1, 2).character, U'\u2810');
    EXPECT_EQ(terminalCell(*single, 1, 3), TerminalCell{});

    auto full = blankScreen();
    for (int y = 0; y < 16; ++y)
        setPixel(*full, (y % 2) * 4 + 1, y, 11); // one pixel per block row
    for (int y = 0; y < 16; y += 4)
        setPixel(*full, 6, y + 2, 11);
    EXPECT_EQ(terminalCell(*full, 1, 1).character, U'\u28ff');
}

TEST(TerminalCells, BrailleTakesTheColourMostPixelsHave) {
    auto s = blankScreen();
    for (int y = 0; y < 16; ++y)
        setPixel(*s, 0, y, 11); // a line in colour 11
    setPixel(*s, 5, 3, 12);     // crossing pixels in colour 12
    setPixel(*s, 6, 4, 12);
    const TerminalCell cell = terminalCell(*s, 1, 1);
    EXPECT_EQ(cell.colour, 11);
    EXPECT_EQ(cell.character, U'\u2800' + (0x01 | 0x02 | 0x04 | 0x40 | 0x08 | 0x10));
    EXPECT_FALSE(cell.underlined);
}

TEST(TerminalCapabilities, ColoursAsTheEntryAndTheEnvironmentSay) {
    const TerminalCapabilities rgb = capabilitiesOf("xterm-256color", "truecolor");
    EXPECT_EQ(rgb.colours, ColourMode::TrueColour);
    EXPECT_EQ(rgb.foregroundOf(kDefaultPalette, 12), "\x1b[38;2;255;85;85m");
    EXPECT_EQ(rgb.foregroundOf(kDefaultPalette, 6), "\x1b[38;2;170;85;0m");
    EXPECT_EQ(capabilitiesOf("xterm-256color", "24bit").colours, ColourMode::TrueColour);
    const TerminalCapabilities ansi = capabilitiesOf("xterm-256color", "256");
    EXPECT_EQ(ansi.colours, ColourMode::Sixteen);
    EXPECT_EQ(ansi.foregroundOf(kDefaultPalette, 9), "\x1b[94m");
    EXPECT_EQ(ansi.foregroundOf(kDefaultPalette, 10), "\x1b[92m");
    EXPECT_EQ(ansi.foregroundOf(kDefaultPalette, 1), "\x1b[34m");
    EXPECT_EQ(ansi.foregroundOf(kDefaultPalette, 6), "\x1b[33m");
    EXPECT_FALSE(ansi.boldFor(12));
    // Eight colours: the bright ones bold.
    const TerminalCapabilities linux = capabilitiesOf("linux", "");
    EXPECT_EQ(linux.colours, ColourMode::Eight);
    EXPECT_EQ(linux.foregroundOf(kDefaultPalette, 12), "\x1b[31m");
    EXPECT_TRUE(linux.boldFor(12));
    EXPECT_FALSE(linux.boldFor(4));
    // No colours: light red is bold.
    const TerminalCapabilities plain = capabilitiesOf("xterm-256color", "truecolor", true);
    EXPECT_EQ(plain.colours, ColourMode::None);
    EXPECT_EQ(plain.foregroundOf(kDefaultPalette, 12), "");
    EXPECT_TRUE(plain.boldFor(12));
    EXPECT_FALSE(plain.boldFor(11));
}

TEST(TerminalCharacters, OtherSetsGetTheirOwnCharacterOrTheNearest) {
    auto shown = [](const TerminalCharacters& set, char32_t ch) {
        std::string out;
        set.append(out, ch);
        return out;
    };
    const TerminalCharacters latin1("ISO-8859-1", false), latin2("ISO-8859-2", false);
    const TerminalCharacters console("UTF-8", true);
    EXPECT_EQ(shown(latin1, U'\u00e9'), "\xe9"); // e with acute
    EXPECT_EQ(shown(latin2, U'\u00e9'), "\xe9");
    EXPECT_EQ(shown(latin2, U'\u00e0'), "a"); // a with grave, not in Latin-2
    EXPECT_EQ(shown(latin1, U'\u2591'), "."); // light shade
    EXPECT_EQ(shown(latin1, U'\u2800' + (0x01 | 0x02 | 0x20 | 0x80)), "\\");
    EXPECT_EQ(shown(console, U'\u2500'), "\u2500"); // a line of the console's line drawing
    EXPECT_EQ(shown(console, U'\u00e9'), "e");
    EXPECT_EQ(shown(console, U'\u2800' + (0x02 | 0x10)), "-");
    EXPECT_EQ(shown(TerminalCharacters("UTF-8", false), U'\u2812'), "\u2812");
}

TEST(TerminalPainter, FirstPaintClearsAndDrawsOnlyWhatIsThere) {
    CellGrid grid{};
    gridCell(grid, 5, 1) = {U'M', 9, false};
    gridCell(grid, 5, 3) = {U'E', 9, false};
    gridCell(grid, 18, 1) = {U'1', 12, false};
    TerminalPainter painter(trueColour());
    std::string out;
    painter.paint(grid, kDefaultPalette, out);
    EXPECT_EQ(out, "\x1b(B\x1b[m\x1b[48;2;0;0;0m\x1b[H\x1b[2J"
                   "\x1b[5;1H\x1b[38;2;85;85;255mM E"
                   "\x1b[18;1H\x1b[38;2;255;85;85m1");
    std::string again;
    painter.paint(grid, kDefaultPalette, again);
    EXPECT_EQ(again, "");
}

TEST(TerminalPainter, ShortGapsAreWrittenOverOnlyWhereTheyShowBlanks) {
    CellGrid grid{};
    for (int column = 1; column <= 3; ++column)
        gridCell(grid, 7, column) = {U'X', 10, false};
    TerminalPainter painter(ansiColours());
    std::string out;
    painter.paint(grid, kDefaultPalette, out);
    gridCell(grid, 7, 1) = {U'Y', 10, false};
    gridCell(grid, 7, 3) = {U'Y', 10, false};
    gridCell(grid, 9, 1) = {U'a', 10, false};
    gridCell(grid, 9, 9) = {U'b', 10, false};
    gridCell(grid, 9, 18) = {U'c', 10, false};
    out.clear();
    painter.paint(grid, kDefaultPalette, out);
    EXPECT_EQ(out, "\x1b[7;1HY\x1b[7;3HY\x1b[9;1Ha       b\x1b[9;18Hc");
}

TEST(TerminalPainter, TypedDigitAndCursorMarkCostAFewBytes) {
    CellGrid grid{};
    gridCell(grid, 28, 1) = {U'?', 9, false};
    gridCell(grid, 28, 3) = {U' ', 9, true};
    TerminalPainter painter(trueColour());
    std::string out;
    painter.paint(grid, kDefaultPalette, out);
    gridCell(grid, 28, 3) = {U'4', 9, false};
    gridCell(grid, 28, 4) = {U' ', 9, true};
    out.clear();
    painter.paint(grid, kDefaultPalette, out);
    // The colour is already set: move, underline off, the digit, underline on, a blank.
    EXPECT_EQ(out, "\x1b[28;3H\x1b[24m4\x1b[4m ");
}

TEST(TerminalPainter, CellsThatTurnBlankAreErased) {
    CellGrid grid{};
    gridCell(grid, 1, 80) = {U'x', 15, true};
    gridCell(grid, 2, 1) = {U'y', 15, false};
    TerminalPainter painter(ansiColours());
    std::string out;
    painter.paint(grid, kDefaultPalette, out);
    // After the last column the cursor position is not relied on.
    EXPECT_NE(out.find("x\x1b[2;1H"), std::string::npos);
    gridCell(grid, 1, 80) = {U' ', 3, false};
    out.clear();
    painter.paint(grid, kDefaultPalette, out);
    EXPECT_EQ(out, "\x1b[1;80H ");
}

TEST(TerminalPainter, EveryCharacterReachesTheTerminalAsItsCharacterOnly) {
    // Every byte but the three blank glyphs, which the text output leaves empty.
    auto s = blankScreen();
    for (int code = 1; code < 255; ++code)
        if (code != ' ')
            s->cell(code / 80, code % 80) = {Cell::Kind::Text, static_cast<std::uint8_t>(code),
                                             static_cast<std::uint8_t>(1 + code % 15)};
    CellGrid grid{};
    for (int row = 1; row <= kTextRows; ++row)
        for (int column = 1; column <= kTextColumns; ++column)
            gridCell(grid, row, column) = terminalCell(*s, row, column);
    for (bool rgb : {true, false}) {
        TerminalPainter painter(rgb ? trueColour() : ansiColours());
        std::string out;
        painter.paint(grid, kDefaultPalette, out);
        VtModel terminal(80, 30, {"xterm-256color", rgb});
        terminal.feed(out);
        EXPECT_TRUE(terminal.faults.empty()) << terminal.faults.front();
        EXPECT_EQ(terminal.bells, 0);
        for (int code = 1; code < 255; ++code)
            EXPECT_EQ(terminal.cellAt(1 + code / 80, 1 + code % 80).character,
                      cp437ToUnicode(static_cast<std::uint8_t>(code)))
                << code;
        EXPECT_EQ(terminal.cellAt(2, 48).character, U'\u2302'); // 0x7F
        EXPECT_EQ(terminal.cellAt(3, 68).character, U'\u03c0'); // 0xE3
        EXPECT_EQ(terminal.cellAt(1, 66).foreground,
                  rgb ? "170,85,0" : "3"); // 'A' in colour 6
    }
    // In ASCII, each glyph as the nearest ASCII character.
    TerminalPainter painter(capabilitiesOf("xterm-256color", "", false, "ANSI_X3.4-1968"));
    std::string out;
    painter.paint(grid, kDefaultPalette, out);
    VtModel terminal(80, 30, {"xterm-256color", false, VtTerminal::Characters::Ascii});
    terminal.feed(out);
    EXPECT_TRUE(terminal.faults.empty()) << terminal.faults.front();
    for (int code = 1; code < 255; ++code) {
        if (code == ' ') continue;
        EXPECT_EQ(terminal.cellAt(1 + code / 80, 1 + code % 80).character,
                  static_cast<char32_t>(nearestAscii(static_cast<std::uint8_t>(code))))
            << code;
    }
    EXPECT_EQ(terminal.cellAt(2, 51).character, U'e'); // e with acute
}

TEST(TerminalPainter, InvalidatedPainterRedrawsEverything) {
    CellGrid grid{};
    gridCell(grid, 3, 3) = {U'Z', 10, false};
    TerminalPainter painter(ansiColours());
    std::string out;
    painter.paint(grid, kDefaultPalette, out);
    painter.sizeNotice(70, 20, out);
    VtModel terminal(70, 20);
    terminal.feed(out);
    EXPECT_NE(terminal.rowText(1).find("80 x 30"), std::string::npos);
    EXPECT_NE(terminal.text().find("70 x 20"), std::string::npos);
    EXPECT_EQ(terminal.cellAt(3, 3).character, U' ');
    out.clear();
    painter.paint(grid, kDefaultPalette, out);
    EXPECT_EQ(out, "\x1b(B\x1b[m\x1b[40m\x1b[H\x1b[2J\x1b[3;3H\x1b[92mZ");
}

} // namespace
