#include "display/backends/sdl/sdl_x11_window.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <X11/Xproto.h>

namespace {

void say(const char* text) {
    const ssize_t ignored = write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

int onIoError(Display*) {
    say("tablox: the connection to the display was lost\n");
    _exit(1);
}

int onError(Display* display, XErrorEvent* error) {
    // SDL wakes its event wait by sending an event to one of the windows; when that
    // window is being destroyed just then, the event finds no window. The wait has
    // ended anyway.
    if (error->request_code == X_SendEvent && error->error_code == BadWindow) return 0;
    char text[160];
    XGetErrorText(display, error->error_code, text, sizeof text);
    char line[256];
    std::snprintf(line, sizeof line, "tablox: the display reported an error: %s (request %d)\n",
                  text, error->request_code);
    say(line);
    _exit(1);
}

// What X11 knows `window` by; false where it is not on X11.
bool onX11(SDL_Window* window, SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11;
}

} // namespace

bool x11ClientSize(SDL_Window* window, int& width, int& height) {
    SDL_SysWMinfo info;
    XWindowAttributes attributes;
    if (!onX11(window, info) ||
        !XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes))
        return false;
    width = attributes.width;
    height = attributes.height;
    return true;
}

bool x11RoundTrip(SDL_Window* window) {
    SDL_SysWMinfo info;
    if (!onX11(window, info)) return false;
    XSync(info.info.x11.display, False);
    return true;
}

bool x11PaintsBlack(SDL_Window* window) {
    SDL_SysWMinfo info;
    if (SDL_ISPIXELFORMAT_INDEXED(SDL_GetWindowPixelFormat(window)) || !onX11(window, info))
        return false;
    // Pixel 0 is black in every visual whose pixels are colours.
    XSetWindowBackground(info.info.x11.display, info.info.x11.window, 0);
    return true;
}

void x11PaintBlack(SDL_Window* window) {
    SDL_SysWMinfo info;
    if (!onX11(window, info)) return;
    XClearWindow(info.info.x11.display, info.info.x11.window);
    XFlush(info.info.x11.display);
}

bool x11AwaitEvent(SDL_Window* window, int wakeFd, int timeoutMs) {
    SDL_SysWMinfo info;
    if (!onX11(window, info)) return false;
    Display* display = info.info.x11.display;
    // Sends what is buffered and reads what has arrived; events read into Xlib's queue
    // would leave nothing on the connection to wake the wait.
    if (XPending(display) > 0) return true;
    pollfd watched[2] = {{ConnectionNumber(display), POLLIN, 0}, {wakeFd, POLLIN, 0}};
    while (poll(watched, 2, timeoutMs) < 0 && errno == EINTR) {
    }
    return true;
}

void endOnX11Failure() {
    XSetIOErrorHandler(onIoError);
    XSetErrorHandler(onError);
}

const char* x11Resources() {
    static const std::string resources = [] {
        std::string text;
        if (Display* display = XOpenDisplay(nullptr)) {
            if (const char* r = XResourceManagerString(display)) text = r;
            XCloseDisplay(display);
        }
        return text;
    }();
    return resources.c_str();
}

#else

const char* x11Resources() {
    return "";
}

bool x11ClientSize(SDL_Window*, int&, int&) {
    return false;
}
bool x11RoundTrip(SDL_Window*) {
    return false;
}
bool x11PaintsBlack(SDL_Window*) {
    return false;
}
void x11PaintBlack(SDL_Window*) {}
bool x11AwaitEvent(SDL_Window*, int, int) {
    return false;
}
void endOnX11Failure() {}

#endif
