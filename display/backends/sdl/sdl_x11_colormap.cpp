#include "display/backends/sdl/sdl_x11_colormap.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {
// Should SDL free the colormap itself one day, freeing it again is an error that must
// not end the program.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}
} // namespace

X11Colormap X11Colormap::of(SDL_Window* window) {
    X11Colormap result;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return result;
    Display* display = info.info.x11.display;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, info.info.x11.window, &attributes)) return result;
    if (attributes.colormap == None ||
        attributes.colormap == DefaultColormapOfScreen(attributes.screen))
        return result;
    result.display_ = display;
    result.colormap_ = attributes.colormap;
    return result;
}

void X11Colormap::free() {
    if (!display_) return;
    auto* display = static_cast<Display*>(display_);
    XSync(display, False); // errors of earlier requests go to SDL's handler, not to ours
    XErrorHandler previous = XSetErrorHandler(ignoreError);
    XFreeColormap(display, colormap_);
    XSync(display, False);
    XSetErrorHandler(previous);
    display_ = nullptr;
}

#else

X11Colormap X11Colormap::of(SDL_Window*) {
    return {};
}
void X11Colormap::free() {}

#endif
