// The line editor check: any keys typed into the real editor on the in-memory screen.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <mutex>

#include "display/display.h"
#include "display/font.h"
#include "display/line_editor.h"
#include "display/screen.h"
#include "tests/fuzz_checks.h"
#include "tests/harness.h"

namespace {

constexpr std::ptrdiff_t kColumns = kTextColumns;
constexpr std::ptrdiff_t kCells = kTextColumns * kTextRows;

// The key table on the text alone, written out once more as the reference for applyKey.
void referenceKey(std::string& text, std::size_t& position, int key) {
    switch (key) {
    case kKeyBackspace:
        if (position > 0) text.erase(--position, 1);
        return;
    case kKeyTab: {
        const std::size_t blanks = 8 - position % 8;
        text.insert(position, blanks, ' ');
        position += blanks;
        return;
    }
    case kKeyEscape:
        text.clear();
        position = 0;
        return;
    case kKeyDelete:
        if (position < text.size()) text.erase(position, 1);
        return;
    case kKeyLeft:
        if (position > 0) --position;
        return;
    case kKeyRight:
        if (position < text.size()) ++position;
        return;
    case kKeyHome:
        position = 0;
        return;
    case kKeyEnd:
        position = text.size();
        return;
    case kKeyUp:
        if (position >= 80) position -= 80;
        return;
    case kKeyDown:
        if (text.size() - position >= 80) position += 80;
        return;
    default:
        if (key >= 32 && key <= 255)
            text.insert(text.begin() + static_cast<std::ptrdiff_t>(position++),
                        static_cast<char>(key));
        return;
    }
}

// Whether `cell` of `screen` shows character `code` in `colour` on black, and nothing else.
bool cellShows(const Screen& screen, std::ptrdiff_t cell, std::uint8_t code, std::uint8_t colour) {
    const int x = static_cast<int>(cell % kColumns) * kCellWidth;
    const int y = static_cast<int>(cell / kColumns) * kCellHeight;
    for (int glyphRow = 0; glyphRow < kCellHeight; ++glyphRow) {
        std::array<std::uint8_t, kCellWidth> want{};
        for (int b = 0; b < kCellWidth; ++b)
            want[static_cast<std::size_t>(b)] = (kFont[code][glyphRow] >> b) & 1 ? colour : 0;
        if (std::memcmp(screen.rowPixels(y + glyphRow) + x, want.data(), want.size()) != 0)
            return false;
    }
    return true;
}

bool cellsEqual(const Screen& a, std::ptrdiff_t cellA, const Screen& b, std::ptrdiff_t cellB) {
    const int xa = static_cast<int>(cellA % kColumns) * kCellWidth;
    const int ya = static_cast<int>(cellA / kColumns) * kCellHeight;
    const int xb = static_cast<int>(cellB % kColumns) * kCellWidth;
    const int yb = static_cast<int>(cellB / kColumns) * kCellHeight;
    for (int glyphRow = 0; glyphRow < kCellHeight; ++glyphRow)
        if (std::memcmp(a.rowPixels(ya + glyphRow) + xa, b.rowPixels(yb + glyphRow) + xb,
                        kCellWidth) != 0)
            return false;
    return true;
}

std::string cellName(std::ptrdiff_t cell) {
    return "row " + std::to_string(cell / kColumns + 1) + ", column " +
           std::to_string(cell % kColumns + 1);
}

// Where the line stands, followed key by key as the screen must follow it: a cell
// below the bottom row that is drawn or takes the cursor scrolls the screen up until
// that cell is on the bottom row; an insertion point above the top row brings the line
// down by whole rows until it is on the top row, and the whole screen is drawn afresh.
struct LinePlace {
    std::ptrdiff_t start = 0; // the cell of text position 0, row * 80 + column
    bool redrawn = false;     // the screen was drawn afresh: nothing of before is left

    void touch(std::size_t position) {
        const std::ptrdiff_t cell = start + static_cast<std::ptrdiff_t>(position);
        if (cell >= kCells) start -= ((cell - kCells) / kColumns + 1) * kColumns;
    }
    void bringIntoView(std::size_t position) {
        const std::ptrdiff_t cell = start + static_cast<std::ptrdiff_t>(position);
        if (cell >= 0) return;
        start += (-cell + kColumns - 1) / kColumns * kColumns;
        redrawn = true;
    }
};

void prepareScreen(const EditorStart& start) {
    freshScreen();
    if (start.pendingScroll) {
        locate(kTextRows, kTextColumns);
        printText("x", false);
    } else {
        locate(start.row, start.column);
    }
    setColor(start.colour);
    writeText(""); // as inputLine begins: a pending scroll is carried out first
    if (start.questionMark) printText("? ", false);
}

} // namespace

Problem checkEditorSession(const EditorStart& start, const std::vector<int>& keys) {
    prepareScreen(start);
    const auto before = std::make_unique<Screen>(screen());
    const auto colour = static_cast<std::uint8_t>(start.colour & 15);
    LinePlace place;
    place.start = before->row * kColumns + before->column + (before->pendingScroll ? 1 : 0);
    const std::ptrdiff_t firstStart = place.start;

    // The expected course of the line, key by key.
    LineEdit line;
    std::string reference;
    std::size_t referencePosition = 0;
    int beeps = 0;
    place.touch(0); // the first cursor mark
    for (int key : keys) {
        place.bringIntoView(line.position);
        const EditStep step = applyKey(line, key, kTextColumns);
        if (step.kind == EditStep::Kind::Finished) break;
        referenceKey(reference, referencePosition, key);
        if (line.text != reference || line.position != referencePosition)
            return "applyKey differs from the key table at key " + std::to_string(key);
        if (step.kind == EditStep::Kind::Inserted) place.touch(line.text.size() - 1);
        if (step.kind == EditStep::Kind::Deleted && line.text.size() + step.count > 0)
            place.touch(line.text.size() + step.count - 1);
        if (step.kind == EditStep::Kind::Beep) ++beeps;
        place.touch(line.position);
    }
    place.bringIntoView(line.position); // before the closing ENTER
    place.touch(line.text.size());

    memoryWindows().script.assign(keys.begin(), keys.end());
    memoryWindows().script.push_back(kKeyEnter);
    const std::string typed = editLine();
    const Screen& after = screen();

    if (typed != line.text) return "the editor returned another text than was typed";
    if (memoryWindows().beeps != beeps)
        return "the editor beeped " + std::to_string(memoryWindows().beeps) + " times, not " +
               std::to_string(beeps);
    const std::ptrdiff_t end = place.start + static_cast<std::ptrdiff_t>(line.text.size());
    if (end >= 0 && end < kCells) {
        if (after.pendingScroll || after.row * kColumns + after.column != end)
            return "the cursor is not behind the text but at " +
                   cellName(after.row * kColumns + after.column);
    }
    const std::ptrdiff_t scrolled = firstStart - place.start;
    for (std::ptrdiff_t cell = 0; cell < kCells; ++cell) {
        const std::ptrdiff_t position = cell - place.start;
        bool right = false;
        if (position < 0 && place.redrawn)
            right = cellShows(after, cell, ' ', colour);
        else if (position < 0)
            right = cellsEqual(after, cell, *before, cell + scrolled);
        else if (position < static_cast<std::ptrdiff_t>(line.text.size()))
            right = cellShows(
                after, cell,
                static_cast<std::uint8_t>(line.text[static_cast<std::size_t>(position)]), colour);
        else
            right = cellShows(after, cell, ' ', colour);
        if (!right)
            return "wrong cell at " + cellName(cell) + " for text position " +
                   std::to_string(position) + " of " + std::to_string(line.text.size());
    }
    return std::nullopt;
}

namespace {

// Cuts the keys where the cells that the editor would draw for them pass `budget`: a
// key in the middle of a long line redraws up to a screenful, and a fuzz input should
// stay quick to run.
void limitDrawing(std::vector<int>& keys, std::size_t budget) {
    LineEdit line;
    std::size_t drawn = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const EditStep step = applyKey(line, keys[i], kTextColumns);
        std::size_t cells = 2; // the cursor mark and its erasure
        if (step.kind == EditStep::Kind::Inserted || step.kind == EditStep::Kind::Deleted)
            cells += std::min(line.text.size() + step.count - step.from,
                              static_cast<std::size_t>(kCells + kColumns));
        drawn += cells;
        if (drawn > budget || step.kind == EditStep::Kind::Finished) {
            keys.resize(drawn > budget ? i : i + 1);
            return;
        }
    }
}

} // namespace

EditorSession editorSessionFromBytes(std::string_view bytes) {
    // At most this many keys per session, and at most this many cells drawn for them.
    constexpr std::size_t kMaxKeys = 12000;
    constexpr std::size_t kMaxCellsDrawn = 40000;
    // Extended keys: the editing keys, the close box and keys that the editor ignores.
    constexpr std::array<int, 16> kExtended = {
        kKeyHome, kKeyUp, kKeyLeft, kKeyRight, kKeyEnd, kKeyDown, kKeyDelete, kKeyCloseBox,
        0x49FF,   0x51FF, 0x52FF,   0x3BFF,    0x0FFF,  0x77FF,   0x86FF,     0x73FF};
    EditorSession session;
    auto next = [&bytes]() -> unsigned {
        if (bytes.empty()) return 0;
        const auto b = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        return b;
    };
    const unsigned flags = next();
    session.start.questionMark = flags & 1;
    session.start.pendingScroll = flags & 2;
    session.start.colour = static_cast<int>(flags >> 4);
    session.start.row = static_cast<int>(next() % kTextRows) + 1;
    session.start.column = static_cast<int>(next() % kTextColumns) + 1;
    std::vector<int>& keys = session.keys;
    auto repeat = [&keys](std::size_t times, int code) {
        times = std::min(times, kMaxKeys - keys.size());
        keys.insert(keys.end(), times, code);
    };
    while (!bytes.empty() && keys.size() < kMaxKeys) {
        const unsigned b = next();
        if (b < 0xE0 || b >= 0xF5) {
            keys.push_back(static_cast<int>(b)); // a character or control code as it is
        } else if (b < 0xF0) {
            keys.push_back(kExtended[b - 0xE0]);
        } else if (b == 0xF0) {
            keys.push_back(static_cast<int>(0xE0 + (next() & 0x1F))); // characters 224..255
        } else if (b == 0xF1) {
            const unsigned high = next();
            keys.push_back(static_cast<int>(high << 8 | next())); // any 16-bit code
        } else if (b == 0xF2) {
            unsigned value = 0;
            for (int i = 0; i < 4; ++i)
                value = value << 8 | next();
            keys.push_back(static_cast<int>(value)); // any int, negative ones too
        } else if (b == 0xF3) {
            const unsigned times = next() + 1;
            repeat(times * 8, static_cast<int>(next())); // up to 2048 of one key
        } else {
            const unsigned times = next() + 1;
            repeat(times * 256, static_cast<int>(next() | 0x20)); // up to 12000 in all
        }
    }
    limitDrawing(keys, kMaxCellsDrawn);
    return session;
}
