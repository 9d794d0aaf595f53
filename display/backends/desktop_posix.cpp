#include "display/backends/desktop.h"

#include "display/backends/sdl/sdl_backend.h"
#include "display/backends/terminal/terminal_backend.h"

// The graphical window first, when there is one, then the terminal. Back ends listed
// before the terminal are wrapped in unlessTerminalChosen.
std::vector<BackendFactory> desktopBackends() {
    return {unlessTerminalChosen<makeSdlBackend>, makeTerminalBackend};
}

void clearDesktopConsole() {
    clearTerminalConsole();
}
