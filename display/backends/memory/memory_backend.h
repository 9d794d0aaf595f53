// A window back end that shows nothing: the screen stays in memory, and keys come from
// a script. Used by the tests to run the whole program without a display.
#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "display/backend.h"

// What the in-memory windows did, and the keys still to be typed.
struct MemoryWindows {
    int opened = 0;
    int closed = 0;
    int beeps = 0;
    std::string title;
    bool refuseToOpen = false;
    // Keys the operator types, one each time the program waits for a key.
    std::deque<int> script;
    // Asked for the next key once the script is empty: an operator who looks at the
    // screen before typing. It may throw KeysExhausted to stop the run.
    std::function<int()> typist;
};

// Thrown when the program waits for a key and the script has none left.
struct KeysExhausted {};

MemoryWindows& memoryWindows();
std::unique_ptr<WindowBackend> makeMemoryBackend();
