// The program's entry point. Apart from --help and --version, the arguments are accepted
// and ignored.
#include "app/shell/command_line.h"
#include "app/shell/shell.h"
#include "display/backends/desktop.h"
#include "display/input_queue.h"
#include "display/window_service.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    if (const auto answered = answerCommandLine(argc, argv)) return *answered;
    platform::watchEndRequests([](int status) { input().requestEnd(status); });
    setWindowBackends(desktopBackends());
    setConsoleClear(clearDesktopConsole);
    int status = 0;
    try {
        runTablox();
    } catch (const ProgramEnded& end) {
        status = end.status;
    }
    // Ended from outside (Ctrl+C, a kill): the window is closed; now end as that would.
    if (platform::endRequestNoted()) platform::finishEndRequest();
    return status;
}
