// Reading a window's pixels and sending it the close request, through Xlib.
#include "xprobe_x11.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <cstring>

namespace {

unsigned long windowId(const std::string& window) {
    return std::strtoul(window.c_str(), nullptr, 0);
}

int channel(unsigned long pixel, unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return static_cast<int>((pixel >> shift) & 0xFF);
}

} // namespace

bool readWindow(const std::string& window, WindowImage& result, std::string& why) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        why = "cannot open the display";
        return false;
    }
    XWindowAttributes attributes;
    XImage* image = nullptr;
    if (XGetWindowAttributes(display, windowId(window), &attributes))
        image = XGetImage(display, windowId(window), 0, 0, static_cast<unsigned>(attributes.width),
                          static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        why = "cannot read the window";
        XCloseDisplay(display);
        return false;
    }
    result.width = attributes.width;
    result.height = attributes.height;
    result.rgb.clear();
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            result.rgb.push_back(static_cast<std::uint32_t>(channel(p, image->red_mask) << 16 |
                                                            channel(p, image->green_mask) << 8 |
                                                            channel(p, image->blue_mask)));
        }
    XDestroyImage(image);
    XCloseDisplay(display);
    return true;
}

bool sendCloseRequest(const std::string& window, std::string& why) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        why = "cannot open the display";
        return false;
    }
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = windowId(window);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, windowId(window), False, NoEventMask, &event) != 0;
    XSync(display, False);
    XCloseDisplay(display);
    if (!sent) why = "cannot send the close request";
    return sent;
}
