// Long runs of the whole program on the in-memory back end: an operator who types
// random keys for a long time, and one who changes screens thousands of times.
#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>

struct SoakReport {
    long keys = 0;              // keys typed, the closing Esc, 1, 0 and ENTER included
    long screens = 0;           // windows opened
    long menus = 0;             // times the menu waited for a choice
    std::array<long, 12> ran{}; // [item]: how often menu items 1 to 11 ran
    long windowsLeftOpen = 0;   // windows opened but not closed when the program ended
    double seconds = 0;
    std::optional<int> exitStatus; // set when the program ended itself
    std::string failure;           // why the run could not be ended as planned
};

// Types `keyCount` random keys from a generator with the fixed start value
// `startValue` into the whole program, from start-up through the menu, every
// calculator, the credits and the pauses, then goes back to the menu and ends the
// program with Esc, 1, 0 and ENTER. The keys are weighted: digits, numbers, ENTER
// often, editing and function keys, the close box, long runs of one character. At the
// menu the operator reads the screen and never lets a typed 10 through, nor an 11
// that was not planned.
SoakReport runSoak(long keyCount, unsigned startValue = 1);

// Resident memory of this process in kilobytes.
long residentKilobytes();

// Runs the program through `screenCount` screen changes (the menu and the sheet weight
// in turn, every value answered with ENTER), calling `atScreen` with the number of
// screens opened so far each time a screen waits for its first key. Returns the
// screens opened.
long runScreenChanges(long screenCount, const std::function<void(long)>& atScreen);
