// Fuzz target: any bytes as the line that the operator typed, through the item scanner
// and the conversions of readSingle and readByte.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const Problem problem = checkTypedLine({reinterpret_cast<const char*>(data), size})) {
        std::fprintf(stderr, "typed line: %s\n", problem->c_str());
        std::abort();
    }
    return 0;
}
