// The end signals SIGINT, SIGTERM and SIGHUP end the program the orderly way. The
// handler only notes the signal; the line editor's wait for a key wakes up for it and
// unwinds through endProgram, which closes the window; the entry point then ends the
// process by the signal itself, so that whoever started the program sees how it ended. A
// second signal before that ends the process at once.
//
// Three lists of signals, installed in this order:
// 1. kOrderlyEndSignals (here), by the entry point before anything else;
// 2. kTerminalGiveBackSignals (terminal_mode.cpp): the end signals again, with SIGQUIT
//    and the crash signals, when the terminal is taken over; each handler gives the
//    terminal back and then passes the signal on to the handler it replaced, so an end
//    signal still reaches the orderly end of 1;
// 3. kSignalsForTheProgramThread (terminal_session.cpp): blocked in the terminal's
//    thread, so that every handler above, and those of resizes and continues, runs on
//    the program's thread, never in the middle of one of the terminal thread's writes.
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
