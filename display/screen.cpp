// The graphics text screen: mode, palette, colours, cursor and text output.
#include "display/screen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "display/display.h"
#include "display/font.h"
#include "display/window_service.h"
#include "platform/platform.h"

DisplayState& display() {
    static DisplayState d;
    return d;
}

void Screen::markRows(int firstY, int lastY) {
    firstY = std::max(firstY, 0);
    lastY = std::min(lastY, kScreenHeight - 1);
    for (int y = firstY; y <= lastY; ++y)
        rowChanged[static_cast<std::size_t>(y)] = true;
}

bool Screen::anyRowChanged() const {
    return std::find(rowChanged.begin(), rowChanged.end(), true) != rowChanged.end();
}

DisplayOperation::DisplayOperation() {
    DisplayState& d = display();
    d.lock.lock();
    ++d.depth;
}

DisplayOperation::~DisplayOperation() {
    DisplayState& d = display();
    const bool ask = --d.depth == 0 && d.show.shouldAsk(d.screen.anyRowChanged(), false);
    d.lock.unlock();
    if (ask) d.show.ask();
}

void showWhatIsDrawn() {
    DisplayState& d = display();
    bool ask = false;
    {
        std::lock_guard guard(d.lock);
        ask = d.show.shouldAsk(d.screen.anyRowChanged(), true);
    }
    if (ask) d.show.ask();
}

bool takeFrame(Frame& frame) {
    DisplayState& d = display();
    std::lock_guard guard(d.lock);
    if (!d.show.asked()) return false;
    Screen& s = d.screen;
    for (int y = 0; y < kScreenHeight; ++y) {
        const bool changed = s.rowChanged[static_cast<std::size_t>(y)];
        frame.changedRows[static_cast<std::size_t>(y)] = changed;
        if (changed) std::memcpy(frame.picture.rowPixels(y), s.rowPixels(y), kScreenWidth);
    }
    frame.picture.cells = s.cells;
    frame.picture.palette = s.palette;
    frame.picture.background = s.background;
    s.rowChanged.fill(false);
    d.show.taken();
    return true;
}

bool frameAsked() {
    DisplayState& d = display();
    std::lock_guard guard(d.lock);
    return d.show.asked();
}

namespace {

void fillTextRows(Screen& s, int firstRow, int lastRow) {
    std::memset(s.rowPixels(firstRow * kCellHeight), s.background,
                static_cast<std::size_t>(lastRow - firstRow + 1) * kCellHeight * kScreenWidth);
    s.markRows(firstRow * kCellHeight, (lastRow + 1) * kCellHeight - 1);
    std::fill_n(&s.cell(firstRow, 0), (lastRow - firstRow + 1) * kTextColumns, Cell{});
}

// Scrolls the scrolling region up by n text rows and puts the cursor on its last row.
void scrollUp(Screen& s, int n) {
    const int top = s.scrollTop, bottom = s.scrollBottom;
    if (n >= bottom - top + 1) {
        fillTextRows(s, top, bottom);
    } else {
        for (int y = top * kCellHeight; y < (bottom + 1 - n) * kCellHeight; ++y)
            std::memmove(s.rowPixels(y), s.rowPixels(y + n * kCellHeight), kScreenWidth);
        const Cell* below = &s.cell(top + n, 0);
        std::copy(below, below + (bottom + 1 - n - top) * kTextColumns, &s.cell(top, 0));
        fillTextRows(s, bottom + 1 - n, bottom);
        s.markRows(top * kCellHeight, (bottom + 1) * kCellHeight - 1);
    }
    s.row = bottom;
}

// The cell that a character drawn in `colour` leaves: a glyph that shows no pixel
// leaves the cell empty.
Cell characterCell(const Screen& s, std::uint8_t code, std::uint8_t colour) {
    const bool shows =
        colour != s.background && std::any_of(std::begin(kFont[code]), std::end(kFont[code]),
                                              [](std::uint8_t bits) { return bits != 0; });
    return shows ? Cell{Cell::Kind::Text, code, colour} : Cell{};
}

// The cursor mark in `colour` repaints the bottom pixel row of a cell, and only that row.
void underline(const Screen& s, Cell& cell, std::uint8_t colour) {
    if (cell.kind == Cell::Kind::Pixels) return;
    if (cell.character == ' ') {
        // Nothing but the mark shows.
        cell = colour == s.background ? Cell{} : Cell{Cell::Kind::Text, ' ', colour, true};
    } else if (colour == cell.colour) {
        cell.underlined = true;
    } else {
        cell = Cell{Cell::Kind::Pixels}; // a character with a mark of another colour
    }
}

// Paints the cell under the cursor with `code`; the cursor mark paints only the bottom row.
void drawCharacter(Screen& s, std::uint8_t code, bool cursorMarkOnly) {
    const int x = s.column * kCellWidth;
    const int y = s.row * kCellHeight;
    for (int glyphRow = cursorMarkOnly ? kCellHeight - 1 : 0; glyphRow < kCellHeight; ++glyphRow) {
        const std::uint8_t bits = cursorMarkOnly ? 0xFF : kFont[code][glyphRow];
        std::uint8_t* p = s.rowPixels(y + glyphRow) + x;
        for (int b = 0; b < kCellWidth; ++b)
            p[b] = (bits >> b) & 1 ? s.foreground : s.background;
    }
    s.markRows(cursorMarkOnly ? y + kCellHeight - 1 : y, y + kCellHeight - 1);
    Cell& cell = s.cell(s.row, s.column);
    if (cursorMarkOnly)
        underline(s, cell, s.foreground);
    else
        cell = characterCell(s, code, s.foreground);
}

void putCharacter(Screen& s, std::uint8_t code, bool cursorMarkOnly) {
    if (s.row > s.scrollBottom) scrollUp(s, s.row - s.scrollBottom);
    drawCharacter(s, code, cursorMarkOnly);
    if (++s.column == kTextColumns) {
        s.column = 0;
        ++s.row;
    }
}

} // namespace

void writeText(std::string_view text) {
    DisplayState& d = display();
    DisplayOperation operation;
    Screen& s = d.screen;
    if (!d.graphicsMode) {
        // Without a window there is nowhere to show text; it is dropped.
        return;
    }
    if (s.pendingScroll) {
        s.pendingScroll = false;
        s.column = 0;
        if (++s.row > s.scrollBottom) scrollUp(s, s.row - s.scrollBottom);
    }
    const bool cursorMark = text.size() == 1 && static_cast<std::uint8_t>(text[0]) == 255;
    bool lastWasCharacter = false;
    for (char ch : text) {
        const auto code = static_cast<std::uint8_t>(ch);
        lastWasCharacter = false;
        switch (code) {
        case 7:
            windowBeep();
            break;
        case 8:
            if (s.column > 0) --s.column;
            break;
        case 9:
            for (int k = kCellWidth - s.column % kCellWidth; k > 0; --k)
                putCharacter(s, ' ', false);
            lastWasCharacter = true;
            break;
        case 10:
            s.column = 0;
            ++s.row;
            break;
        case 13:
            s.column = 0;
            break;
        default:
            putCharacter(s, code, cursorMark);
            lastWasCharacter = true;
            break;
        }
    }
    if (s.row > s.scrollBottom) {
        if (lastWasCharacter) {
            // A character in the last column of the bottom row: scroll only when more follows.
            s.row = s.scrollBottom;
            s.column = kTextColumns - 1;
            s.pendingScroll = true;
        } else {
            scrollUp(s, s.row - s.scrollBottom);
        }
    }
}

void setScreenMode() {
    static const std::string title = platform::programName("tablox");
    DisplayState& d = display();
    {
        DisplayOperation operation;
        Screen& s = d.screen;
        s.pixels.fill(0);
        s.cells.fill(Cell{});
        s.rowChanged.fill(true);
        s.palette = kDefaultPalette;
        s.foreground = 15;
        s.background = 0;
        s.row = s.column = 0;
        s.pendingScroll = false;
        s.scrollTop = 0;
        s.scrollBottom = kTextRows - 1;
    }
    std::string why;
    if (!replaceWindow(title, why)) {
        DisplayOperation operation;
        d.graphicsMode = false;
        std::fprintf(stderr, "%s: %s\n", title.c_str(), why.c_str());
        throw ProgramEnded{1};
    }
    DisplayOperation operation;
    d.show.windowOpened();
    d.graphicsMode = true;
}

void clearScreen() {
    DisplayState& d = display();
    DisplayOperation operation;
    if (!d.graphicsMode) {
        // Only the very first clear of a run gets here: it clears the console.
        clearConsole();
        return;
    }
    Screen& s = d.screen;
    fillTextRows(s, s.scrollTop, s.scrollBottom);
    s.row = s.scrollTop;
    s.column = 0;
    s.pendingScroll = false;
}

void setColor(int colour) {
    display().screen.foreground = static_cast<std::uint8_t>(colour & 255);
}

void locate(int row, int column) {
    Screen& s = display().screen;
    const bool rowValid = row == 0 || (row >= s.scrollTop + 1 && row <= s.scrollBottom + 1);
    const bool columnValid = column == 0 || (column >= 1 && column <= kTextColumns);
    // Out of range the cursor stays; either way a pending scroll is cancelled.
    if (rowValid && columnValid) {
        if (row != 0) s.row = row - 1;
        if (column != 0) s.column = column - 1;
    }
    s.pendingScroll = false;
}

void printText(std::string_view text, bool lineEnd) {
    DisplayOperation operation;
    writeText(text);
    if (lineEnd) writeText("\r\n");
}

void endProgram(int status) {
    closeWindow();
    {
        DisplayOperation operation;
        display().graphicsMode = false;
    }
    throw ProgramEnded{status};
}
