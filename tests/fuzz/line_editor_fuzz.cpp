// Fuzz target: any keys typed into the line editor on the in-memory screen, long lines
// and extended codes included.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const EditorSession session =
        editorSessionFromBytes({reinterpret_cast<const char*>(data), size});
    if (const Problem problem = checkEditorSession(session.start, session.keys)) {
        std::fprintf(stderr, "line editor: %s\n", problem->c_str());
        std::abort();
    }
    return 0;
}
