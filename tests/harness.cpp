#include "tests/harness.h"

#include "app/shell.h"
#include "app/working_values.h"
#include "display/display.h"
#include "display/window_service.h"

std::vector<int> keys(std::string_view typed) {
    std::vector<int> codes;
    for (char c : typed)
        codes.push_back(c == '\n' ? 13 : static_cast<unsigned char>(c));
    return codes;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void resetProgramState() {
    setWindowBackends({makeMemoryBackend});
    memoryWindows() = MemoryWindows{};
    choice = 0;
    scratch = 0;
    std::lock_guard guard(display().lock);
    display().graphicsMode = false;
    display().keys.clear();
}

ProgramRun runProgram(const std::vector<int>& script, const std::vector<int>& typedAhead,
                      std::function<int()> typist) {
    resetProgramState();
    memoryWindows().script.assign(script.begin(), script.end());
    memoryWindows().typist = std::move(typist);
    for (int code : typedAhead)
        display().keys.write(code);
    ProgramRun run;
    try {
        runTablox();
    } catch (const ProgramEnded& end) {
        run.exitStatus = end.status;
    } catch (const KeysExhausted&) {
    }
    run.screen = std::make_unique<Screen>(display().screen);
    run.cells = ScreenCells::decode(*run.screen);
    run.windows = memoryWindows();
    run.windows.typist = nullptr;
    memoryWindows().typist = nullptr; // it may refer to what the caller is about to drop
    return run;
}

void freshScreen() {
    resetProgramState();
    setScreenMode();
}

Screen& screen() {
    return display().screen;
}
