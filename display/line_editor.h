// The line editor behind inputLine: the typed text with its insertion point, the
// editing keys, and the drawing of the line on the screen as it changes.
#pragma once
#include <cstddef>
#include <string>

#include "display/keys.h" // the names of the key codes that applyKey acts on

// The line being typed: its text and the insertion point (0 = before the first character).
struct LineEdit {
    std::string text;
    std::size_t position = 0;
};

// What one key did to the line, so that the screen can follow.
struct EditStep {
    enum class Kind {
        Ignored,  // nothing changed
        Moved,    // only the insertion point moved
        Inserted, // `count` characters were inserted at `from`; the point is behind them
        Deleted,  // `count` characters were removed at `from`, where the point now is
        Beep,     // Delete at the end of the text: nothing changed, sound the bell
        Finished, // ENTER: the line is complete
    };
    Kind kind = Kind::Ignored;
    std::size_t from = 0;
    std::size_t count = 0;
};

// Applies one key code to the line. `screenWidth` is the step of Up and Down.
EditStep applyKey(LineEdit& line, int key, std::size_t screenWidth);

// Lets the operator type and edit one line from the text cursor, showing it in the
// current colour with a cursor mark at the insertion point, until ENTER. Leaves the
// text cursor behind the text and returns the text.
std::string editLine();

// The line editor's wait: the oldest key waiting, or, after asking the window to show what
// has been drawn, the first one posted. An end requested before or during the wait ends
// the program through endProgram.
int waitForKey();
