// The end signals SIGINT, SIGTERM and SIGHUP end the program the orderly way. The
// handler only notes the signal; the line editor's wait for a key wakes up for it and unwinds
// through endProgram, which closes the window; the entry point then ends the process by
// the signal itself, so that whoever started the program sees how it ended. A second
// signal before that ends the process at once.
#pragma once

#include "display/wakeup.h"

// Installs the handlers. A signal that was ignored when the program started (as under
// nohup) stays ignored.
void watchEndSignals();
// Puts back the handling that was there before, and forgets a noted signal.
void unwatchEndSignals();
// The end signal noted since watchEndSignals, or 0.
int endSignalNoted();
// Raised by the handler when it notes a signal, so that a wait can end at once.
const Wakeup& endSignalWakeup();
// Ends the process by `signal` with the signal's default action.
[[noreturn]] void endBySignal(int signal);
