// Counting the pixels of one colour in a part of a finished screen.
#pragma once

#include "tests/harness.h"

// The pixels of `colour` with x1 <= x <= x2 and y1 <= y <= y2.
inline int countPixels(const ProgramRun& run, int colour, int x1, int y1, int x2, int y2) {
    int count = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (run.pixel(x, y) == colour) ++count;
    return count;
}
