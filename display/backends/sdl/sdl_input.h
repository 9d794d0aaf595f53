// SDL's events for the windows: key presses and typed text become key codes, the close
// box writes its code, and the rest becomes a request to a window. Window thread only.
#pragma once
#include <SDL.h>

#include "display/input_queue.h"
#include "display/keys.h"

// The named key and modifiers of an SDL key event.
KeyPress keyPressFromSdl(const SDL_Keysym& keysym);

// What an event asks a window to do besides writing key codes.
struct WindowRequest {
    enum class Kind { None, Repaint, ToggleFullScreen, EnterFullScreen };
    Kind kind = Kind::None;
    Uint32 windowId = 0;
};

class InputTranslator {
  public:
    // Handles one event, posting its key codes to `keys`.
    WindowRequest handle(const SDL_Event& event, InputQueue& keys);

  private:
    KeyPress lastPress_; // the text that follows a key press belongs to it
};
