// What the display core needs of the operating system, behind one portable header. The
// POSIX part lives in platform/posix/, the Windows part in platform/windows/; exactly
// one of them is built.
#pragma once
#include <string>

namespace platform {

// The executable's file name without its folder and its last extension ("tablox"); the
// given fallback where the system cannot tell.
std::string programName(const std::string& fallback);

// Ends from outside (SIGINT, SIGTERM and SIGHUP; on Windows Ctrl+C, Ctrl+Break and the
// console's close) call `requestEnd` with the exit status that tells how the program
// ended, from a thread of the platform's own (never inside a signal handler). A second
// one before the program has finished ending ends the process at once. A signal ignored
// when the program started stays ignored.
void watchEndRequests(void (*requestEnd)(int status));
// Puts back the handling that was there before and forgets a noted end.
void unwatchEndRequests();
// Whether an end from outside has been noted since watchEndRequests.
bool endRequestNoted();
// After the orderly end of a noted request: ends the process the way that request
// would have by default (on POSIX by the signal itself), so that whoever started the
// program sees how it ended.
[[noreturn]] void finishEndRequest();

} // namespace platform
