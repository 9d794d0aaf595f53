#include "display/backends/terminal/terminal_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int ext(int scan) {
    return scan * 256 + 255;
}

// Feeds the bytes one at a time, as a slow line would deliver them, and then lets the
// Esc wait run out. Checks that feeding them all at once gives the same codes.
std::vector<int> typed(std::string_view bytes) {
    TerminalKeyDecoder byByte;
    std::vector<int> codes;
    for (char ch : bytes)
        byByte.feed(std::string_view(&ch, 1), codes);
    byByte.timeout(codes);
    EXPECT_FALSE(byByte.pending());

    TerminalKeyDecoder whole;
    std::vector<int> wholeCodes;
    whole.feed(bytes, wholeCodes);
    whole.timeout(wholeCodes);
    EXPECT_EQ(codes, wholeCodes) << "fed at once: " << bytes;
    return codes;
}

using Codes = std::vector<int>;

TEST(TerminalKeys, PrintableAndControlBytes) {
    EXPECT_EQ(typed("12"), (Codes{'1', '2'}));
    EXPECT_EQ(typed("a Z~"), (Codes{'a', ' ', 'Z', '~'}));
    EXPECT_EQ(typed("\r"), Codes{13});
    EXPECT_EQ(typed("\n"), Codes{10}); // Ctrl+Enter and Ctrl+J
    EXPECT_EQ(typed("\x7f"), Codes{8});
    EXPECT_EQ(typed("\x08"), Codes{8});
    EXPECT_EQ(typed("\t"), Codes{9});
    EXPECT_EQ(typed("\x01\x03\x1a"), (Codes{1, 3, 26})); // Ctrl+A, Ctrl+C, Ctrl+Z
    EXPECT_EQ(typed(std::string(1, '\0')), Codes{});
}

TEST(TerminalKeys, Utf8CharactersBecomeCodePage437) {
    EXPECT_EQ(typed("\xc3\xa1"), Codes{160});         // a with acute
    EXPECT_EQ(typed("\xc3\xa9x"), (Codes{130, 'x'})); // e with acute, then x
    EXPECT_EQ(typed("\xe2\x96\x91"), Codes{176});     // light shade
    EXPECT_EQ(typed("\xc2\xb0"), Codes{248});         // degree sign
    // Characters without a code are dropped, and so is every malformed byte.
    EXPECT_EQ(typed("\xe2\x82\xac"), Codes{}); // euro sign
    EXPECT_EQ(typed("\xf0\x9f\x98\x80"
                    "1"),
              Codes{'1'}); // emoji
    EXPECT_EQ(typed("\xc3"
                    "1"),
              Codes{'1'}); // cut short
    EXPECT_EQ(typed("\x80\xbf\xff"
                    "2"),
              Codes{'2'});                     // stray bytes
    EXPECT_EQ(typed("\xc0\xb1"), Codes{});     // overlong '1'
    EXPECT_EQ(typed("\xed\xa0\x80"), Codes{}); // surrogate
    // A character that the font shows in place of a control code is not that code.
    EXPECT_EQ(typed("\xe2\x98\xba"), Codes{}); // smiling face, glyph 1
    EXPECT_EQ(typed("\xc2\x9b"
                    "A"),
              Codes{'A'}); // C1 control, not a sequence start
}

TEST(TerminalKeys, LoneEscapeNeedsTheWaitToRunOut) {
    TerminalKeyDecoder decoder;
    std::vector<int> codes;
    decoder.feed("\x1b", codes);
    EXPECT_TRUE(codes.empty());
    EXPECT_TRUE(decoder.pending());
    decoder.timeout(codes);
    EXPECT_EQ(codes, Codes{27});
    EXPECT_FALSE(decoder.pending());
    // A timeout with nothing waiting gives nothing.
    decoder.timeout(codes);
    EXPECT_EQ(codes, Codes{27});
    // Esc pressed twice in a row gives two Escs.
    EXPECT_EQ(typed("\x1b\x1b"), (Codes{27, 27}));
    // Esc before a character is Alt with that key, which gives no code.
    EXPECT_EQ(typed("\x1bx1"), Codes{'1'});
    EXPECT_EQ(typed("\x1b\xc3\xa1"
                    "1"),
              Codes{'1'});
}

TEST(TerminalKeys, SequenceCutShortByTheWaitIsDropped) {
    TerminalKeyDecoder decoder;
    std::vector<int> codes;
    decoder.feed("\x1b[1;", codes);
    EXPECT_TRUE(decoder.pending());
    decoder.timeout(codes);
    EXPECT_TRUE(codes.empty());
    decoder.feed("5D", codes); // the rest arriving late is plain typing
    EXPECT_EQ(codes, (Codes{'5', 'D'}));
}

TEST(TerminalKeys, XtermCursorKeys) {
    EXPECT_EQ(typed("\x1b[A\x1b[B\x1b[C\x1b[D"),
              (Codes{ext(0x48), ext(0x50), ext(0x4D), ext(0x4B)}));
    EXPECT_EQ(typed("\x1b[H\x1b[F"), (Codes{ext(0x47), ext(0x4F)}));
    // Application cursor mode sends them after SS3.
    EXPECT_EQ(typed("\x1bOA\x1bOD\x1bOH\x1bOF"),
              (Codes{ext(0x48), ext(0x4B), ext(0x47), ext(0x4F)}));
    // Shift gives the plain code, Ctrl its own; Ctrl+Shift counts as Ctrl.
    EXPECT_EQ(typed("\x1b[1;2D"), Codes{ext(0x4B)});
    EXPECT_EQ(typed("\x1b[1;5D"), Codes{0x73FF});
    EXPECT_EQ(typed("\x1b[1;5C\x1b[1;5A\x1b[1;5B"), (Codes{0x74FF, 0x8DFF, 0x91FF}));
    EXPECT_EQ(typed("\x1b[1;5H\x1b[1;5F"), (Codes{0x77FF, 0x75FF}));
    EXPECT_EQ(typed("\x1b[1;6D"), Codes{0x73FF});
    // Alt and Meta combinations give nothing.
    EXPECT_EQ(typed("\x1b[1;3D\x1b[1;9D\x1b[1;7A"), Codes{});
}

TEST(TerminalKeys, Vt220EditingKeys) {
    EXPECT_EQ(typed("\x1b[2~\x1b[3~"), (Codes{ext(0x52), 0x53FF}));
    EXPECT_EQ(typed("\x1b[5~\x1b[6~"), (Codes{ext(0x49), ext(0x51)}));
    EXPECT_EQ(typed("\x1b[1~\x1b[4~\x1b[7~\x1b[8~"),
              (Codes{ext(0x47), ext(0x4F), ext(0x47), ext(0x4F)}));
    EXPECT_EQ(typed("\x1b[3;2~"), Codes{0x53FF});
    EXPECT_EQ(typed("\x1b[3;5~\x1b[2;5~"), (Codes{0x93FF, 0x92FF}));
    EXPECT_EQ(typed("\x1b[5;5~\x1b[6;5~"), (Codes{0x84FF, 0x76FF}));
    EXPECT_EQ(typed("\x1b[3;3~"), Codes{});
}

TEST(TerminalKeys, FunctionKeys) {
    EXPECT_EQ(typed("\x1bOP\x1bOQ\x1bOR\x1bOS"), (Codes{0x3BFF, 0x3CFF, 0x3DFF, 0x3EFF}));
    EXPECT_EQ(typed("\x1b[11~\x1b[15~\x1b[17~\x1b[20~"), (Codes{0x3BFF, 0x3FFF, 0x40FF, 0x43FF}));
    EXPECT_EQ(typed("\x1b[21~"), Codes{}); // F10 gives no code
    EXPECT_EQ(typed("\x1b[23~\x1b[24~"), (Codes{0x85FF, 0x86FF}));
    // Modifiers, in the forms of xterm and of older terminals.
    EXPECT_EQ(typed("\x1b[1;2P"), Codes{0x54FF});
    EXPECT_EQ(typed("\x1b[1;5P"), Codes{0x5EFF});
    EXPECT_EQ(typed("\x1bO2P\x1bO5S"), (Codes{0x54FF, 0x61FF}));
    EXPECT_EQ(typed("\x1b[20;2~\x1b[20;5~"), (Codes{0x5CFF, 0x66FF}));
    EXPECT_EQ(typed("\x1b[23;2~\x1b[24;2~\x1b[23;5~\x1b[24;5~"),
              (Codes{0x87FF, 0x88FF, 0x89FF, 0x8AFF}));
}

TEST(TerminalKeys, LinuxConsoleFunctionKeys) {
    EXPECT_EQ(typed("\x1b[[A\x1b[[B\x1b[[C\x1b[[D\x1b[[E"),
              (Codes{0x3BFF, 0x3CFF, 0x3DFF, 0x3EFF, 0x3FFF}));
    EXPECT_EQ(typed("\x1b[[Z1"), Codes{'1'});
}

TEST(TerminalKeys, ShiftTabAndKeypad) {
    EXPECT_EQ(typed("\x1b[Z"), (Codes{0x0FFF, 9}));
    EXPECT_EQ(typed("\x1bOM\x1bOp\x1bOy\x1bOk"), (Codes{13, '0', '9', '+'}));
    EXPECT_EQ(typed("\x1b[E\x1b[G"), Codes{}); // keypad 5 without Num Lock
}

TEST(TerminalKeys, UnknownSequencesAreIgnoredWhole) {
    EXPECT_EQ(typed("\x1b[99~1"), Codes{'1'});
    EXPECT_EQ(typed("\x1b[?1;2c2"), Codes{'2'});    // a device report
    EXPECT_EQ(typed("\x1b[<0;12;5M3"), Codes{'3'}); // a mouse report
    EXPECT_EQ(typed("\x1b[200~4"), Codes{'4'});     // paste start
    EXPECT_EQ(typed("\x1b[1;2;3D5"), Codes{'5'});   // too many numbers
    EXPECT_EQ(typed("\x1b[2A6"), Codes{'6'});       // a count, not a key
    EXPECT_EQ(typed("\x1b[99999999999999999999~7"), Codes{'7'});
    EXPECT_EQ(typed("\x1b[" + std::string(40, '1') + "~8"), Codes{'8'});
    EXPECT_EQ(typed("\x1bOz9"), Codes{'9'});
}

TEST(TerminalKeys, ControlByteBreaksASequenceAndCounts) {
    EXPECT_EQ(typed("\x1b[1\r"), Codes{13});
    EXPECT_EQ(typed("\x1b[1;\x1b[D"), Codes{0x4BFF});
    EXPECT_EQ(typed("\x1b[" + std::string(40, '1') + "\r"), Codes{13});
}

} // namespace
