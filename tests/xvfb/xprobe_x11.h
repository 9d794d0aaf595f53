// The X side of xprobe, kept apart because Xlib's names clash with the program's.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct WindowImage {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb; // 0xRRGGBB, row by row
};

// Reads the client area of `window` (a decimal or 0x id). False with `why` on failure.
bool readWindow(const std::string& window, WindowImage& image, std::string& why);
// Sends WM_DELETE_WINDOW, as a window manager does for the close box.
bool sendCloseRequest(const std::string& window, std::string& why);
