// One SDL window: creation, the picture converted through the palette, presentation of
// the changed rows and the full-screen switch.
#include "display/backends/sdl_window.h"

#include <vector>

#include "display/backends/sdl_x11_colormap.h"

SdlWindow::SdlWindow(SDL_Window* window) : window_(window), id_(SDL_GetWindowID(window)) {}

SdlWindow::~SdlWindow() {
    if (picture_) SDL_FreeSurface(picture_);
    X11Colormap colormap = X11Colormap::of(window_);
    SDL_DestroyWindow(window_);
    colormap.free(); // SDL leaves it on the X server
}

std::unique_ptr<SdlWindow> SdlWindow::create(const std::string& title, std::string& why) {
    SDL_Window* window =
        SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         kScreenWidth, kScreenHeight, SDL_WINDOW_SHOWN);
    if (!window) {
        why = std::string("cannot create a window: ") + SDL_GetError();
        return nullptr;
    }
    std::unique_ptr<SdlWindow> w(new SdlWindow(window));
    w->picture_ = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 32,
                                                 SDL_PIXELFORMAT_XRGB8888);
    if (!w->picture_ || !SDL_GetWindowSurface(window)) {
        why = std::string("cannot draw into the window: ") + SDL_GetError();
        return nullptr;
    }
    // The new window takes the keyboard at once, so that keys typed while the previous
    // window goes away land here.
    SDL_RaiseWindow(window);
    SDL_SetWindowInputFocus(window);
    return w;
}

void SdlWindow::copyChangedRows(const Screen& screen) {
    std::array<Uint32, 16> colours;
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = SDL_MapRGB(picture_->format, screen.palette[i].r, screen.palette[i].g,
                                screen.palette[i].b);
    auto* base = static_cast<std::uint8_t*>(picture_->pixels);
    for (int y = 0; y < kScreenHeight; ++y) {
        if (!convertAll_ && !screen.rowChanged[static_cast<std::size_t>(y)]) continue;
        const std::uint8_t* source = screen.rowPixels(y);
        auto* target =
            reinterpret_cast<Uint32*>(base + static_cast<std::ptrdiff_t>(y) * picture_->pitch);
        // Colour numbers above 15 show as the colour of their low four bits.
        for (int x = 0; x < kScreenWidth; ++x)
            target[x] = colours[source[x] & 15];
        dirty_[static_cast<std::size_t>(y)] = true;
    }
    convertAll_ = false;
}

void SdlWindow::present() {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    if (surface != lastSurface_) showAll_ = true;
    lastSurface_ = surface;
    if (surface->w != kScreenWidth || surface->h != kScreenHeight) {
        showScaled(surface);
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

// The whole picture as large as fits with its aspect kept, centred on black.
void SdlWindow::showScaled(SDL_Surface* surface) {
    bool changed = showAll_;
    for (bool d : dirty_)
        changed = changed || d;
    if (!changed) return;
    SDL_Rect to{0, 0, surface->w, surface->h};
    if (surface->w * kScreenHeight > surface->h * kScreenWidth)
        to.w = surface->h * kScreenWidth / kScreenHeight;
    else
        to.h = surface->w * kScreenHeight / kScreenWidth;
    to.x = (surface->w - to.w) / 2;
    to.y = (surface->h - to.h) / 2;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_BlitScaled(picture_, nullptr, surface, &to);
    SDL_UpdateWindowSurface(window_);
    dirty_.fill(false);
    showAll_ = false;
}

void SdlWindow::toggleFullScreen() {
    const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
    const Uint32 before = full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    const Uint32 after = full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (SDL_SetWindowFullscreen(window_, after) != 0) SDL_SetWindowFullscreen(window_, before);
    showAll_ = true;
}

void SdlWindow::enterFullScreen() {
    if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) return;
    SDL_RestoreWindow(window_);
    toggleFullScreen();
}
