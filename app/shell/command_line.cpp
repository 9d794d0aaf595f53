#include "app/shell/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "Usage: tablox [--help | --version]\n"
    "\n"
    "TABLOX is a workshop calculator for cutting steel sheet on shears. Pick one of\n"
    "the nine calculations from the numbered menu, type the dimensions one at a time\n"
    "(ENTER after each) and read the result beside the sketch. Item 10 ends it.\n"
    "\n"
    "Keys of the line editor: Left, Right, Home, End, Backspace, Delete, Esc (clear\n"
    "the line), Tab, Up and Down (one screen row), ENTER. Alt+Enter switches the\n"
    "window to full screen and back. Without a display, TABLOX runs in the terminal.\n"
    "\n"
    "  --help     show this text and end\n"
    "  --version  show the version and end\n"
    "Any other argument is ignored.\n"
    "\n"
    "The manual: man tablox\n";

// Writes `text` to the standard output and flushes it: 0 when all of it got out,
// otherwise 1 after a line on the standard error.
int printAll(std::string_view text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (std::fflush(stdout) == 0 && written) return 0;
    std::fprintf(stderr, "tablox: cannot write to the standard output: %s\n",
                 errno != 0 ? std::strerror(errno) : "write error");
    return 1;
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") return printAll(kUsage);
        if (argument == "--version") return printAll("tablox " TABLOX_VERSION "\n");
    }
    return std::nullopt;
}
