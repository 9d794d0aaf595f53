// The terminal back end: shows the screen as characters in the terminal of standard
// output and takes keys from standard input, for SSH and machines without a display.
#pragma once
#include <memory>

#include "display/backend.h"

std::unique_ptr<WindowBackend> makeTerminalBackend();
// Clears the terminal on standard output, if it is one, as its terminfo entry says; a
// terminal that cannot place its cursor is left alone.
void clearTerminalConsole();
// True once the terminal has been chosen: it then serves the rest of the run.
bool terminalChosen();

// Wraps the factory of a back end tried before the terminal: once the terminal has been
// chosen, that back end is not tried again for the rest of the run.
template <BackendFactory make> std::unique_ptr<WindowBackend> unlessTerminalChosen() {
    return terminalChosen() ? nullptr : make();
}
