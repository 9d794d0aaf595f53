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

// The line that says why no window could be opened, from each back end's reason in the
// order they were tried: the last one (the terminal's) after those before it.
std::string cannotOpenWindow(const std::vector<std::string>& reasons) {
    if (reasons.empty()) return "cannot open a window: no window back end is available";
    if (reasons.size() == 1) return "cannot open a window: " + reasons.front();
    std::string line = "cannot open a window (";
    for (std::size_t i = 0; i + 1 < reasons.size(); ++i)
        line += (i == 0 ? "" : "; ") + reasons[i];
    return line + "), and " + reasons.back();
}

} // namespace

void setWindowBackends(std::vector<BackendFactory> factories) {
    closeWindow();
    service().factories = std::move(factories);
}

bool replaceWindow(const std::string& title, std::string& why) {
    Service& s = service();
    std::vector<std::string> reasons;
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
        reasons.push_back(reason);
    }
    closeWindow();
    why = cannotOpenWindow(reasons);
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
