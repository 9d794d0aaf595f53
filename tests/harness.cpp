#include "tests/harness.h"

#include <gtest/gtest.h>

#include "app/shell.h"
#include "display/display.h"
#include "display/font.h"
#include "display/window_service.h"

ScreenCells ScreenCells::decode(const Screen& screen) {
    ScreenCells read;
    read.cells_ = screen.cells;
    for (int row = 0; row < kTextRows; ++row)
        for (int column = 0; column < kTextColumns; ++column)
            if (screen.cell(row, column).kind == Cell::Kind::Pixels)
                read.cells_[static_cast<std::size_t>(row * kTextColumns + column)].colour =
                    screen.commonestColour(row, column);
    return read;
}

std::string ScreenCells::rowText(int row) const {
    std::string text;
    for (int column = 1; column <= kTextColumns; ++column) {
        const Cell& cell = cellAt(row, column);
        text.push_back(cell.kind == Cell::Kind::Pixels ? '#' : static_cast<char>(cell.character));
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string ScreenCells::text() const {
    std::string all;
    for (int row = 1; row <= kTextRows; ++row)
        all += rowText(row) + "\n";
    return all;
}

std::vector<int> keys(std::string_view typed) {
    std::vector<int> codes;
    for (char c : typed)
        codes.push_back(c == '\n' ? 13 : static_cast<unsigned char>(c));
    return codes;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

namespace {

void expectCellsMatchPixels(const Screen& s) {
    for (int row = 0; row < kTextRows; ++row) {
        for (int column = 0; column < kTextColumns; ++column) {
            const Cell& cell = s.cell(row, column);
            if (cell.kind == Cell::Kind::Pixels) continue;
            for (int y = 0; y < kCellHeight; ++y) {
                const bool mark = cell.underlined && y == kCellHeight - 1;
                const int bits = mark ? 0xFF : kFont[cell.character][y];
                for (int x = 0; x < kCellWidth; ++x) {
                    const int pixel = s.rowPixels(row * kCellHeight + y)[column * kCellWidth + x];
                    if (pixel == ((bits >> x) & 1 ? cell.colour : s.background)) continue;
                    ADD_FAILURE() << "row " << row + 1 << ", column " << column + 1
                                  << ": the pixels are not character " << int{cell.character}
                                  << " in colour " << int{cell.colour};
                    return;
                }
            }
        }
    }
}

void resetDisplay() {
    setWindowBackends({makeMemoryBackend});
    memoryWindows() = MemoryWindows{};
    std::lock_guard guard(display().lock);
    display().graphicsMode = false;
    display().keys.clear();
}
} // namespace

ProgramRun runProgram(const std::vector<int>& script, const std::vector<int>& typedAhead,
                      std::function<int()> typist) {
    resetDisplay();
    memoryWindows().script.assign(script.begin(), script.end());
    memoryWindows().typist = std::move(typist);
    for (int code : typedAhead)
        display().keys.write(code);
    ProgramRun run;
    try {
        runTablox();
    } catch (const ProgramEnded& end) {
        run.exitStatus = end.status;
    } catch (const KeysExhausted&) {
    }
    run.screen = std::make_unique<Screen>(display().screen);
    run.cells = ScreenCells::decode(*run.screen);
    expectCellsMatchPixels(*run.screen);
    run.windows = memoryWindows();
    run.windows.typist = nullptr;
    memoryWindows().typist = nullptr; // it may refer to what the caller is about to drop
    return run;
}

void freshScreen() {
    resetDisplay();
    setScreenMode();
}

Screen& screen() {
    return display().screen;
}
