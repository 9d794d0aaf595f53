// Simple stand-ins for display operations that are not built yet. This file goes
// away when the real ones land.
#include <cstdlib>
#include <string>

#include "display/display.h"
#include "display/screen.h"
#include "display/window_service.h"

namespace {
std::string typedLine;
}

void inputLine(std::string_view prompt, bool questionMark, bool lineEnd) {
    typedLine.clear();
    printText(prompt, false);
    if (questionMark) printText("? ", false);
    for (;;) {
        int key = 0;
        {
            std::lock_guard guard(display().lock);
            key = display().keys.take();
        }
        if (key == 0) {
            windowIdle(25);
            continue;
        }
        if (key == 13) break;
        if (key >= 32 && key <= 255) {
            typedLine.push_back(static_cast<char>(key));
            printText(std::string(1, static_cast<char>(key)), false);
        }
    }
    if (lineEnd) printText("", true);
}

void readSingle(float& value) { value = std::strtof(typedLine.c_str(), nullptr); }
void readByte(std::uint8_t& value) {
    value = static_cast<std::uint8_t>(std::strtol(typedLine.c_str(), nullptr, 10) & 255);
}

