// The colormap that SDL's X11 driver makes for every window it creates and leaves on the
// X server when the window is destroyed: one per screen change, for as long as the
// program runs. The window's owner frees it once the window is gone.
#pragma once
#include <SDL.h>

class X11Colormap {
  public:
    // The colormap of `window` when SDL made it one of its own on X11; nothing otherwise.
    static X11Colormap of(SDL_Window* window);
    // Frees the colormap, if there is one. Call after the window has been destroyed.
    void free();

  private:
    void* display_ = nullptr; // the X display of the window
    unsigned long colormap_ = 0;
};
