// The yardstick for tools/measure_window.sh: the least an SDL2 program can do to show a
// 640x480 window and echo keys, set up as the program's own window is (software drawing
// into the window surface, no GL). It waits in SDL_WaitEvent. Each typed character fills
// the next 8x16 cell of text row 28 from column 3 on, where the program's menu echoes
// its first character; Return redraws the whole window in the other of two colours, or
// with --new-window opens a new window drawn so and then closes the old one, as the
// program does for every screen. Ends on Escape, on the close box or on SIGTERM/SIGINT.
#include <SDL.h>

#include <cstring>

namespace {

constexpr int kWidth = 640, kHeight = 480;
constexpr int kCellWidth = 8, kCellHeight = 16;
constexpr int kEchoRow = 27, kEchoFirstColumn = 2; // 0-based: row 28, column 3

// The whole window: a background in one of two colours and a bar across the top, so
// that the first picture is not a single colour.
void drawAll(SDL_Surface* surface, bool alternate) {
    SDL_FillRect(surface, nullptr,
                 alternate ? SDL_MapRGB(surface->format, 0, 0, 170)
                           : SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_Rect bar{0, 0, kWidth, kCellHeight};
    SDL_FillRect(surface, &bar, SDL_MapRGB(surface->format, 85, 255, 255));
}

SDL_Window* openWindow(SDL_Surface*& surface) {
    SDL_Window* window =
        SDL_CreateWindow("bare_sdl_echo", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth,
                         kHeight, SDL_WINDOW_SHOWN);
    surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!surface) SDL_Log("bare_sdl_echo: %s", SDL_GetError());
    return surface ? window : nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const bool newWindows = argc > 1 && std::strcmp(argv[1], "--new-window") == 0;
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        SDL_Log("bare_sdl_echo: %s", SDL_GetError());
        return 1;
    }
    SDL_Surface* surface = nullptr;
    SDL_Window* window = openWindow(surface);
    if (!window) return 1;
    SDL_StartTextInput();
    bool alternate = false;
    int column = kEchoFirstColumn;
    drawAll(surface, alternate);
    SDL_UpdateWindowSurface(window);
    for (SDL_Event event; SDL_WaitEvent(&event);) {
        if (event.type == SDL_QUIT) break;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) break;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_RETURN) {
            alternate = !alternate;
            column = kEchoFirstColumn;
            SDL_Window* old = nullptr;
            if (newWindows) {
                old = window;
                window = openWindow(surface);
                if (!window) return 1;
            }
            drawAll(surface, alternate);
            SDL_UpdateWindowSurface(window);
            if (old) SDL_DestroyWindow(old);
        } else if (event.type == SDL_TEXTINPUT && column < kWidth / kCellWidth) {
            SDL_Rect cell{column * kCellWidth, kEchoRow * kCellHeight, kCellWidth, kCellHeight};
            SDL_FillRect(surface, &cell, SDL_MapRGB(surface->format, 255, 255, 255));
            SDL_UpdateWindowSurfaceRects(window, &cell, 1);
            ++column;
        } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            SDL_UpdateWindowSurface(window);
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
