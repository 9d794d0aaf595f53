// What SDL does not tell about its windows on X11: the size the X server really gave a
// window, and the end of the connection to the display.
#pragma once
#include <SDL.h>

// The client area's size as the X server has it, which differs from SDL's idea while a
// full-screen switch is under way or where nothing carries it out (an X server without
// a window manager). False, and nothing set, where it cannot be told.
bool x11ClientSize(SDL_Window* window, int& width, int& height);

// Waits until the X server has handled every request of the window's connection and
// sent its events. False, having done nothing, where the window is not on X11.
bool x11RoundTrip(SDL_Window* window);

// Gives the window a black background, which the X server paints on every exposure
// (and on x11PaintBlack), so that a window whose picture is all black need not be sent
// it. False, having done nothing, where the window is not on X11 or its pixels are
// colour numbers (where 0 need not be black).
bool x11PaintsBlack(SDL_Window* window);
// Has the X server paint the whole window in its background.
void x11PaintBlack(SDL_Window* window);

// Waits until the X connection of `window` has an event, `wakeFd` is readable, or
// `timeoutMs` (no limit when negative) has passed. False, having waited for nothing,
// where the window is not on X11.
bool x11AwaitEvent(SDL_Window* window, int wakeFd, int timeoutMs);

// The X server's resources (its RESOURCE_MANAGER property, where the desktop keeps
// Xft.dpi), read once; empty where there is no X server.
const char* x11Resources();

// Ends the process with a line on standard error and exit status 1 when the connection
// to the X server is lost or the server reports an error, at once and on whichever
// thread notices, instead of letting Xlib run the exit handlers there while the
// program's thread goes on. Call before SDL opens its connection.
void endOnX11Failure();
