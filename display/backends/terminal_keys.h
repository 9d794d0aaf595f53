// Turns the bytes a terminal sends for key presses into TABLOX key codes: UTF-8
// characters become code page 437 codes, and the escape sequences of xterm, VT220 and
// the Linux console for the cursor, editing and function keys become extended codes.
// Pure: no clock and no I/O; the caller reports when the wait for more bytes has ended.
#pragma once
#include <string>
#include <string_view>
#include <vector>

class TerminalKeyDecoder {
  public:
    // How long the caller waits for the rest of a sequence before calling timeout().
    static constexpr int kEscapeWaitMilliseconds = 40;

    // Decodes `bytes` and appends the key codes they complete to `codes`.
    void feed(std::string_view bytes, std::vector<int>& codes);
    // True while bytes wait to be completed: an Esc that may start a sequence, a
    // sequence, or a UTF-8 character cut short.
    bool pending() const { return state_ != State::Ground; }
    // No byte came within the wait: a lone Esc is the Esc key (27); anything else
    // that was waiting is dropped.
    void timeout(std::vector<int>& codes);

  private:
    enum class State { Ground, Escape, Csi, Ss3, LinuxFunction, Utf8, Discard };
    void feedByte(unsigned char byte, std::vector<int>& codes);
    void ground(unsigned char byte, std::vector<int>& codes);
    void finishCsi(unsigned char final, std::vector<int>& codes);
    void finishSs3(unsigned char final, std::vector<int>& codes);

    State state_ = State::Ground;
    std::string parameters_; // the parameter and intermediate bytes of a sequence
    char32_t utf8Value_ = 0;
    int utf8Remaining_ = 0;
    int utf8Length_ = 0;
    bool discardUtf8_ = false; // the UTF-8 character follows an Esc (Alt): dropped
};

// Extended key codes (scan code * 256 + 255) of the keys without a character.
enum class NamedKey { Home, Up, PageUp, Left, Right, End, Down, PageDown, Insert, Delete };
// The key code of `key` with Shift and Ctrl; Ctrl wins over Shift.
int namedKeyCode(NamedKey key, bool shift, bool ctrl);
// The key code of function key 1..12 with Shift and Ctrl, or 0 (F10 gives no code).
int functionKeyCode(int number, bool shift, bool ctrl);
