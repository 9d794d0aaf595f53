// The terminal session: the terminal taken over for the whole run and one thread that
// reads keys into the key buffer and draws the changed cells when the program asks.
// Windows come and go with every screen; the session stays while at least one is open,
// so the terminal neither flickers between screens nor loses keys typed meanwhile.
#pragma once
#include <string>

// Opens a window on the terminal, starting the session with the first one. False with
// `why` when standard input and output are not both terminals, or the terminal cannot
// be taken over.
bool attachTerminalWindow(std::string& why);
// Closes a window; with the last one the session ends and the terminal is given back.
void detachTerminalWindow();
// Rings the terminal's bell.
void ringTerminalBell();
// Draws the rows that a display operation has marked.
void showTerminalChanges();
// True once a window has been opened on the terminal in this run.
bool terminalSessionStarted();
