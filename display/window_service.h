// The window service: the back end that shows the screen, chosen for each window from
// the ones set for the run, tried in order. The display operations call it; it calls
// only the back end (display/backend.h).
#pragma once
#include <string>
#include <vector>

#include "display/backend.h"

// The back ends that setScreenMode tries, in order.
void setWindowBackends(std::vector<BackendFactory> factories);

// Opens a new window (handing it the keyboard) and then closes the old one.
// Returns false when no back end could open one, with `why` naming the reason of each
// ("cannot open a window (...), and ...").
bool replaceWindow(const std::string& title, std::string& why);
// Closes the window, if one is open.
void closeWindow();
void windowBeep();
// Asks the window to show what has been drawn (see display/show_when_idle.h).
void windowShow();
// The program is about to sleep until input() has a key or an end request.
void windowProgramWaits();

// Clears the console, the terminal the program was started from, once at the start.
// Only the back ends know how; without a clear set here, nothing is cleared.
void setConsoleClear(void (*clear)());
void clearConsole();

// Thrown by endProgram (and when no window can be opened at all); the program's
// entry point returns `status` as the exit status.
struct ProgramEnded {
    int status;
};
