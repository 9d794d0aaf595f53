// Runs the whole program from start-up against the in-memory back end with a script
// of key codes, and hands back the screen it left.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "display/backends/memory/memory_backend.h"
#include "display/cells.h"
#include "display/screen.h"

struct ProgramRun {
    std::optional<int> exitStatus;  // set when the program ended itself
    std::unique_ptr<Screen> screen; // the screen when the keys ran out or the program ended
    ScreenCells cells;
    MemoryWindows windows;

    const Cell& cellAt(int row, int column) const { return cells.cellAt(row, column); }
    std::string rowText(int row) const { return cells.rowText(row); }
    std::uint8_t pixel(int x, int y) const { return screen->rowPixels(y)[x]; }
};

// Key codes for typed text: every byte is its own code, '\n' is ENTER (13).
std::vector<int> keys(std::string_view typed);
std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b);

// Starts the program afresh and types `script`, one key each time it waits for one.
// `typedAhead` is in the key buffer before the program starts. Once the script is
// used up, `typist` gives the keys, if there is one (see MemoryWindows::typist).
// Expects every cell of the screen it leaves that holds no drawing to show in its
// pixels exactly its character's glyph in its colour (and the cursor mark when
// underlined) on the background.
ProgramRun runProgram(const std::vector<int>& script, const std::vector<int>& typedAhead = {},
                      std::function<int()> typist = {});

// Puts back everything that outlives a run as a new process has it: the in-memory back
// end with no window open, the display, its key buffer, `choice` and `scratch`. Every test
// starts so (tests/fresh_state.cpp), and so does every run of runProgram.
void resetProgramState();

// Puts the display into the state of a fresh run with one in-memory window open, for
// tests of single display operations.
void freshScreen();
Screen& screen();
