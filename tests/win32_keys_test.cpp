// Windows' key messages, in the order the system sends them for a press (the key's
// WM_KEYDOWN, then the WM_CHAR that TranslateMessage makes of it), become the codes of
// the key table, each once.
#include <gtest/gtest.h>

#include <vector>

#include "display/backends/win32/win32_keys.h"

namespace {

using Codes = std::vector<int>;

// Virtual keys (winuser.h).
constexpr unsigned kReturn = 0x0D, kTab = 0x09, kBack = 0x08, kHome = 0x24, kLeft = 0x25,
                   kDelete = 0x2E, kClear = 0x0C, kNumpad7 = 0x67, kDecimal = 0x6E, kF1 = 0x70,
                   kF10 = 0x79, kOem4 = 0xDB; // [ on a US keyboard

struct Typist {
    Win32KeyTranslator translator;
    Codes codes;
    // A key's WM_KEYDOWN and, when the layout types something, its WM_CHAR units.
    Typist& press(unsigned vk, Win32Modifiers m = {}, std::vector<unsigned> typed = {},
                  bool extended = false) {
        const KeyCodes k = translator.keyDown(keyPressFromWin32(vk, extended, m));
        codes.insert(codes.end(), k.codes.begin(), k.codes.begin() + k.count);
        for (unsigned unit : typed)
            if (const int code = translator.character(unit)) codes.push_back(code);
        return *this;
    }
};

constexpr Win32Modifiers kShift{true, false, false};
constexpr Win32Modifiers kCtrl{false, true, false};
constexpr Win32Modifiers kAlt{false, false, true};
constexpr Win32Modifiers kAltGr{false, true, true};

TEST(Win32Keys, KeysThatTypeAControlCharacterGiveTheirCodeOnce) {
    EXPECT_EQ(Typist().press(kReturn, {}, {13}).codes, Codes{13});
    EXPECT_EQ(Typist().press(kReturn, {}, {13}, true).codes, Codes{13}); // the keypad's
    EXPECT_EQ(Typist().press(kReturn, kCtrl, {10}).codes, Codes{10});
    EXPECT_EQ(Typist().press(kBack, kCtrl, {127}).codes, Codes{127});
    EXPECT_EQ(Typist().press(kTab, kShift, {9}).codes, (Codes{0x0FFF, 9}));
    EXPECT_EQ(Typist().press('C', kCtrl, {3}).codes, Codes{3});
    // Ctrl+[ types Esc on Windows; as everywhere else in TABLOX it gives nothing.
    EXPECT_EQ(Typist().press(kOem4, kCtrl, {27}).codes, Codes{});
}

TEST(Win32Keys, CharactersArriveInCodePage437) {
    EXPECT_EQ(Typist().press('A', kShift, {'A'}).press('1', {}, {'1'}).codes, (Codes{'A', '1'}));
    EXPECT_EQ(Typist().press(0xDE, {}, {0xE9}).codes, Codes{130});        // é
    EXPECT_EQ(Typist().press('E', kAltGr, {0x20AC}).codes, Codes{});      // €: none in 437
    EXPECT_EQ(Typist().press('Q', kAltGr, {'@'}).codes, Codes{'@'});      // AltGr's level
    EXPECT_EQ(Typist().press(0xE7, {}, {0xD83D, 0xDE00}).codes, Codes{}); // beyond 16 bits
    EXPECT_EQ(Typist().press('X', kAlt).codes, Codes{}); // Alt+X: only a WM_SYSCHAR
    // Alt with the keypad's 1, 3, 0 types a character when Alt is let go: keys with Alt
    // write nothing.
    EXPECT_EQ(Typist().press(0x61, kAlt).press(0x63, kAlt).press(0x60, kAlt, {0xE9}).codes,
              Codes{});
    Typist ime;
    EXPECT_EQ(ime.translator.character(0xFC), 129); // ü from an input method, without a key
}

TEST(Win32Keys, TheKeypadFollowsWhatWindowsMadeOfNumLock) {
    // Num Lock on: the digit's virtual key, and the digit as a character.
    EXPECT_EQ(Typist().press(kNumpad7, {}, {'7'}).press(kDecimal, {}, {'.'}).codes,
              (Codes{'7', '.'}));
    // Num Lock off, or reversed by Shift: the editing key's virtual key, without the
    // extended bit of the grey keys.
    EXPECT_EQ(Typist().press(kHome).press(kDelete).press(kClear).codes, (Codes{0x47FF, 0x53FF}));
    EXPECT_EQ(Typist().press(kHome, kCtrl, {}, true).press(kLeft, {}, {}, true).codes,
              (Codes{0x77FF, 0x4BFF}));
}

TEST(Win32Keys, FunctionKeysButF10) {
    EXPECT_EQ(Typist().press(kF1).press(kF1, kShift).press(kF10).codes, (Codes{0x3BFF, 0x54FF}));
}

} // namespace
