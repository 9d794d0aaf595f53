// The picture that the in-memory back end holds once the program waits for the key after
// the last one typed: what the Wine window tests compare the Win32 window with, pixel
// for pixel.
//   memory_picture OUT TYPED   TYPED: the keys as text, a line end for each ENTER
// Writes the 640x480 colour numbers to OUT, one byte each, row by row. Fails when the
// program ends on those keys.
#include <cstdio>
#include <fstream>

#include "tests/harness.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: memory_picture OUT TYPED\n", stderr);
        return 2;
    }
    const ProgramRun run = runProgram(keys(argv[2]));
    if (run.exitStatus) {
        std::fprintf(stderr, "memory_picture: the program ended with status %d\n", *run.exitStatus);
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(run.screen->pixels.data()),
              static_cast<std::streamsize>(run.screen->pixels.size()));
    return out ? 0 : 1;
}
