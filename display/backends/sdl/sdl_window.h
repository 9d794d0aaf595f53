// One SDL window showing the 640x480 screen: its client area is exactly the picture in
// a window (or a whole multiple of it where the desktop asks for larger windows), or the
// picture scaled with its aspect kept between black bars in full screen. Used only on
// the window thread.
#pragma once
#include <SDL.h>

#include <array>
#include <memory>
#include <string>

#include "display/picture.h"

class SdlWindow {
  public:
    // The whole-number factor by which the desktop asks for larger windows.
    static int desktopScale();
    // Creates the window centred on the desktop, `scale` times the picture's size, showing
    // `frame`, which must outlive it. Returns null and sets `why` when SDL cannot make it
    // or cannot draw into it.
    static std::unique_ptr<SdlWindow> create(const std::string& title, int scale,
                                             const Frame& frame, std::string& why);
    ~SdlWindow();
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    Uint32 id() const { return id_; }
    // The window's frame has been taken: its changed rows (all of them the first time)
    // are to be shown, through its palette.
    void frameTaken(const Frame& frame);
    // Shows the converted rows on the window (the whole picture after a change of size
    // or an exposure). Needs no lock.
    void present();
    // The window needs painting again from its picture.
    void exposed() { showAll_ = true; }
    // Raises the window and gives it the keyboard, once: when it first shows the
    // program's picture. Until then keys go on to the window it replaces, which stays
    // until this one has them. True the first time.
    bool takeKeyboard();
    // Switches between the window and full screen. Where the switch fails, or full
    // screen does not take effect (nothing on the desktop carries it out), the window
    // stays as it was.
    void toggleFullScreen();
    void enterFullScreen();
    // Waits until the window system has sent every event it had for this window: one
    // round trip to the X server, or SDL's surface update (which ends with one) where the
    // window is not on X11.
    void awaitPendingEvents();
    // On X11, waits until the window system has an event, `wakeFd` is readable or
    // `timeoutMs` has passed (no limit when negative); false elsewhere, at once.
    bool awaitX11Event(int wakeFd, int timeoutMs);

  private:
    explicit SdlWindow(SDL_Window* window);
    void setFullScreen(bool on);
    bool leavesWindowedSize();
    void showScaled(SDL_Surface* surface, int width, int height);

    SDL_Window* window_;
    Uint32 id_;
    SDL_Surface* picture_ = nullptr;     // the frame's 640x480 colour numbers, with the palette
    SDL_Surface* converted_ = nullptr;   // the same in full colour, to be enlarged
    SDL_Surface* lastSurface_ = nullptr; // the window surface shown last
    std::array<bool, kScreenHeight> dirty_{};
    int windowedWidth_ = kScreenWidth, windowedHeight_ = kScreenHeight;
    bool awaitsFirstFrame_ = true; // until then the window shows black
    bool showAll_ = true;
    // Until the screen shows anything but black, the window's own black background
    // (where the window system paints one) is its picture, and presenting it again would
    // only delay the first picture that counts.
    bool serverPaintsBlack_ = false;
    bool allBlack_ = true;
    bool keyboardTaken_ = false;
};
