// Screen changes in the real SDL window, for tests/xvfb/screen_changes_test.sh and
// `make soak`: each screen enters the mode afresh (a new window opens, the old one
// closes) and prints a few rows, then waits for a key (one typed ahead), as every menu
// screen does.
// Usage: screen_changes WARM_UP SCREENS. Prints "warm <figures>" after the warm-up
// screens and "done <figures>" after the rest, each time waiting for a line on the
// standard input before going on; <figures> are the resident memory in kB, the open
// file descriptors and the threads of the process.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "display/backends/sdl/sdl_backend.h"
#include "display/display.h"
#include "display/screen.h"
#include "display/window_service.h"

namespace {

long entries(const char* directory) {
    long count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        (void)entry;
        ++count;
    }
    return count;
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    return 0;
}

void report(const char* what) {
    std::printf("%s %ld %ld %ld\n", what, residentKilobytes(), entries("/proc/self/fd"),
                entries("/proc/self/task"));
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
}

void screens(long count) {
    for (long i = 0; i < count; ++i) {
        clearScreen();
        setScreenMode();
        setColor(11);
        locate(1, 1);
        printText("TABLOX version 2.0", true);
        setColor(9);
        locate(5, 1);
        printText("Obrazovka " + std::to_string(i), true);
        drawBox(100, 100, 300, 200);
        // As the program's screens end: about to wait for a key, which shows the screen.
        showWhatIsDrawn();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: screen_changes WARM_UP SCREENS\n");
        return 2;
    }
    setWindowBackends({makeSdlBackend});
    try {
        screens(std::atol(argv[1]));
        report("warm");
        screens(std::atol(argv[2]));
        report("done");
        endProgram(0);
    } catch (const ProgramEnded& end) {
        return end.status;
    }
}
