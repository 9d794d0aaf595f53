// Key presses become key codes: a character key gives its code page 437 code through
// the typed text; a key without a character gives scan code * 256 + 255. Both back ends,
// the window and the terminal, turn their native key events into a KeyPress and typed
// text and ask here for the codes.
#pragma once
#include <array>
#include <cstdint>

// Key codes, as the key buffer holds them and the line editor reads them: a character
// is its code page 437 code, 1 to 255; a key without one is scan code * 256 + 255.
constexpr int extendedKeyCode(int scan) {
    return scan * 256 + 255;
}
constexpr int kKeyBackspace = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyLineFeed = 10; // Ctrl+Enter
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeyHome = extendedKeyCode(0x47);
constexpr int kKeyUp = extendedKeyCode(0x48);
constexpr int kKeyPageUp = extendedKeyCode(0x49);
constexpr int kKeyLeft = extendedKeyCode(0x4B);
constexpr int kKeyRight = extendedKeyCode(0x4D);
constexpr int kKeyEnd = extendedKeyCode(0x4F);
constexpr int kKeyDown = extendedKeyCode(0x50);
constexpr int kKeyPageDown = extendedKeyCode(0x51);
constexpr int kKeyInsert = extendedKeyCode(0x52);
constexpr int kKeyDelete = extendedKeyCode(0x53);
constexpr int kKeyCloseBox = extendedKeyCode(0x6B); // the window's close box

// The keys that give codes of their own; every other key is Other (its character, if
// any, arrives as typed text).
enum class Key : std::uint8_t {
    Other,
    Enter,
    KeypadEnter,
    Backspace,
    Tab,
    Escape,
    Home,
    Up,
    PageUp,
    Left,
    Right,
    End,
    Down,
    PageDown,
    Insert,
    Delete,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    Keypad0,
    Keypad1,
    Keypad2,
    Keypad3,
    Keypad4,
    Keypad5,
    Keypad6,
    Keypad7,
    Keypad8,
    Keypad9,
    KeypadPeriod,
    A, // the letters of the keyboard layout, A to Z in order
    Z = A + 25,
};

// One press (or auto-repeat) of a key with the modifiers held at that moment.
struct KeyPress {
    Key key = Key::Other;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool numLock = false;
};

// The codes one press writes into the key buffer, in order: none, one, or two
// (Shift+Tab gives 0x0FFF, then 9).
struct KeyCodes {
    std::array<int, 2> codes{};
    int count = 0;
};

KeyCodes keyCodes(const KeyPress& press);

// Whether the text that a press types is written as character codes: not when the
// press already gave a code of its own (Ctrl+letter), nor with Alt alone held (Alt with
// Ctrl is the layout's third level, whose characters are kept).
bool keepsTypedText(const KeyPress& press);

// The letter key for 'a'..'z' (either case), or Other.
Key letterKey(char letter);
