// The key codes of the keys without a character, with Shift and with Ctrl.
#include <gtest/gtest.h>

#include <vector>

#include "display/keys.h"

namespace {

KeyPress plain(Key key) {
    return KeyPress{key};
}
KeyPress shifted(Key key) {
    return KeyPress{key, true};
}
KeyPress ctrl(Key key) {
    return KeyPress{key, false, true};
}
KeyPress alt(Key key) {
    return KeyPress{key, false, false, true};
}

std::vector<int> codes(const KeyPress& press) {
    const KeyCodes k = keyCodes(press);
    return std::vector<int>(k.codes.begin(), k.codes.begin() + k.count);
}

using Codes = std::vector<int>;

TEST(Keys, EnterBackspaceTabAndEsc) {
    for (Key enter : {Key::Enter, Key::KeypadEnter}) {
        EXPECT_EQ(codes(plain(enter)), Codes{13});
        EXPECT_EQ(codes(shifted(enter)), Codes{13});
        EXPECT_EQ(codes(ctrl(enter)), Codes{10});
    }
    EXPECT_EQ(codes(plain(Key::Backspace)), Codes{8});
    EXPECT_EQ(codes(shifted(Key::Backspace)), Codes{8});
    EXPECT_EQ(codes(ctrl(Key::Backspace)), Codes{127});
    EXPECT_EQ(codes(plain(Key::Tab)), Codes{9});
    EXPECT_EQ(codes(shifted(Key::Tab)), (Codes{0x0FFF, 9}));
    EXPECT_EQ(codes(ctrl(Key::Tab)), Codes{});
    EXPECT_EQ(codes(plain(Key::Escape)), Codes{27});
    EXPECT_EQ(codes(shifted(Key::Escape)), Codes{27});
}

TEST(Keys, CtrlWithALetterGivesOneToTwentySix) {
    EXPECT_EQ(codes(ctrl(Key::A)), Codes{1});
    EXPECT_EQ(codes(ctrl(letterKey('c'))), Codes{3});
    EXPECT_EQ(codes(ctrl(Key::Z)), Codes{26});
    EXPECT_EQ(codes(KeyPress{letterKey('m'), true, true}), Codes{13}); // Ctrl+Shift+M
    // Without Ctrl a letter gives no code of its own: the typed text brings it.
    EXPECT_EQ(codes(plain(Key::A)), Codes{});
    EXPECT_EQ(codes(shifted(letterKey('q'))), Codes{});
    EXPECT_EQ(letterKey('Q'), letterKey('q'));
    EXPECT_EQ(letterKey('1'), Key::Other);
}

TEST(Keys, EditingKeysAndArrows) {
    struct Row {
        Key key;
        int plain, withCtrl;
    };
    const Row rows[] = {
        {Key::Home, 0x47FF, 0x77FF},   {Key::Up, 0x48FF, 0x8DFF},
        {Key::PageUp, 0x49FF, 0x84FF}, {Key::Left, 0x4BFF, 0x73FF},
        {Key::Right, 0x4DFF, 0x74FF},  {Key::End, 0x4FFF, 0x75FF},
        {Key::Down, 0x50FF, 0x91FF},   {Key::PageDown, 0x51FF, 0x76FF},
        {Key::Insert, 0x52FF, 0x92FF}, {Key::Delete, 0x53FF, 0x93FF},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(codes(plain(r.key)), Codes{r.plain});
        EXPECT_EQ(codes(shifted(r.key)), Codes{r.plain});
        EXPECT_EQ(codes(ctrl(r.key)), Codes{r.withCtrl});
    }
}

TEST(Keys, KeypadGivesEditingKeysWithNumLockOffAndTextWithItOn) {
    const std::pair<Key, Key> pad[] = {
        {Key::Keypad7, Key::Home},   {Key::Keypad8, Key::Up},
        {Key::Keypad9, Key::PageUp}, {Key::Keypad4, Key::Left},
        {Key::Keypad6, Key::Right},  {Key::Keypad1, Key::End},
        {Key::Keypad2, Key::Down},   {Key::Keypad3, Key::PageDown},
        {Key::Keypad0, Key::Insert}, {Key::KeypadPeriod, Key::Delete},
    };
    for (auto [keypad, editing] : pad) {
        EXPECT_EQ(codes(plain(keypad)), codes(plain(editing)));
        EXPECT_EQ(codes(ctrl(keypad)), codes(ctrl(editing)));
        KeyPress withNumLock = plain(keypad);
        withNumLock.numLock = true;
        EXPECT_EQ(codes(withNumLock), Codes{});
        EXPECT_TRUE(keepsTypedText(withNumLock));
    }
    EXPECT_EQ(codes(plain(Key::Keypad5)), Codes{});
}

TEST(Keys, FunctionKeysExceptF10) {
    for (int n = 0; n < 9; ++n) {
        const auto key = static_cast<Key>(static_cast<int>(Key::F1) + n);
        EXPECT_EQ(codes(plain(key)), Codes{0x3BFF + n * 256}) << "F" << n + 1;
        EXPECT_EQ(codes(shifted(key)), Codes{0x54FF + n * 256}) << "F" << n + 1;
        EXPECT_EQ(codes(ctrl(key)), Codes{0x5EFF + n * 256}) << "F" << n + 1;
    }
    EXPECT_EQ(codes(plain(Key::F9)), Codes{0x43FF});
    EXPECT_EQ(codes(ctrl(Key::F9)), Codes{0x66FF});
    EXPECT_EQ(codes(plain(Key::F10)), Codes{});
    EXPECT_EQ(codes(shifted(Key::F10)), Codes{});
    EXPECT_EQ(codes(ctrl(Key::F10)), Codes{});
    EXPECT_EQ(codes(plain(Key::F11)), Codes{0x85FF});
    EXPECT_EQ(codes(plain(Key::F12)), Codes{0x86FF});
    EXPECT_EQ(codes(shifted(Key::F11)), Codes{0x87FF});
    EXPECT_EQ(codes(shifted(Key::F12)), Codes{0x88FF});
    EXPECT_EQ(codes(ctrl(Key::F11)), Codes{0x89FF});
    EXPECT_EQ(codes(ctrl(Key::F12)), Codes{0x8AFF});
}

TEST(Keys, AltCombinationsAndOtherKeysGiveNothing) {
    for (Key key : {Key::Enter, Key::Tab, Key::Escape, Key::Home, Key::Delete, Key::F1, Key::F4,
                    Key::F12, Key::A, Key::Keypad7, Key::Backspace})
        EXPECT_EQ(codes(alt(key)), Codes{}) << static_cast<int>(key);
    EXPECT_EQ(codes(plain(Key::Other)), Codes{});
    EXPECT_EQ(codes(ctrl(Key::Other)), Codes{});
}

TEST(Keys, TypedTextIsKeptOnlyWhenThePressGaveNoCodeAndAltIsNotHeldAlone) {
    EXPECT_TRUE(keepsTypedText(plain(Key::A)));
    EXPECT_TRUE(keepsTypedText(shifted(Key::A)));
    EXPECT_TRUE(keepsTypedText(plain(Key::Other)));
    EXPECT_FALSE(keepsTypedText(ctrl(Key::A))); // Ctrl+A is 1, never also 'a'
    EXPECT_FALSE(keepsTypedText(alt(Key::A)));  // Alt+A types nothing
    EXPECT_FALSE(keepsTypedText(alt(Key::Other)));
    EXPECT_FALSE(keepsTypedText(plain(Key::Enter)));
    // Ctrl and Alt together select the layout's third level, which types characters.
    EXPECT_TRUE(keepsTypedText(KeyPress{letterKey('q'), false, true, true}));
    EXPECT_TRUE(keepsTypedText(KeyPress{Key::Other, false, true, true}));
}

} // namespace
