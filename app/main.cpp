// The program's entry point. Apart from --help and --version, the arguments are accepted
// and ignored.
#include "app/command_line.h"
#include "app/shell.h"
#include "display/backends/desktop.h"
#include "display/backends/terminal_backend.h"
#include "display/end_signals.h"
#include "display/window_service.h"

int main(int argc, char** argv) {
    if (const auto answered = answerCommandLine(argc, argv)) return *answered;
    watchEndSignals();
    setWindowBackends(desktopBackends());
    setConsoleClear(clearTerminalConsole);
    int status = 0;
    try {
        runTablox();
    } catch (const ProgramEnded& end) {
        status = end.status;
    }
    // Ended by SIGINT, SIGTERM or SIGHUP: the window is closed; now end as the signal does.
    if (const int signal = endSignalNoted()) endBySignal(signal);
    return status;
}
