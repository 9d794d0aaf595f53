// The one place where the picture tool meets the program: it runs the whole program
// against the in-memory back end and takes the screen it leaves.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

// What the screen shows: one colour number per pixel, row by row, and the colour each
// number stands for.
struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> colours;                // width * height colour numbers
    std::vector<std::array<std::uint8_t, 3>> palette; // red, green, blue by colour number
};

// Starts the program afresh, types `keys` (one key code each time it waits for a key;
// ENTER is 13) and returns the screen once they are used up. Throws std::runtime_error
// when the program ends before the keys are used up.
ScreenPicture screenAfterKeys(const std::vector<int>& keys);
