// PNG files through libpng: a screen picture written with its palette, and any PNG read
// back as red, green and blue bytes for comparing.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/screenshots/program_screen.h"

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // three bytes a pixel, row by row
};

// Writes `picture` to `path` as a palette PNG, each colour number its palette entry.
// Throws std::runtime_error, naming the file, when it cannot.
void writePng(const std::string& path, const ScreenPicture& picture);

// Reads the PNG at `path` as 8-bit red, green and blue. Throws std::runtime_error,
// naming the file, when it is missing or not a PNG.
RgbImage readPng(const std::string& path);
