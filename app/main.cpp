// The program's entry point. The arguments are accepted and ignored.
#include "app/shell.h"
#include "display/backends/desktop.h"
#include "display/window_service.h"

int main() {
    setWindowBackends(desktopBackends());
    try {
        runTablox();
    } catch (const ProgramEnded& end) {
        return end.status;
    }
}
