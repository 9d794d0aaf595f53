#include "display/backends/sdl/sdl_start.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

#include "display/backends/sdl/sdl_x11_window.h"

namespace {

// The desktop video drivers worth trying. SDL would also take a display-less driver,
// which shows nothing, and Wayland's library complains aloud where no compositor is.
const char* desktopVideoDrivers() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return wayland && *wayland ? "x11,wayland,windows,cocoa" : "x11,windows,cocoa";
}

} // namespace

bool startSdl(std::string& why) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, desktopVideoDrivers());
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // Ctrl+C and kill end the program
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_WINDOWS_NO_CLOSE_ON_ALT_F4, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
    endOnX11Failure();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        why = std::string("no desktop display to show it on: ") + SDL_GetError();
        SDL_Quit();
        return false;
    }
    // X11 and Windows draw a window surface from plain memory of their own, without GL.
    // Elsewhere (Wayland) SDL has no such frame buffer and puts one of its renderers
    // behind the surface, which this hint would forbid: there the surface needs it.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "windows") == 0))
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_DisableScreenSaver();
    SDL_StartTextInput();
    return true;
}

void stopSdl() {
    SDL_StopTextInput();
    SDL_EnableScreenSaver();
    SDL_Quit();
}
