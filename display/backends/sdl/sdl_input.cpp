// SDL key events to key codes, and the window events that matter.
#include "display/backends/sdl/sdl_input.h"

#include "display/cp437.h"

namespace {

Key namedKey(const SDL_Keysym& k) {
    if (k.scancode >= SDL_SCANCODE_F1 && k.scancode <= SDL_SCANCODE_F12)
        return static_cast<Key>(static_cast<int>(Key::F1) + (k.scancode - SDL_SCANCODE_F1));
    if (k.scancode >= SDL_SCANCODE_KP_1 && k.scancode <= SDL_SCANCODE_KP_9)
        return static_cast<Key>(static_cast<int>(Key::Keypad1) + (k.scancode - SDL_SCANCODE_KP_1));
    switch (k.scancode) {
    case SDL_SCANCODE_RETURN:
        return Key::Enter;
    case SDL_SCANCODE_KP_ENTER:
        return Key::KeypadEnter;
    case SDL_SCANCODE_BACKSPACE:
        return Key::Backspace;
    case SDL_SCANCODE_TAB:
        return Key::Tab;
    case SDL_SCANCODE_ESCAPE:
        return Key::Escape;
    case SDL_SCANCODE_HOME:
        return Key::Home;
    case SDL_SCANCODE_UP:
        return Key::Up;
    case SDL_SCANCODE_PAGEUP:
        return Key::PageUp;
    case SDL_SCANCODE_LEFT:
        return Key::Left;
    case SDL_SCANCODE_RIGHT:
        return Key::Right;
    case SDL_SCANCODE_END:
        return Key::End;
    case SDL_SCANCODE_DOWN:
        return Key::Down;
    case SDL_SCANCODE_PAGEDOWN:
        return Key::PageDown;
    case SDL_SCANCODE_INSERT:
        return Key::Insert;
    case SDL_SCANCODE_DELETE:
        return Key::Delete;
    case SDL_SCANCODE_KP_0:
        return Key::Keypad0;
    case SDL_SCANCODE_KP_PERIOD:
        return Key::KeypadPeriod;
    default:
        break;
    }
    // Letters by the keyboard layout, so that Ctrl+A is where the layout has its A.
    if (k.sym >= SDLK_a && k.sym <= SDLK_z) return letterKey(static_cast<char>(k.sym));
    return Key::Other;
}

} // namespace

KeyPress keyPressFromSdl(const SDL_Keysym& keysym) {
    KeyPress p;
    p.key = namedKey(keysym);
    p.shift = (keysym.mod & KMOD_SHIFT) != 0;
    p.ctrl = (keysym.mod & KMOD_CTRL) != 0;
    p.alt = (keysym.mod & KMOD_ALT) != 0;
    p.numLock = (keysym.mod & KMOD_NUM) != 0;
    return p;
}

WindowRequest InputTranslator::handle(const SDL_Event& event, InputQueue& keys) {
    using Kind = WindowRequest::Kind;
    switch (event.type) {
    case SDL_KEYDOWN: {
        lastPress_ = keyPressFromSdl(event.key.keysym);
        const Key key = lastPress_.key;
        if (lastPress_.alt && (key == Key::Enter || key == Key::KeypadEnter)) {
            if (event.key.repeat) return {};
            return {Kind::ToggleFullScreen, event.key.windowID};
        }
        const KeyCodes codes = keyCodes(lastPress_);
        for (int i = 0; i < codes.count; ++i)
            keys.postKey(codes.codes[static_cast<std::size_t>(i)]);
        return {};
    }
    case SDL_TEXTINPUT:
        if (keepsTypedText(lastPress_))
            for (int code : utf8ToCp437(event.text.text))
                keys.postKey(code);
        lastPress_ = KeyPress{}; // text without a key press (an input method) is kept
        return {};
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            // The close box closes nothing: the program sees a key code instead.
            keys.postKey(kKeyCloseBox);
            return {};
        case SDL_WINDOWEVENT_MAXIMIZED:
            return {Kind::EnterFullScreen, event.window.windowID};
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
            return {Kind::Repaint, event.window.windowID};
        default:
            return {};
        }
    default:
        return {}; // SDL_QUIT included: the program ends only through its menu
    }
}
