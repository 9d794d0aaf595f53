// Chooses a back end for each window and forwards beeps, changes and waits to it.
#include "display/window_service.h"

#include <utility>

#include "display/display.h"
#include "display/end_signals.h"
#include "display/screen.h"

namespace {

struct Service {
    std::vector<BackendFactory> factories;
    std::unique_ptr<WindowBackend> current;
    void (*clearConsole)() = nullptr;
};

Service& service() {
    static Service s;
    return s;
}

} // namespace

void setWindowBackends(std::vector<BackendFactory> factories) {
    closeWindow();
    service().factories = std::move(factories);
}

bool replaceWindow(const std::string& title, std::string& why) {
    Service& s = service();
    why = "no window back end is available";
    for (BackendFactory make : s.factories) {
        std::unique_ptr<WindowBackend> next = make();
        if (!next) continue;
        std::string reason;
        if (next->open(title, reason)) {
            // The new window has the keyboard before the old one goes, so no key is lost.
            closeWindow();
            s.current = std::move(next);
            return true;
        }
        why = reason;
    }
    closeWindow();
    return false;
}

void closeWindow() {
    Service& s = service();
    if (s.current) {
        s.current->close();
        s.current.reset();
    }
}

void setConsoleClear(void (*clear)()) {
    service().clearConsole = clear;
}

void clearConsole() {
    if (service().clearConsole) service().clearConsole();
}

void windowBeep() {
    if (service().current) service().current->beep();
}

namespace {
// An end signal noted while the program waited: the orderly end, with the shell's
// status for a process ended by that signal.
void endIfSignalled() {
    if (const int signal = endSignalNoted()) endProgram(128 + signal);
}
} // namespace

void windowShowChanges() {
    if (service().current) service().current->showChanges();
}

void awaitKeyOrEndSignal() {
    const Wakeup& written = display().keys.written();
    awaitEither(written, endSignalWakeup());
    // Taken back only now: a key written after this is seen by the next wait.
    written.drain();
}

void WindowBackend::awaitKey() {
    awaitKeyOrEndSignal();
}

void windowAwaitKey() {
    display().lock.askToShow();
    endIfSignalled();
    if (service().current)
        service().current->awaitKey();
    else
        awaitKeyOrEndSignal();
    endIfSignalled();
}

void endProgram(int status) {
    closeWindow();
    {
        std::lock_guard guard(display().lock);
        display().graphicsMode = false;
    }
    throw ProgramEnded{status};
}
