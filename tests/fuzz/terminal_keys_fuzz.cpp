// Fuzz target: any bytes as what the terminal sends, through the terminal key decoder.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const Problem problem = checkTerminalBytes({reinterpret_cast<const char*>(data), size})) {
        std::fprintf(stderr, "terminal keys: %s\n", problem->c_str());
        std::abort();
    }
    return 0;
}
