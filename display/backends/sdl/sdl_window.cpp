// One SDL window: creation, the frame shown through its palette, presentation of the
// changed rows and the full-screen switch.
#include "display/backends/sdl/sdl_window.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "display/backends/sdl/sdl_x11_colormap.h"
#include "display/backends/sdl/sdl_x11_window.h"
#include "display/backends/window_scale.h"

SdlWindow::SdlWindow(SDL_Window* window) : window_(window), id_(SDL_GetWindowID(window)) {}

SdlWindow::~SdlWindow() {
    if (picture_) SDL_FreeSurface(picture_);
    if (converted_) SDL_FreeSurface(converted_);
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
                                             const Frame& frame, std::string& why) {
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
    // The frame's colour numbers themselves, shown through a palette: SDL converts them
    // as it copies them to the window.
    w->picture_ = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint8_t*>(frame.picture.pixels.data()), kScreenWidth, kScreenHeight, 8,
        kScreenWidth, SDL_PIXELFORMAT_INDEX8);
    if (!w->picture_ || !SDL_GetWindowSurface(window)) {
        const std::string error = SDL_GetError();
        why = "cannot draw into the window: " +
              (error.empty() ? std::string("the video driver gives it no surface") : error);
        return nullptr;
    }
    w->serverPaintsBlack_ = x11PaintsBlack(window);
    return w;
}

void SdlWindow::frameTaken(const Frame& frame) {
    // Colour numbers above 15 show as the colour of their low four bits.
    std::array<SDL_Color, 256> colours;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const Rgb& c = frame.picture.palette[i & 15];
        colours[i] = {c.r, c.g, c.b, 255};
    }
    SDL_SetPaletteColors(picture_->format->palette, colours.data(), 0, 256);
    std::array<bool, 256> black;
    for (std::size_t i = 0; i < black.size(); ++i)
        black[i] = colours[i].r == 0 && colours[i].g == 0 && colours[i].b == 0;
    bool notBlack = false;
    for (int y = 0; y < kScreenHeight; ++y) {
        if (!awaitsFirstFrame_ && !frame.changedRows[static_cast<std::size_t>(y)]) continue;
        if (allBlack_ && !notBlack) {
            const std::uint8_t* row = frame.picture.rowPixels(y);
            notBlack =
                std::any_of(row, row + kScreenWidth, [&](std::uint8_t c) { return !black[c]; });
        }
        dirty_[static_cast<std::size_t>(y)] = true;
    }
    awaitsFirstFrame_ = false;
    allBlack_ = allBlack_ && !notBlack;
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
    if (awaitsFirstFrame_) {
        // No frame taken for this window yet: it shows black until the first.
        if (showAll_) {
            SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
            SDL_UpdateWindowSurface(window_);
        }
        showAll_ = false;
        return;
    }
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
    if (to.w == kScreenWidth && to.h == kScreenHeight) {
        SDL_BlitSurface(picture_, nullptr, surface, &to);
    } else {
        // SDL enlarges only pictures of full colours: the colour numbers are converted
        // first, into a picture made the first time it is needed.
        if (!converted_)
            converted_ = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 32,
                                                        SDL_PIXELFORMAT_XRGB8888);
        if (converted_ && SDL_BlitSurface(picture_, nullptr, converted_, nullptr) == 0)
            SDL_BlitScaled(converted_, nullptr, surface, &to);
    }
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
