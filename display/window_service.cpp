// Chooses a back end for each window and forwards beeps, shows and waits to it.
#include "display/window_service.h"

#include <utility>

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

void windowShow() {
    if (service().current) service().current->show();
}

void windowProgramWaits() {
    if (service().current) service().current->programWaits();
}
