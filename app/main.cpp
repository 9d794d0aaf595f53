// The program's entry point. The arguments are accepted and ignored.
#include "app/shell.h"
#include "display/backends/desktop.h"
#include "display/end_signals.h"
#include "display/window_service.h"

int main() {
    watchEndSignals();
    setWindowBackends(desktopBackends());
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
