// Taking the terminal over for the screen and giving it back exactly as it was, on every
// way out: the normal end, exit, the end signals (SIGINT, SIGTERM, SIGHUP, SIGQUIT) and
// the crash signals. What a signal handler needs is prepared beforehand, so that giving
// the terminal back from one takes only write() and tcsetattr().
#pragma once
#include <string>
#include <string_view>

#include "platform/posix/wakeup.h"

// Remembers the settings of the terminal on `inputFd`, switches it to raw input without
// echo (Ctrl+C and Ctrl+\ still end the process; Ctrl+Z is a key) and writes `takeOver`
// (the terminal's sequences for the alternate screen and no cursor) to `outputFd`.
// `giveBack` is what undoes that on every way out. False with `why` when that fails.
bool takeOverTerminal(int inputFd, int outputFd, std::string_view takeOver,
                      std::string_view giveBack, std::string& why);
// Gives the terminal back as it was taken over; does nothing when it is not taken.
void giveBackTerminal();

// Writes bytes built by the back end to the terminal. False (nothing or not everything
// written) while the terminal is being given back or when writing fails.
bool writeToTerminal(std::string_view bytes);

// Raised by the handlers of a change of size and of a continue after a stop.
const Wakeup& terminalSignalWakeup();
// True once after each change of the terminal's size.
bool terminalResized();
// True once after the process was continued after a stop; the caller then calls
// retakeTerminal and draws everything again.
bool terminalContinued();
// Switches to raw input and writes the take-over sequence again (the shell may have changed
// the settings while the process was stopped).
void retakeTerminal();
