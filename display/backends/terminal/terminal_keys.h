// Turns the bytes a terminal sends for key presses into TABLOX key codes: UTF-8
// characters are typed text, and control bytes and the escape sequences of xterm, VT220
// and the Linux console are key presses (display/keys.h), whose codes come from the same
// translation as the window's. Pure: no clock and no I/O; the caller reports when the
// wait for more bytes has ended.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "display/keys.h"
#include "display/utf8.h"

class TerminalKeyDecoder {
  public:
    // How long the caller waits for the rest of a sequence before calling timeout().
    static constexpr int kEscapeWaitMilliseconds = 40;

    // Decodes `bytes` and appends the key codes they complete to `codes`.
    void feed(std::string_view bytes, std::vector<int>& codes);
    // True while bytes wait to be completed: an Esc that may start a sequence, a
    // sequence, or a UTF-8 character cut short.
    bool pending() const { return state_ != State::Ground || utf8_.pending(); }
    // No byte came within the wait: a lone Esc is the Esc key (27); anything else
    // that was waiting is dropped.
    void timeout(std::vector<int>& codes);

  private:
    enum class State { Ground, Escape, Csi, Ss3, LinuxFunction, Discard };
    void feedByte(unsigned char byte, std::vector<int>& codes);
    void ground(unsigned char byte, bool alt, std::vector<int>& codes);
    void finishCsi(unsigned char final, std::vector<int>& codes);
    void finishSs3(unsigned char final, std::vector<int>& codes);

    State state_ = State::Ground;
    std::string parameters_; // the parameter and intermediate bytes of a sequence
    Utf8Decoder utf8_;
    bool altCharacter_ = false; // the UTF-8 character begun follows an Esc (Alt)
};
