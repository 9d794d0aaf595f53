// The key codes of the keys without a character, after the PC keyboard's conventions.
#include "display/keys.h"

namespace {

// The editing keys and arrows: their code (Shift gives the same) and the scan code that
// they give with Ctrl.
struct EditingKey {
    Key key;
    int code;
    int ctrlScan;
};
constexpr EditingKey kEditing[] = {
    {Key::Home, kKeyHome, 0x77},     {Key::Up, kKeyUp, 0x8D},
    {Key::PageUp, kKeyPageUp, 0x84}, {Key::Left, kKeyLeft, 0x73},
    {Key::Right, kKeyRight, 0x74},   {Key::End, kKeyEnd, 0x75},
    {Key::Down, kKeyDown, 0x91},     {Key::PageDown, kKeyPageDown, 0x76},
    {Key::Insert, kKeyInsert, 0x92}, {Key::Delete, kKeyDelete, 0x93},
};

// With Num Lock off the keypad keys are the editing keys; 5 is none of them.
Key keypadAsEditingKey(Key key) {
    switch (key) {
    case Key::Keypad7:
        return Key::Home;
    case Key::Keypad8:
        return Key::Up;
    case Key::Keypad9:
        return Key::PageUp;
    case Key::Keypad4:
        return Key::Left;
    case Key::Keypad6:
        return Key::Right;
    case Key::Keypad1:
        return Key::End;
    case Key::Keypad2:
        return Key::Down;
    case Key::Keypad3:
        return Key::PageDown;
    case Key::Keypad0:
        return Key::Insert;
    case Key::KeypadPeriod:
        return Key::Delete;
    default:
        return Key::Other;
    }
}

int functionKeyScan(const KeyPress& p) {
    const int n = static_cast<int>(p.key) - static_cast<int>(Key::F1); // 0 for F1
    if (n <= 8) return (p.ctrl ? 0x5E : p.shift ? 0x54 : 0x3B) + n;    // F1 to F9
    if (n == 9) return 0;                                              // F10 gives nothing
    return (p.ctrl ? 0x89 : p.shift ? 0x87 : 0x85) + (n - 10);         // F11, F12
}

KeyCodes one(int code) {
    return KeyCodes{{code, 0}, 1};
}

} // namespace

KeyCodes keyCodes(const KeyPress& press) {
    KeyPress p = press;
    if (p.alt) return {};
    if (p.key >= Key::Keypad0 && p.key <= Key::KeypadPeriod) {
        if (p.numLock) return {}; // the digit or the decimal point arrives as text
        p.key = keypadAsEditingKey(p.key);
    }
    if (p.key >= Key::A && p.key <= Key::Z) {
        if (!p.ctrl) return {}; // the letter arrives as text
        return one(static_cast<int>(p.key) - static_cast<int>(Key::A) + 1);
    }
    if (p.key >= Key::F1 && p.key <= Key::F12) {
        const int scan = functionKeyScan(p);
        return scan == 0 ? KeyCodes{} : one(extendedKeyCode(scan));
    }
    for (const EditingKey& e : kEditing)
        if (e.key == p.key) return one(p.ctrl ? extendedKeyCode(e.ctrlScan) : e.code);
    switch (p.key) {
    case Key::Enter:
    case Key::KeypadEnter:
        return one(p.ctrl ? kKeyLineFeed : kKeyEnter);
    case Key::Backspace:
        return one(p.ctrl ? 127 : kKeyBackspace);
    case Key::Tab:
        if (p.ctrl) return {};
        if (p.shift) return KeyCodes{{extendedKeyCode(0x0F), kKeyTab}, 2};
        return one(kKeyTab);
    case Key::Escape:
        return one(kKeyEscape);
    default:
        return {};
    }
}

bool keepsTypedText(const KeyPress& press) {
    if (press.alt && !press.ctrl) return false;
    return keyCodes(press).count == 0;
}

Key letterKey(char letter) {
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    if (letter < 'a' || letter > 'z') return Key::Other;
    return static_cast<Key>(static_cast<int>(Key::A) + (letter - 'a'));
}
