// What the terminal on standard output can do, as its terminfo entry, the locale and
// the environment (COLORTERM, NO_COLOR) say: every sequence the back end writes,
// prepared once before the terminal is taken over, and how it shows characters.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "display/backends/terminal/terminal_charset.h"
#include "display/picture.h"

// Exact RGB where COLORTERM announces it; else the entry's colours: 16 or more, or 8
// (the bright ones as bold); or none (NO_COLOR, or an entry without colours).
enum class ColourMode { None, Eight, Sixteen, TrueColour };

struct TerminalEnvironment {
    std::string term;      // TERM; empty when unset
    std::string colorterm; // COLORTERM
    bool noColour = false; // NO_COLOR set and not empty
    std::string codeset;   // the locale's character set
};
// This process's environment. The locale's character set is read under the locale the
// environment names (LC_ALL, LC_CTYPE, LANG); the program's own locale is left as it was.
TerminalEnvironment environmentOfThisProcess();

struct TerminalCapabilities {
    std::string takeOver;      // the alternate screen and no cursor, where the entry has them
    std::string giveBack;      // attributes off; the main screen, or a cleared one; the cursor
    std::string attributesOff; // every attribute off, then the black background
    std::string clearScreen;   // clears the screen; the cursor goes home
    // The line editor's cursor mark: underline, or reverse video where the terminal
    // cannot underline coloured text. markOff is empty when only attributesOff ends it.
    std::string markOn, markOff;
    std::string bold;
    std::string bellSequence;
    ColourMode colours = ColourMode::None;
    TerminalCharacters characters;

    // Moves the cursor to row 1..30, column 1..80.
    const std::string& moveTo(int row, int column) const;
    // Sets palette colour `colour` as the foreground; empty without colours.
    std::string foregroundOf(const Palette& palette, std::uint8_t colour) const;
    // Whether text in `colour` is shown bold: the bright colours where the terminal has
    // eight colours; without colours, light red (results and warnings), so they still
    // stand out.
    bool boldFor(std::uint8_t colour) const;

    std::vector<std::string> cursorTo;           // by (row - 1) * 80 + column - 1
    std::array<std::string, 16> foregroundSet{}; // by palette index (Eight, Sixteen)
};

// The capabilities of terminal type `environment.term`. False with `why` (one line:
// what is missing and what to do) when the terminal cannot show the screen: TERM unset,
// a type unknown to terminfo, or a terminal that cannot place its cursor.
bool loadTerminalCapabilities(const TerminalEnvironment& environment,
                              TerminalCapabilities& capabilities, std::string& why);
