// The hand-over between the windows of a screen change. The window thread serves every
// open window; the newest shows the program's screen. A window that a screen change has
// closed stays up beneath the new one until the new one shows the new screen, and then
// closes: closing it first would only delay that picture. Window thread only.
#pragma once
#include <SDL.h>

#include <functional>
#include <memory>
#include <vector>

#include "display/backends/sdl/sdl_window.h"

class WindowHandover {
  public:
    void add(std::unique_ptr<SdlWindow> window) { windows_.push_back(std::move(window)); }
    // The windows that screen changes have closed: they go once the newest has shown
    // the new screen (endRetired).
    void retire(const std::vector<Uint32>& ids);
    // Closes the newest window and, with it, the ones retired before.
    void closeNewest(Uint32 id, const std::function<void()>& handleEvents);
    // Closes the retired windows. Keys typed into them just before the newest window took
    // the keyboard may still be on their way; SDL would drop them once a window is gone,
    // so their events are awaited and handled first.
    void endRetired(const std::function<void()>& handleEvents);
    void clear();

    SdlWindow* newest() const { return windows_.empty() ? nullptr : windows_.back().get(); }
    SdlWindow* find(Uint32 id) const;
    bool empty() const { return windows_.empty(); }

  private:
    std::vector<std::unique_ptr<SdlWindow>> windows_; // the newest last
    std::vector<std::unique_ptr<SdlWindow>> retired_; // closed, still on the desktop
};
