// The line editor: key handling on the text, and the drawing that keeps the screen in
// step with it.
#include "display/line_editor.h"

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <new>
#include <string_view>

#include "display/display.h"
#include "display/input_queue.h"
#include "display/screen.h"
#include "display/window_service.h"

EditStep applyKey(LineEdit& line, int key, std::size_t screenWidth) {
    using Kind = EditStep::Kind;
    std::string& text = line.text;
    std::size_t& position = line.position;
    switch (key) {
    case kKeyEnter:
    case kKeyLineFeed:
        return {Kind::Finished};
    case kKeyBackspace:
        if (position == 0) return {};
        --position;
        text.erase(position, 1);
        return {Kind::Deleted, position, 1};
    case kKeyTab: {
        const std::size_t blanks = 8 - position % 8;
        text.insert(position, blanks, ' ');
        position += blanks;
        return {Kind::Inserted, position - blanks, blanks};
    }
    case kKeyEscape: {
        const std::size_t removed = text.size();
        text.clear();
        position = 0;
        return {Kind::Deleted, 0, removed};
    }
    case kKeyDelete:
        if (position == text.size()) return {Kind::Beep};
        text.erase(position, 1);
        return {Kind::Deleted, position, 1};
    case kKeyLeft:
        if (position == 0) return {};
        --position;
        return {Kind::Moved};
    case kKeyRight:
        if (position == text.size()) return {};
        ++position;
        return {Kind::Moved};
    case kKeyHome:
        position = 0;
        return {Kind::Moved};
    case kKeyEnd:
        position = text.size();
        return {Kind::Moved};
    case kKeyUp:
        if (position < screenWidth) return {};
        position -= screenWidth;
        return {Kind::Moved};
    case kKeyDown:
        if (text.size() - position < screenWidth) return {};
        position += screenWidth;
        return {Kind::Moved};
    default:
        if (key < 32 || key > 255) return {}; // other control and extended keys
        text.insert(position, 1, static_cast<char>(key));
        ++position;
        return {Kind::Inserted, position - 1, 1};
    }
}

namespace {

constexpr std::ptrdiff_t kColumns = kTextColumns;
constexpr std::ptrdiff_t kCells = kTextColumns * kTextRows;

// Where the line `text` stands on the screen. Cells are counted along the rows from the
// top left (row * 80 + column, both 0-based), so that a text position maps to the cell
// start + position. When the screen scrolls, start moves up with the text; it goes
// below 0 once the beginning of a long line has scrolled off the top.
class LineOnScreen {
  public:
    explicit LineOnScreen(const std::string& text) : text_(text) {
        // A pending scroll puts the next character in column 1 of the row below.
        const Screen& s = display().screen;
        start_ = s.row * kColumns + s.column + (s.pendingScroll ? 1 : 0);
    }

    // Brings `position` back onto the screen when it lies above the top row, as after
    // Home or Esc on a line whose beginning has scrolled off: the line moves down by
    // whole rows until that position is on the top row, and the screen shows the line
    // afresh. Otherwise the operator would type on with nothing to see.
    void bringIntoView(std::size_t position) {
        const std::ptrdiff_t at = cell(position);
        if (at >= 0) return;
        start_ += (-at + kColumns - 1) / kColumns * kColumns;
        repaint(0);
    }

    bool visible(std::size_t position) const {
        const std::ptrdiff_t at = cell(position);
        return at >= 0 && at < kCells;
    }

    // Puts the text cursor in the cell of `position`. Below the bottom row, a line end
    // printed in the last cell of the bottom row scrolls the screen up first. A
    // position above the top row has no cell; the cursor stays where it is.
    void placeCursor(std::size_t position) {
        std::ptrdiff_t at = cell(position);
        if (at < 0) return;
        if (at >= kCells) {
            const std::ptrdiff_t rows = at / kColumns - (kTextRows - 1);
            locate(kTextRows, kTextColumns);
            for (std::ptrdiff_t i = 0; i < rows; ++i)
                writeText("\r\n");
            start_ -= rows * kColumns;
            at -= rows * kColumns;
            // The rows that came up from below show the line's characters there, if any
            // (after bringIntoView, the line can go on below the bottom row).
            const std::ptrdiff_t revealed = std::max<std::ptrdiff_t>(kCells - rows * kColumns, 0);
            if (cell(text_.size()) > revealed) repaint(revealed);
        }
        locate(static_cast<int>(at / kColumns) + 1, static_cast<int>(at % kColumns) + 1);
    }

    // Prints `text` as the characters of text positions `position` onwards. The part
    // that has scrolled off the top is skipped; a scroll that the printing causes
    // moves the line up with the screen.
    void print(std::size_t position, std::string_view text) {
        const std::ptrdiff_t first = cell(position);
        if (first < 0) {
            const std::size_t hidden = std::min(static_cast<std::size_t>(-first), text.size());
            text.remove_prefix(hidden);
            position += hidden;
            if (cell(position) < 0) return;
        }
        placeCursor(position);
        const std::ptrdiff_t from = cell(position);
        // A lone 255 would be drawn as the cursor mark; its glyph is a blank anyway.
        writeText(text == "\xFF" ? std::string_view(" ") : text);
        const Screen& s = display().screen;
        const std::ptrdiff_t reached = s.row * kColumns + s.column + (s.pendingScroll ? 1 : 0);
        start_ -= from + static_cast<std::ptrdiff_t>(text.size()) - reached;
    }

  private:
    std::ptrdiff_t cell(std::size_t position) const {
        return start_ + static_cast<std::ptrdiff_t>(position);
    }

    // Shows the cells from `from` to the end of the screen: the line's characters in
    // theirs, blanks in the others. Leaves a pending scroll, which the next locate cancels.
    void repaint(std::ptrdiff_t from) {
        std::string cells;
        cells.reserve(static_cast<std::size_t>(kCells - from));
        for (std::ptrdiff_t at = from; at < kCells; ++at) {
            const std::ptrdiff_t position = at - start_;
            const bool inText =
                position >= 0 && position < static_cast<std::ptrdiff_t>(text_.size());
            cells.push_back(inText ? text_[static_cast<std::size_t>(position)] : ' ');
        }
        locate(static_cast<int>(from / kColumns) + 1, static_cast<int>(from % kColumns) + 1);
        writeText(cells == "\xFF" ? std::string_view(" ") : std::string_view(cells));
    }

    const std::string& text_;
    std::ptrdiff_t start_ = 0;
};

// The character shown at the insertion point: the typed one, or a blank at the end.
std::string_view characterAt(const LineEdit& line) {
    if (line.position == line.text.size()) return " ";
    return std::string_view(line.text).substr(line.position, 1);
}

} // namespace

int waitForKey() {
    InputQueue& queue = input();
    auto endIfRequested = [&] {
        if (const auto status = queue.endRequested()) endProgram(*status);
    };
    for (;;) {
        if (queue.keyWaiting()) return queue.takeKey();
        showWhatIsDrawn();
        endIfRequested();
        windowProgramWaits();
        queue.await();
        endIfRequested();
    }
}

namespace {

EditStep applyKeyIfRoom(LineEdit& line, int key) {
    try {
        return applyKey(line, key, kTextColumns);
    } catch (const std::bad_alloc&) {
        return {}; // no memory for a longer line: the key is dropped
    }
}

void showStep(LineOnScreen& screen, const LineEdit& line, const EditStep& step) {
    using Kind = EditStep::Kind;
    switch (step.kind) {
    case Kind::Inserted:
        screen.print(step.from, std::string_view(line.text).substr(step.from));
        break;
    case Kind::Deleted:
        screen.print(step.from, line.text.substr(step.from) + std::string(step.count, ' '));
        break;
    case Kind::Beep:
    case Kind::Ignored:
    case Kind::Moved:
    case Kind::Finished:
        break;
    }
    screen.placeCursor(line.position);
}

} // namespace

std::string editLine() {
    LineEdit line;
    LineOnScreen screen = [&] {
        DisplayOperation operation;
        return LineOnScreen(line.text);
    }();
    for (;;) {
        {
            DisplayOperation operation;
            screen.bringIntoView(line.position);
            screen.placeCursor(line.position);
            if (screen.visible(line.position)) {
                writeText("\xFF");
                screen.placeCursor(line.position);
            }
        }
        const int key = waitForKey();
        EditStep step;
        {
            DisplayOperation operation;
            if (screen.visible(line.position)) {
                screen.print(line.position, characterAt(line));
                screen.placeCursor(line.position);
            }
            step = applyKeyIfRoom(line, key);
            if (step.kind == EditStep::Kind::Finished) {
                screen.placeCursor(line.text.size());
                return std::move(line.text);
            }
            showStep(screen, line, step);
        }
        // The key's echo first, then the beep.
        if (step.kind == EditStep::Kind::Beep) {
            showWhatIsDrawn();
            windowBeep();
        }
    }
}
