#include "display/backends/terminal/terminal_backend.h"

#include <unistd.h>

#include <cstdio>

#include "display/backends/terminal/terminal_caps.h"
#include "display/backends/terminal/terminal_session.h"

namespace {

class TerminalBackend final : public WindowBackend {
  public:
    ~TerminalBackend() override { close(); }
    bool open(const std::string&, std::string& why) override {
        open_ = attachTerminalWindow(why);
        return open_;
    }
    void close() override {
        if (open_) detachTerminalWindow();
        open_ = false;
    }
    void beep() override { ringTerminalBell(); }
    void show() override { showTerminalChanges(); }

  private:
    bool open_ = false;
};

} // namespace

std::unique_ptr<WindowBackend> makeTerminalBackend() {
    return std::make_unique<TerminalBackend>();
}

void clearTerminalConsole() {
    if (!isatty(STDOUT_FILENO)) return;
    TerminalCapabilities capabilities;
    std::string why;
    if (!loadTerminalCapabilities(environmentOfThisProcess(), capabilities, why)) return;
    std::fputs(capabilities.clearScreen.c_str(), stdout);
    std::fflush(stdout);
}

bool terminalChosen() {
    return terminalSessionStarted();
}
