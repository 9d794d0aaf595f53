// One SDL window: creation, the picture converted through the palette, presentation of
// the changed rows and the full-screen switch.
#include "display/backends/sdl_window.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "display/backends/sdl_x11_colormap.h"
#include "display/backends/sdl_x11_window.h"
#include "display/window_scale.h"

SdlWindow::SdlWindow(SDL_Window* window) : window_(window), id_(SDL_GetWindowID(window)) {}

SdlWindow::~SdlWindow() {
    if (picture_) SDL_FreeSurface(picture_);
    X11Colormap colormap = X11Colormap::of(window_);
    SDL_DestroyWindow(window_);
    colormap.free(); // SDL leaves it on the X server
}

int SdlWindow::desktopScale() {
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = {};
    return windowScale(std::getenv(kScaleVariable), std::getenv("GDK_SCALE"), x11Resources(),
                       usable.w, usable.h);
}

std::unique_ptr<SdlWindow> SdlWindow::create(const std::string& title, int scale,
                                             std::string& why) {
    // A Wayland output's own scale gives the window a surface of more pixels than its
    // size, where the picture is drawn enlarged as in full screen.
    SDL_Window* window = SDL_CreateWindow(
        title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, scale * kScreenWidth,
        scale * kScreenHeight, SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window) {
        why = std::string("cannot create a window: ") + SDL_GetError();
        return nullptr;
    }
    std::unique_ptr<SdlWindow> w(new SdlWindow(window));
    w->windowedWidth_ = scale * kScreenWidth;
    w->windowedHeight_ = scale * kScreenHeight;
    SDL_ClearError(); // SDL may refuse a window surface without saying why
    w->picture_ = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 32,
                                                 SDL_PIXELFORMAT_XRGB8888);
    if (!w->picture_ || !SDL_GetWindowSurface(window)) {
        const std::string error = SDL_GetError();
        why = "cannot draw into the window: " +
              (error.empty() ? std::string("the video driver gives it no surface") : error);
        return nullptr;
    }
    w->serverPaintsBlack_ = x11PaintsBlack(window);
    return w;
}

void SdlWindow::copyChangedRows(const Screen& screen) {
    std::array<Uint32, 16> colours;
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = SDL_MapRGB(picture_->format, screen.palette[i].r, screen.palette[i].g,
                                screen.palette[i].b);
    const Uint32 black = SDL_MapRGB(picture_->format, 0, 0, 0);
    Uint32 notBlack = 0;
    auto* base = static_cast<std::uint8_t*>(picture_->pixels);
    for (int y = 0; y < kScreenHeight; ++y) {
        if (!convertAll_ && !screen.rowChanged[static_cast<std::size_t>(y)]) continue;
        const std::uint8_t* source = screen.rowPixels(y);
        auto* target =
            reinterpret_cast<Uint32*>(base + static_cast<std::ptrdiff_t>(y) * picture_->pitch);
        // Colour numbers above 15 show as the colour of their low four bits.
        for (int x = 0; x < kScreenWidth; ++x) {
            target[x] = colours[source[x] & 15];
            notBlack |= target[x] ^ black;
        }
        dirty_[static_cast<std::size_t>(y)] = true;
    }
    convertAll_ = false;
    allBlack_ = allBlack_ && notBlack == 0;
}

void SdlWindow::present() {
    if (allBlack_ && serverPaintsBlack_) {
        if (showAll_) x11PaintBlack(window_);
        showAll_ = false;
        return;
    }
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    if (surface != lastSurface_) showAll_ = true;
    lastSurface_ = surface;
    if (surface->w != kScreenWidth || surface->h != kScreenHeight) {
        // Larger than the picture: enlarged on a large screen, or in full screen. The picture is
        // made for the size the window really has, which SDL may not know yet; what lies beyond the
        // surface cannot be shown.
        int width = surface->w, height = surface->h;
        if (x11ClientSize(window_, width, height)) {
            width = std::min(width, surface->w);
            height = std::min(height, surface->h);
        }
        showScaled(surface, width, height);
        return;
    }
    std::vector<SDL_Rect> rects;
    for (int y = 0; y < kScreenHeight;) {
        if (!showAll_ && !dirty_[static_cast<std::size_t>(y)]) {
            ++y;
            continue;
        }
        int end = y;
        while (end < kScreenHeight && (showAll_ || dirty_[static_cast<std::size_t>(end)]))
            ++end;
        SDL_Rect from{0, y, kScreenWidth, end - y};
        SDL_Rect to = from;
        SDL_BlitSurface(picture_, &from, surface, &to);
        rects.push_back(from);
        y = end;
    }
    if (!rects.empty())
        SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
    dirty_.fill(false);
    showAll_ = false;
}

// The whole picture as large as fits a window of `width` x `height` with its aspect
// kept, centred on black, drawn into the top left of `surface`.
void SdlWindow::showScaled(SDL_Surface* surface, int width, int height) {
    bool changed = showAll_;
    for (bool d : dirty_)
        changed = changed || d;
    if (!changed) return;
    SDL_Rect area{0, 0, width, height};
    SDL_Rect to = area;
    if (width * kScreenHeight > height * kScreenWidth)
        to.w = height * kScreenWidth / kScreenHeight;
    else
        to.h = width * kScreenHeight / kScreenWidth;
    to.x = (width - to.w) / 2;
    to.y = (height - to.h) / 2;
    SDL_FillRect(surface, &area, SDL_MapRGB(surface->format, 0, 0, 0));
    if (to.w == kScreenWidth && to.h == kScreenHeight)
        SDL_BlitSurface(picture_, nullptr, surface, &to);
    else
        SDL_BlitScaled(picture_, nullptr, surface, &to);
    SDL_UpdateWindowSurfaceRects(window_, &area, 1);
    dirty_.fill(false);
    showAll_ = false;
}

bool SdlWindow::takeKeyboard() {
    if (keyboardTaken_) return false;
    keyboardTaken_ = true;
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
    return true;
}

bool SdlWindow::awaitX11Event(int wakeFd, int timeoutMs) {
    return x11AwaitEvent(window_, wakeFd, timeoutMs);
}

void SdlWindow::awaitPendingEvents() {
    if (!x11RoundTrip(window_)) SDL_UpdateWindowSurface(window_);
}

void SdlWindow::toggleFullScreen() {
    setFullScreen((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) == 0);
}

void SdlWindow::enterFullScreen() {
    if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) return;
    SDL_RestoreWindow(window_);
    setFullScreen(true);
}

void SdlWindow::setFullScreen(bool on) {
    showAll_ = true;
    if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        SDL_SetWindowFullscreen(window_, on ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
        return;
    }
    if (on && !leavesWindowedSize()) SDL_SetWindowFullscreen(window_, 0);
}

// After asking for full screen: whether the window system changes the window's size
// within half a second. On an X server without a window manager nothing does, and the
// window must stay a window.
bool SdlWindow::leavesWindowedSize() {
    for (int waited = 0; waited < 500; waited += 5) {
        int width = 0, height = 0;
        if (!x11ClientSize(window_, width, height)) return true; // SDL knows the size
        if (width != windowedWidth_ || height != windowedHeight_) return true;
        SDL_Delay(5);
    }
    return false;
}
