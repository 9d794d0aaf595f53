#include "tools/screenshots/program_screen.h"

#include <mutex>
#include <stdexcept>
#include <string>

#include "app/furniture/working_values.h"
#include "app/shell/shell.h"
#include "display/backends/memory/memory_backend.h"
#include "display/input_queue.h"
#include "display/screen.h"
#include "display/window_service.h"

ScreenPicture screenAfterKeys(const std::vector<int>& keys) {
    // The state of a new process: no window open, nothing typed, nothing chosen.
    setWindowBackends({makeMemoryBackend});
    memoryWindows() = MemoryWindows{};
    memoryWindows().script.assign(keys.begin(), keys.end());
    choice = 0;
    scratch = 0;
    {
        std::lock_guard guard(display().lock);
        display().graphicsMode = false;
        input().clear();
    }
    try {
        runTablox();
    } catch (const ProgramEnded& end) {
        throw std::runtime_error("the program ended (status " + std::to_string(end.status) +
                                 ") before the keys were used up");
    } catch (const KeysExhausted&) {
        // The program waits for the next key: this is the screen to take.
    }
    std::lock_guard guard(display().lock);
    const Screen& screen = display().screen;
    ScreenPicture picture;
    picture.width = kScreenWidth;
    picture.height = kScreenHeight;
    picture.colours.assign(screen.pixels.begin(), screen.pixels.end());
    for (const Rgb& colour : screen.palette)
        picture.palette.push_back({colour.r, colour.g, colour.b});
    return picture;
}
