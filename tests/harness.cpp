#include "tests/harness.h"

#include <gtest/gtest.h>

#include "app/furniture/working_values.h"
#include "app/shell/shell.h"
#include "display/display.h"
#include "display/font.h"
#include "display/input_queue.h"
#include "display/window_service.h"

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
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) {
            const Cell& cell = s.cell(y / kCellHeight, x / kCellWidth);
            if (cell.kind == Cell::Kind::Pixels) continue;
            const bool mark = cell.underlined && y % kCellHeight == kCellHeight - 1;
            const bool lit =
                mark || ((kFont[cell.character][y % kCellHeight] >> (x % kCellWidth)) & 1);
            if (s.rowPixels(y)[x] == (lit ? cell.colour : s.background)) continue;
            ADD_FAILURE() << "row " << y / kCellHeight + 1 << ", column " << x / kCellWidth + 1
                          << ": the pixels are not character " << int{cell.character}
                          << " in colour " << int{cell.colour};
            return;
        }
}

} // namespace

void resetProgramState() {
    setWindowBackends({makeMemoryBackend});
    memoryWindows() = MemoryWindows{};
    choice = 0;
    scratch = 0;
    std::lock_guard guard(display().lock);
    display().graphicsMode = false;
    input().clear();
}

ProgramRun runProgram(const std::vector<int>& script, const std::vector<int>& typedAhead,
                      std::function<int()> typist) {
    resetProgramState();
    memoryWindows().script.assign(script.begin(), script.end());
    memoryWindows().typist = std::move(typist);
    for (int code : typedAhead)
        input().postKey(code);
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
    resetProgramState();
    setScreenMode();
}

Screen& screen() {
    return display().screen;
}
