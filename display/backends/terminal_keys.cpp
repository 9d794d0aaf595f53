#include "display/backends/terminal_keys.h"

#include <array>
#include <optional>

#include "display/cp437.h"

namespace {

constexpr unsigned char kEsc = 0x1B;
// Longer parameter strings are no key of ours; they are skipped up to their final byte.
constexpr std::size_t kMaxParameters = 16;

int extended(int scan) {
    return scan * 256 + 255;
}

struct ScanCodes {
    int plain, shift, ctrl;
};

// Indexed by NamedKey.
constexpr std::array<ScanCodes, 10> kNamedKeys = {{
    {0x47, 0x47, 0x77}, // Home
    {0x48, 0x48, 0x8D}, // Up
    {0x49, 0x49, 0x84}, // Page Up
    {0x4B, 0x4B, 0x73}, // Left
    {0x4D, 0x4D, 0x74}, // Right
    {0x4F, 0x4F, 0x75}, // End
    {0x50, 0x50, 0x91}, // Down
    {0x51, 0x51, 0x76}, // Page Down
    {0x52, 0x52, 0x92}, // Insert
    {0x53, 0x53, 0x93}, // Delete
}};

// Shift and Ctrl of an xterm modifier parameter (1 + bits: 1 Shift, 2 Alt, 4 Ctrl, 8 Meta).
// Alt and Meta combinations give no code, like Alt with a key that has no character.
struct Modifiers {
    bool shift = false, ctrl = false;
};
std::optional<Modifiers> decodeModifiers(std::optional<int> parameter) {
    if (!parameter || *parameter <= 1) return Modifiers{};
    const int bits = *parameter - 1;
    if (bits & ~(1 | 4)) return std::nullopt;
    return Modifiers{(bits & 1) != 0, (bits & 4) != 0};
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

std::optional<NamedKey> namedKeyOfFinal(unsigned char final) {
    switch (final) {
    case 'A':
        return NamedKey::Up;
    case 'B':
        return NamedKey::Down;
    case 'C':
        return NamedKey::Right;
    case 'D':
        return NamedKey::Left;
    case 'H':
        return NamedKey::Home;
    case 'F':
        return NamedKey::End;
    default:
        return std::nullopt;
    }
}

int functionKeyOfFinal(unsigned char final) {
    return final >= 'P' && final <= 'S' ? final - 'P' + 1 : 0;
}

// The VT220 "CSI n ~" keys: a named key, or a function key number.
struct TildeKey {
    std::optional<NamedKey> named;
    int function = 0;
};
std::optional<TildeKey> tildeKey(int number) {
    // 1 to 6 as VT220 and xterm send them, 7 and 8 as rxvt sends Home and End.
    constexpr std::array<NamedKey, 8> kEditing = {
        NamedKey::Home,   NamedKey::Insert,   NamedKey::Delete, NamedKey::End,
        NamedKey::PageUp, NamedKey::PageDown, NamedKey::Home,   NamedKey::End};
    if (number >= 1 && number <= 8) return TildeKey{kEditing[static_cast<std::size_t>(number - 1)]};
    if (number >= 11 && number <= 15) return TildeKey{{}, number - 10}; // F1 to F5
    if (number >= 17 && number <= 21) return TildeKey{{}, number - 11}; // F6 to F10
    if (number == 23 || number == 24) return TildeKey{{}, number - 12}; // F11, F12
    return std::nullopt;
}

void pushCode(std::vector<int>& codes, int code) {
    if (code != 0) codes.push_back(code);
}

} // namespace

int namedKeyCode(NamedKey key, bool shift, bool ctrl) {
    const ScanCodes& scan = kNamedKeys[static_cast<std::size_t>(key)];
    return extended(ctrl ? scan.ctrl : shift ? scan.shift : scan.plain);
}

int functionKeyCode(int number, bool shift, bool ctrl) {
    if (number >= 1 && number <= 9)
        return extended((ctrl ? 0x5E : shift ? 0x54 : 0x3B) + number - 1);
    if (number == 11 || number == 12)
        return extended((ctrl ? 0x89 : shift ? 0x87 : 0x85) + number - 11);
    return 0; // F10, like any other number, gives no code
}

void TerminalKeyDecoder::feed(std::string_view bytes, std::vector<int>& codes) {
    for (char ch : bytes)
        feedByte(static_cast<unsigned char>(ch), codes);
}

void TerminalKeyDecoder::timeout(std::vector<int>& codes) {
    if (state_ == State::Escape) codes.push_back(27);
    state_ = State::Ground;
}

void TerminalKeyDecoder::feedByte(unsigned char byte, std::vector<int>& codes) {
    switch (state_) {
    case State::Ground:
        ground(byte, codes);
        return;
    case State::Escape:
        if (byte == '[' || byte == 'O') {
            state_ = byte == '[' ? State::Csi : State::Ss3;
            parameters_.clear();
        } else if (byte == kEsc) {
            codes.push_back(27); // Esc pressed twice: the first was the Esc key
        } else if (byte >= 0xC0) {
            // Alt with a character outside ASCII: the whole character is dropped.
            state_ = State::Ground;
            ground(byte, codes);
            discardUtf8_ = state_ == State::Utf8;
        } else {
            state_ = State::Ground; // Alt with a key: no code
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
            ground(byte, codes);
        }
        return;
    case State::LinuxFunction:
        state_ = State::Ground;
        if (byte >= 'A' && byte <= 'E')
            pushCode(codes, functionKeyCode(byte - 'A' + 1, false, false));
        else if (byte < 0x20 || byte >= 0x7F)
            ground(byte, codes);
        return;
    case State::Discard:
        if (byte >= 0x40 && byte <= 0x7E) {
            state_ = State::Ground;
        } else if (byte < 0x20 || byte >= 0x7F) {
            state_ = State::Ground;
            ground(byte, codes);
        }
        return;
    case State::Utf8:
        if ((byte & 0xC0) != 0x80) {
            state_ = State::Ground; // cut short: the character is dropped
            ground(byte, codes);
            return;
        }
        utf8Value_ = (utf8Value_ << 6) | (byte & 0x3F);
        if (--utf8Remaining_ > 0) return;
        state_ = State::Ground;
        {
            static constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
            const bool valid = utf8Value_ >= kSmallest[static_cast<std::size_t>(utf8Length_)] &&
                               utf8Value_ <= 0x10FFFF &&
                               !(utf8Value_ >= 0xD800 && utf8Value_ <= 0xDFFF);
            const int code = valid ? unicodeToCp437(utf8Value_) : -1;
            // Only characters shown by a glyph of their own; no control character this way.
            if (!discardUtf8_ && code >= 128) codes.push_back(code);
        }
        return;
    }
}

void TerminalKeyDecoder::ground(unsigned char byte, std::vector<int>& codes) {
    discardUtf8_ = false;
    if (byte == kEsc) {
        state_ = State::Escape;
    } else if (byte >= 0x20 && byte < 0x7F) {
        codes.push_back(byte);
    } else if (byte == 0x7F || byte == 0x08) {
        codes.push_back(8); // Backspace, whichever byte the terminal sends for it
    } else if (byte >= 1 && byte < 0x20) {
        codes.push_back(byte); // Enter 13, Tab 9, Ctrl+letters 1 to 26
    } else if (byte >= 0xC2 && byte <= 0xF4) {
        state_ = State::Utf8;
        utf8Length_ = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        utf8Remaining_ = utf8Length_ - 1;
        utf8Value_ = byte & (0xFF >> (utf8Length_ + 1));
    }
    // 0 and bytes that cannot start a UTF-8 character give nothing.
}

void TerminalKeyDecoder::finishCsi(unsigned char final, std::vector<int>& codes) {
    const auto numbers = splitParameters(parameters_);
    if (!numbers) return; // private or malformed: not a key
    const auto [first, second] = *numbers;
    if (final == '~') {
        const auto key = first ? tildeKey(*first) : std::nullopt;
        const auto modifiers = decodeModifiers(second);
        if (!key || !modifiers) return;
        if (key->named)
            codes.push_back(namedKeyCode(*key->named, modifiers->shift, modifiers->ctrl));
        else
            pushCode(codes, functionKeyCode(key->function, modifiers->shift, modifiers->ctrl));
        return;
    }
    if (final == 'Z' && !first && !second) {
        codes.push_back(extended(0x0F)); // Shift+Tab: the extended code, then the tab
        codes.push_back(9);
        return;
    }
    // "CSI A" or "CSI 1;5A": the first number, when given, is 1.
    if (first && *first != 1) return;
    const auto modifiers = decodeModifiers(second);
    if (!modifiers) return;
    if (const auto named = namedKeyOfFinal(final))
        codes.push_back(namedKeyCode(*named, modifiers->shift, modifiers->ctrl));
    else
        pushCode(codes,
                 functionKeyCode(functionKeyOfFinal(final), modifiers->shift, modifiers->ctrl));
}

void TerminalKeyDecoder::finishSs3(unsigned char final, std::vector<int>& codes) {
    const auto numbers = splitParameters(parameters_);
    if (!numbers) return;
    // "ESC O 5 P" carries the modifier alone; "ESC O 1;5P" after a 1.
    const auto modifiers = decodeModifiers((*numbers)[1] ? (*numbers)[1] : (*numbers)[0]);
    if (!modifiers) return;
    if (const auto named = namedKeyOfFinal(final)) {
        codes.push_back(namedKeyCode(*named, modifiers->shift, modifiers->ctrl));
    } else if (const int function = functionKeyOfFinal(final)) {
        codes.push_back(functionKeyCode(function, modifiers->shift, modifiers->ctrl));
    } else if (parameters_.empty()) {
        // The numeric keypad in application mode sends its keys this way.
        static constexpr std::string_view kKeypad = "*+,-./0123456789"; // 'j' to 'y'
        if (final == 'M')
            codes.push_back(13);
        else if (final == 'X')
            codes.push_back('=');
        else if (final >= 'j' && final <= 'y')
            codes.push_back(kKeypad[final - 'j']);
    }
}
