// Windows' key messages become key codes through the shared key vocabulary
// (display/keys.h), as the SDL window's key events do. Free of <windows.h>: the messages'
// parameters come in as plain numbers, so the translation is tested without a window.
#pragma once
#include "display/keys.h"

// The modifiers held when a key message was sent (GetKeyState's view of them).
struct Win32Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The press that WM_KEYDOWN or WM_SYSKEYDOWN reports: `virtualKey` is its wParam,
// `extended` bit 24 of its lParam (the grey editing keys and the keypad's Enter). Windows
// has applied Num Lock already (and Shift's reversal of it): a keypad key comes as its
// digit's virtual key when it types the digit, as an editing key's otherwise.
KeyPress keyPressFromWin32(unsigned virtualKey, bool extended, const Win32Modifiers& modifiers);

// One window thread's key messages, in the order they arrive. A character message
// (WM_CHAR) belongs to the key press before it, which decides whether it is kept.
class Win32KeyTranslator {
  public:
    // A key press: the codes it writes (once per repeat, by the caller).
    KeyCodes keyDown(const KeyPress& press);
    // One UTF-16 unit of a character message: its code page 437 code, or 0 when it
    // writes nothing (control characters, which come from keyDown; characters that code
    // page 437 lacks, among them the halves of one beyond 16 bits; the text of a press
    // that wrote a code of its own or was made with Alt).
    int character(unsigned utf16Unit);

  private:
    KeyPress lastPress_;
};
