// Virtual-key codes to the named keys, and character messages to code page 437.
#include "display/backends/win32/win32_keys.h"

#include "display/cp437.h"

namespace {

// The virtual-key codes that name keys of their own (winuser.h's VK_ values).
constexpr unsigned kVkBack = 0x08, kVkTab = 0x09, kVkClear = 0x0C, kVkReturn = 0x0D,
                   kVkEscape = 0x1B, kVkPrior = 0x21, kVkNext = 0x22, kVkEnd = 0x23, kVkHome = 0x24,
                   kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28, kVkInsert = 0x2D,
                   kVkDelete = 0x2E, kVkA = 0x41, kVkZ = 0x5A, kVkNumpad0 = 0x60, kVkNumpad9 = 0x69,
                   kVkDecimal = 0x6E, kVkF1 = 0x70, kVkF12 = 0x7B;

Key offset(Key first, unsigned n) {
    return static_cast<Key>(static_cast<unsigned>(first) + n);
}

// The editing keys come twice: the grey ones carry the extended bit; the keypad's, which
// Windows reports so while Num Lock is off (or Shift reverses it), do not.
Key editingKey(unsigned vk, bool extended) {
    struct Pair {
        unsigned vk;
        Key grey, keypad;
    };
    static constexpr Pair kPairs[] = {
        {kVkHome, Key::Home, Key::Keypad7},
        {kVkUp, Key::Up, Key::Keypad8},
        {kVkPrior, Key::PageUp, Key::Keypad9},
        {kVkLeft, Key::Left, Key::Keypad4},
        {kVkClear, Key::Other, Key::Keypad5},
        {kVkRight, Key::Right, Key::Keypad6},
        {kVkEnd, Key::End, Key::Keypad1},
        {kVkDown, Key::Down, Key::Keypad2},
        {kVkNext, Key::PageDown, Key::Keypad3},
        {kVkInsert, Key::Insert, Key::Keypad0},
        {kVkDelete, Key::Delete, Key::KeypadPeriod},
    };
    for (const Pair& p : kPairs)
        if (p.vk == vk) return extended ? p.grey : p.keypad;
    return Key::Other;
}

Key namedKey(unsigned vk, bool extended) {
    if (vk >= kVkF1 && vk <= kVkF12) return offset(Key::F1, vk - kVkF1);
    if (vk >= kVkNumpad0 && vk <= kVkNumpad9) return offset(Key::Keypad0, vk - kVkNumpad0);
    // The virtual key of a letter follows the keyboard layout, as Ctrl+letter must.
    if (vk >= kVkA && vk <= kVkZ) return offset(Key::A, vk - kVkA);
    switch (vk) {
    case kVkReturn:
        return extended ? Key::KeypadEnter : Key::Enter;
    case kVkBack:
        return Key::Backspace;
    case kVkTab:
        return Key::Tab;
    case kVkEscape:
        return Key::Escape;
    case kVkDecimal:
        return Key::KeypadPeriod;
    default:
        return editingKey(vk, extended);
    }
}

} // namespace

KeyPress keyPressFromWin32(unsigned virtualKey, bool extended, const Win32Modifiers& modifiers) {
    KeyPress p;
    p.key = namedKey(virtualKey, extended);
    p.shift = modifiers.shift;
    p.ctrl = modifiers.ctrl;
    p.alt = modifiers.alt;
    p.numLock = (virtualKey >= kVkNumpad0 && virtualKey <= kVkNumpad9) || virtualKey == kVkDecimal;
    return p;
}

KeyCodes Win32KeyTranslator::keyDown(const KeyPress& press) {
    lastPress_ = press;
    return keyCodes(press);
}

int Win32KeyTranslator::character(unsigned utf16Unit) {
    const KeyPress press = lastPress_;
    lastPress_ = KeyPress{}; // a character without a key press (an input method) is kept
    if (utf16Unit < 32 || utf16Unit == 127) return 0;
    if (!keepsTypedText(press)) return 0;
    const int code = unicodeToCp437(static_cast<char32_t>(utf16Unit));
    return code > 0 ? code : 0;
}
