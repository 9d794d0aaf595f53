#include "display/backends/terminal/terminal_keys.h"

#include <array>
#include <optional>

#include "display/cp437.h"

namespace {

constexpr unsigned char kEsc = 0x1B;
// Longer parameter strings are no key of ours; they are skipped up to their final byte.
constexpr std::size_t kMaxParameters = 16;

void pressKey(const KeyPress& press, std::vector<int>& codes) {
    const KeyCodes k = keyCodes(press);
    codes.insert(codes.end(), k.codes.begin(), k.codes.begin() + k.count);
}

void typeCharacter(char32_t ch, bool alt, std::vector<int>& codes) {
    KeyPress press;
    press.alt = alt;
    const int code = keepsTypedText(press) ? unicodeToCp437(ch) : -1;
    if (code > 0) codes.push_back(code);
}

Key functionKey(int number) {
    return static_cast<Key>(static_cast<int>(Key::F1) + number - 1);
}

// `key` with the modifiers of an xterm modifier parameter (1 + bits: 1 Shift, 2 Alt,
// 4 Ctrl, 8 Meta); Meta counts as Alt. nullopt for any other bit.
std::optional<KeyPress> withModifiers(Key key, std::optional<int> parameter) {
    KeyPress press{key};
    if (!parameter || *parameter <= 1) return press;
    const int bits = *parameter - 1;
    if (bits & ~15) return std::nullopt;
    press.shift = (bits & 1) != 0;
    press.alt = (bits & (2 | 8)) != 0;
    press.ctrl = (bits & 4) != 0;
    return press;
}

// The numbers of a parameter string such as "1;5": empty entries are absent. nullopt when
// the string holds anything but digits and semicolons, or a number over four digits.
std::optional<std::array<std::optional<int>, 2>> splitParameters(const std::string& text) {
    std::array<std::optional<int>, 2> numbers{};
    std::size_t index = 0;
    int digits = 0;
    for (char ch : text) {
        if (ch == ';') {
            if (++index >= numbers.size()) return std::nullopt;
            digits = 0;
        } else if (ch >= '0' && ch <= '9') {
            if (++digits > 4) return std::nullopt;
            numbers[index] = numbers[index].value_or(0) * 10 + (ch - '0');
        } else {
            return std::nullopt;
        }
    }
    return numbers;
}

// The key of the final byte of "CSI A" or "SS3 P" and the like.
Key keyOfFinal(unsigned char final) {
    switch (final) {
    case 'A':
        return Key::Up;
    case 'B':
        return Key::Down;
    case 'C':
        return Key::Right;
    case 'D':
        return Key::Left;
    case 'H':
        return Key::Home;
    case 'F':
        return Key::End;
    case 'P':
    case 'Q':
    case 'R':
    case 'S':
        return functionKey(final - 'P' + 1);
    default:
        return Key::Other;
    }
}

// The key of the VT220 "CSI n ~".
Key tildeKey(int number) {
    // 1 to 6 as VT220 and xterm send them, 7 and 8 as rxvt sends Home and End.
    constexpr std::array<Key, 8> kEditing = {Key::Home,   Key::Insert,   Key::Delete, Key::End,
                                             Key::PageUp, Key::PageDown, Key::Home,   Key::End};
    if (number >= 1 && number <= 8) return kEditing[static_cast<std::size_t>(number - 1)];
    if (number >= 11 && number <= 15) return functionKey(number - 10); // F1 to F5
    if (number >= 17 && number <= 21) return functionKey(number - 11); // F6 to F10
    if (number == 23 || number == 24) return functionKey(number - 12); // F11, F12
    return Key::Other;
}

} // namespace

void TerminalKeyDecoder::feed(std::string_view bytes, std::vector<int>& codes) {
    for (char ch : bytes)
        feedByte(static_cast<unsigned char>(ch), codes);
}

void TerminalKeyDecoder::timeout(std::vector<int>& codes) {
    if (state_ == State::Escape) pressKey(KeyPress{Key::Escape}, codes);
    state_ = State::Ground;
    utf8_.reset();
}

void TerminalKeyDecoder::feedByte(unsigned char byte, std::vector<int>& codes) {
    switch (state_) {
    case State::Ground:
        ground(byte, false, codes);
        return;
    case State::Escape:
        if (byte == '[' || byte == 'O') {
            state_ = byte == '[' ? State::Csi : State::Ss3;
            parameters_.clear();
        } else if (byte == kEsc) {
            pressKey(KeyPress{Key::Escape}, codes); // Esc pressed twice: the first was Esc
        } else {
            state_ = State::Ground;
            ground(byte, true, codes); // Alt with a key
        }
        return;
    case State::Csi:
    case State::Ss3:
        if (state_ == State::Csi && byte == '[' && parameters_.empty()) {
            state_ = State::LinuxFunction;
        } else if (byte >= 0x20 && byte <= 0x3F) {
            parameters_.push_back(static_cast<char>(byte));
            if (parameters_.size() > kMaxParameters) state_ = State::Discard;
        } else if (byte >= 0x40 && byte <= 0x7E) {
            const State was = state_;
            state_ = State::Ground;
            if (was == State::Csi)
                finishCsi(byte, codes);
            else
                finishSs3(byte, codes);
        } else {
            // A control byte breaks the sequence off; the byte itself counts.
            state_ = State::Ground;
            ground(byte, false, codes);
        }
        return;
    case State::LinuxFunction:
        state_ = State::Ground;
        if (byte >= 'A' && byte <= 'E')
            pressKey(KeyPress{functionKey(byte - 'A' + 1)}, codes);
        else if (byte < 0x20 || byte >= 0x7F)
            ground(byte, false, codes);
        return;
    case State::Discard:
        if (byte >= 0x40 && byte <= 0x7E) {
            state_ = State::Ground;
        } else if (byte < 0x20 || byte >= 0x7F) {
            state_ = State::Ground;
            ground(byte, false, codes);
        }
        return;
    }
}

// A byte outside any sequence; `alt` when it follows an Esc, as terminals send Alt+key.
void TerminalKeyDecoder::ground(unsigned char byte, bool alt, std::vector<int>& codes) {
    if (byte >= 0x80) {
        if (byte >= 0xC0) altCharacter_ = alt; // a start byte begins a new character
        if (const auto ch = utf8_.feed(byte)) typeCharacter(*ch, altCharacter_, codes);
        return;
    }
    utf8_.reset(); // a character cut short is dropped
    if (byte == kEsc) {
        state_ = State::Escape;
        return;
    }
    KeyPress press;
    press.alt = alt;
    if (byte == '\r' || byte == '\n') {
        press.key = Key::Enter;
        press.ctrl = byte == '\n'; // Ctrl+Enter, as Ctrl+J
    } else if (byte == '\t') {
        press.key = Key::Tab;
    } else if (byte == 0x7F || byte == 0x08) {
        press.key = Key::Backspace; // whichever byte the terminal sends for it
    } else if (byte >= 1 && byte <= 26) {
        press.key = letterKey(static_cast<char>('a' + byte - 1));
        press.ctrl = true;
    } else {
        // Printable ASCII, and Ctrl with \ ] ^ _ as 28 to 31; 0 gives nothing.
        typeCharacter(byte, alt, codes);
        return;
    }
    pressKey(press, codes);
}

void TerminalKeyDecoder::finishCsi(unsigned char final, std::vector<int>& codes) {
    const auto numbers = splitParameters(parameters_);
    if (!numbers) return; // private or malformed: not a key
    const auto [first, second] = *numbers;
    std::optional<KeyPress> press;
    if (final == '~') {
        press = withModifiers(first ? tildeKey(*first) : Key::Other, second);
    } else if (final == 'Z' && !first && !second) {
        press = KeyPress{Key::Tab, true}; // Shift+Tab
    } else if (!first || *first == 1) {
        // "CSI A" or "CSI 1;5A": the first number, when given, is 1.
        press = withModifiers(keyOfFinal(final), second);
    }
    if (press) pressKey(*press, codes);
}

void TerminalKeyDecoder::finishSs3(unsigned char final, std::vector<int>& codes) {
    const auto numbers = splitParameters(parameters_);
    if (!numbers) return;
    // "ESC O 5 P" carries the modifier alone; "ESC O 1;5P" after a 1.
    const auto press =
        withModifiers(keyOfFinal(final), (*numbers)[1] ? (*numbers)[1] : (*numbers)[0]);
    if (!press) return;
    if (press->key != Key::Other) {
        pressKey(*press, codes);
    } else if (parameters_.empty()) {
        // The numeric keypad in application mode sends its keys this way.
        static constexpr std::string_view kKeypad = "*+,-./0123456789"; // 'j' to 'y'
        if (final == 'M')
            pressKey(KeyPress{Key::KeypadEnter}, codes);
        else if (final == 'X')
            typeCharacter('=', false, codes);
        else if (final >= 'j' && final <= 'y')
            typeCharacter(static_cast<unsigned char>(kKeypad[final - 'j']), false, codes);
    }
}
