// The line editor: its keys on the text alone, then on the screen through inputLine.
#include "display/line_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/display.h"
#include "display/input_queue.h"
#include "tests/harness.h"

namespace {

using Kind = EditStep::Kind;

LineEdit afterKeys(const std::vector<int>& codes) {
    LineEdit line;
    for (int code : codes)
        applyKey(line, code, 80);
    return line;
}

TEST(LineEditKeys, CharactersAreInsertedAtThePoint) {
    LineEdit line = afterKeys(keys("1245") + std::vector<int>{kKeyLeft, kKeyLeft});
    const EditStep step = applyKey(line, '3', 80);
    EXPECT_EQ(line.text, "12345");
    EXPECT_EQ(line.position, 3u);
    EXPECT_EQ(step.kind, Kind::Inserted);
    EXPECT_EQ(step.from, 2u);
    EXPECT_EQ(step.count, 1u);
    EXPECT_EQ(afterKeys({32, 127, 128, 255}).text, "\x20\x7F\x80\xFF");
}

TEST(LineEditKeys, OtherKeysAreIgnored) {
    for (int code : {0, 1, 3, 7, 11, 12, 26, 31, 256, 0x0FFF, 0x3BFF, 0x49FF, 0x51FF, 0x52FF,
                     0x77FF, 0x93FF, kKeyCloseBox}) {
        LineEdit line = afterKeys(keys("ab") + std::vector<int>{kKeyLeft});
        EXPECT_EQ(applyKey(line, code, 80).kind, Kind::Ignored) << code;
        EXPECT_EQ(line.text, "ab") << code;
        EXPECT_EQ(line.position, 1u) << code;
    }
}

TEST(LineEditKeys, EnterAndCtrlEnterFinishWithoutStoring) {
    LineEdit line = afterKeys(keys("7"));
    EXPECT_EQ(applyKey(line, kKeyEnter, 80).kind, Kind::Finished);
    EXPECT_EQ(applyKey(line, kKeyLineFeed, 80).kind, Kind::Finished);
    EXPECT_EQ(line.text, "7");
}

TEST(LineEditKeys, BackspaceDeletesBeforeThePointUnlessAtZero) {
    LineEdit line = afterKeys(keys("abc") + std::vector<int>{kKeyLeft});
    const EditStep step = applyKey(line, kKeyBackspace, 80);
    EXPECT_EQ(line.text, "ac");
    EXPECT_EQ(line.position, 1u);
    EXPECT_EQ(step.kind, Kind::Deleted);
    EXPECT_EQ(step.from, 1u);
    EXPECT_EQ(step.count, 1u);
    line.position = 0;
    EXPECT_EQ(applyKey(line, kKeyBackspace, 80).kind, Kind::Ignored);
    EXPECT_EQ(line.text, "ac");
}

TEST(LineEditKeys, DeleteRemovesAtThePointAndBeepsAtTheEnd) {
    LineEdit line = afterKeys(keys("abc") + std::vector<int>{kKeyHome});
    const EditStep step = applyKey(line, kKeyDelete, 80);
    EXPECT_EQ(line.text, "bc");
    EXPECT_EQ(line.position, 0u);
    EXPECT_EQ(step.kind, Kind::Deleted);
    EXPECT_EQ(step.from, 0u);
    line.position = 2;
    EXPECT_EQ(applyKey(line, kKeyDelete, 80).kind, Kind::Beep);
    EXPECT_EQ(line.text, "bc");
}

TEST(LineEditKeys, TabInsertsBlanksToTheNextMultipleOfEight) {
    EXPECT_EQ(afterKeys({kKeyTab}).text, std::string(8, ' '));
    EXPECT_EQ(afterKeys(keys("abc") + std::vector<int>{kKeyTab, 'x'}).text, "abc     x");
    EXPECT_EQ(afterKeys(keys("abcdefgh") + std::vector<int>{kKeyTab}).text.size(), 16u);
    LineEdit line = afterKeys(keys("abcdefghij") + std::vector<int>{kKeyHome, kKeyRight});
    const EditStep step = applyKey(line, kKeyTab, 80);
    EXPECT_EQ(line.text, "a       bcdefghij"); // from position 1: 7 blanks
    EXPECT_EQ(line.position, 8u);
    EXPECT_EQ(step.from, 1u);
    EXPECT_EQ(step.count, 7u);
}

TEST(LineEditKeys, EscapeEmptiesTheLine) {
    LineEdit line = afterKeys(keys("abcd") + std::vector<int>{kKeyLeft});
    const EditStep step = applyKey(line, kKeyEscape, 80);
    EXPECT_EQ(line.text, "");
    EXPECT_EQ(line.position, 0u);
    EXPECT_EQ(step.kind, Kind::Deleted);
    EXPECT_EQ(step.from, 0u);
    EXPECT_EQ(step.count, 4u);
}

TEST(LineEditKeys, MovementStaysInsideTheText) {
    LineEdit line = afterKeys(keys("abc"));
    EXPECT_EQ(applyKey(line, kKeyRight, 80).kind, Kind::Ignored);
    EXPECT_EQ(line.position, 3u);
    applyKey(line, kKeyHome, 80);
    EXPECT_EQ(line.position, 0u);
    EXPECT_EQ(applyKey(line, kKeyLeft, 80).kind, Kind::Ignored);
    EXPECT_EQ(applyKey(line, kKeyRight, 80).kind, Kind::Moved);
    EXPECT_EQ(line.position, 1u);
    applyKey(line, kKeyEnd, 80);
    EXPECT_EQ(line.position, 3u);
}

TEST(LineEditKeys, UpAndDownMoveByOneScreenWidth) {
    LineEdit line = afterKeys(keys(std::string(100, 'x')));
    EXPECT_EQ(applyKey(line, kKeyUp, 80).kind, Kind::Moved);
    EXPECT_EQ(line.position, 20u);
    EXPECT_EQ(applyKey(line, kKeyUp, 80).kind, Kind::Ignored); // 20 < 80
    EXPECT_EQ(applyKey(line, kKeyDown, 80).kind, Kind::Moved); // 80 follow
    EXPECT_EQ(line.position, 100u);
    line.position = 21;
    EXPECT_EQ(applyKey(line, kKeyDown, 80).kind, Kind::Ignored); // only 79 follow
    line.position = 80;
    EXPECT_EQ(applyKey(line, kKeyUp, 80).kind, Kind::Moved);
    EXPECT_EQ(line.position, 0u);
}

// Types `script` into inputLine from the cursor of the screen the test has set up.
// Returns true when ENTER ended the input, false when the keys ran out while the
// editor was waiting for another one.
bool typeLine(const std::vector<int>& script, bool questionMark = true, bool lineEnd = true,
              std::string_view prompt = "") {
    memoryWindows().script.assign(script.begin(), script.end());
    try {
        inputLine(prompt, questionMark, lineEnd);
        return true;
    } catch (const KeysExhausted&) {
        return false;
    }
}

ScreenCells cells() {
    return ScreenCells::decode(screen());
}

// The one cell with the cursor mark, as {row, column}; {0, 0} when there is none.
std::pair<int, int> cursorMark() {
    const ScreenCells now = cells();
    std::pair<int, int> found{0, 0};
    int marks = 0;
    for (int row = 1; row <= kTextRows; ++row)
        for (int column = 1; column <= kTextColumns; ++column)
            if (now.cellAt(row, column).underlined) {
                found = {row, column};
                ++marks;
            }
    if (marks > 1) return {-1, marks};
    return found;
}

TEST(LineEditor, InsertingInTheMiddleShiftsTheRestAndMarksThePoint) {
    freshScreen();
    setColor(9);
    locate(5, 1);
    EXPECT_FALSE(typeLine(keys("12345") + std::vector<int>{kKeyLeft, kKeyLeft} + keys("x")));
    EXPECT_EQ(cells().rowText(5), "? 123x45");
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{5, 7}));
    EXPECT_EQ(cells().cellAt(5, 7).character, '4');
    EXPECT_EQ(cells().cellAt(5, 6).colour, 9);
    EXPECT_EQ(screen().pixels[(5 * 16 - 1) * 640 + 6 * 8], 9); // the mark in the current colour
}

TEST(LineEditor, DeletingInTheMiddleClosesTheGapAndBlanksFreedCells) {
    freshScreen();
    locate(5, 1);
    EXPECT_FALSE(typeLine(keys("123456") + std::vector<int>{kKeyHome, kKeyRight, kKeyDelete,
                                                            kKeyRight, kKeyBackspace}));
    EXPECT_EQ(cells().rowText(5), "? 1456");
    EXPECT_EQ(cells().cellAt(5, 9).kind, Cell::Kind::Empty);
    EXPECT_EQ(cells().cellAt(5, 10).kind, Cell::Kind::Empty);
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{5, 4}));
}

TEST(LineEditor, EscapeBlanksTheLineAndStartsAgainWhereItBegan) {
    freshScreen();
    locate(5, 1);
    EXPECT_TRUE(typeLine(keys("123") + std::vector<int>{kKeyLeft, kKeyEscape} + keys("7\n")));
    EXPECT_EQ(cells().rowText(5), "? 7");
    float value = -1;
    readSingle(value);
    EXPECT_EQ(value, 7.0f);

    locate(5, 1);
    EXPECT_FALSE(typeLine(keys("4567") + std::vector<int>{kKeyEscape}));
    EXPECT_EQ(cells().rowText(5), "?");
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{5, 3}));
}

TEST(LineEditor, DeleteAtTheEndBeepsAndChangesNothing) {
    freshScreen();
    locate(5, 1);
    EXPECT_TRUE(typeLine(keys("12") + std::vector<int>{kKeyDelete} + keys("\n")));
    EXPECT_EQ(memoryWindows().beeps, 1);
    EXPECT_EQ(cells().rowText(5), "? 12");
    float value = 0;
    readSingle(value);
    EXPECT_EQ(value, 12.0f);
}

TEST(LineEditor, BackspaceAtTheStartDoesNothing) {
    freshScreen();
    locate(5, 1);
    EXPECT_TRUE(typeLine(keys("12") + std::vector<int>{kKeyHome, kKeyBackspace} + keys("\n")));
    EXPECT_EQ(cells().rowText(5), "? 12");
    EXPECT_EQ(memoryWindows().beeps, 0);
    std::uint8_t value = 0;
    readByte(value);
    EXPECT_EQ(value, 12);
}

TEST(LineEditor, TabShowsBlanksUpToTheNextStop) {
    freshScreen();
    locate(5, 1);
    EXPECT_FALSE(typeLine(keys("1\tx")));
    EXPECT_EQ(cells().rowText(5), "? 1       x");
}

TEST(LineEditor, CloseBoxCodeLeavesTheLineOpen) {
    freshScreen();
    locate(5, 1);
    EXPECT_FALSE(typeLine(keys("1") + std::vector<int>{kKeyCloseBox}));
    EXPECT_EQ(cells().rowText(5), "? 1");
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{5, 4}));
}

TEST(LineEditor, LineEndFlagDecidesWhereTheCursorEnds) {
    freshScreen();
    locate(5, 10);
    EXPECT_TRUE(typeLine(keys("123") + std::vector<int>{kKeyLeft, kKeyLeft} + keys("\n")));
    EXPECT_EQ(screen().row, 5); // row 6, column 1
    EXPECT_EQ(screen().column, 0);
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{0, 0})); // the mark is gone

    locate(8, 10);
    EXPECT_TRUE(typeLine(keys("123") + std::vector<int>{kKeyHome} + keys("\n"), false, false));
    EXPECT_EQ(screen().row, 7); // behind the text: row 8, column 13
    EXPECT_EQ(screen().column, 12);
    EXPECT_EQ(cells().rowText(8), std::string(9, ' ') + "123");
}

TEST(LineEditor, PromptAndQuestionMarkComeFirst) {
    freshScreen();
    locate(3, 4);
    EXPECT_FALSE(typeLine(keys("5"), true, true, "Zadej"));
    EXPECT_EQ(cells().rowText(3), "   Zadej? 5");
    locate(4, 1);
    EXPECT_FALSE(typeLine(keys("6"), false, true, "Bez otazniku "));
    EXPECT_EQ(cells().rowText(4), "Bez otazniku 6");
}

TEST(LineEditor, PendingScrollIsCarriedOutBeforeTheLine) {
    freshScreen();
    locate(30, 1);
    printText(std::string(80, 'x'), false);
    EXPECT_FALSE(typeLine(keys("7")));
    EXPECT_EQ(cells().rowText(29), std::string(80, 'x'));
    EXPECT_EQ(cells().rowText(30), "? 7");
}

TEST(LineEditor, TypingPastColumn80ContinuesOnTheNextRow) {
    freshScreen();
    locate(5, 1);
    const std::string digits = std::string(78, '1') + "23";
    EXPECT_FALSE(typeLine(keys(digits)));
    EXPECT_EQ(cells().rowText(5), "? " + std::string(78, '1'));
    EXPECT_EQ(cells().rowText(6), "23");
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{6, 3}));
    // Left three times crosses back over the row end; the insertion shows on both rows.
    freshScreen();
    locate(5, 1);
    EXPECT_FALSE(
        typeLine(keys(digits) + std::vector<int>{kKeyLeft, kKeyLeft, kKeyLeft} + keys("X")));
    EXPECT_EQ(cells().rowText(5), "? " + std::string(77, '1') + "X");
    EXPECT_EQ(cells().rowText(6), "123");
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{6, 1}));
}

TEST(LineEditor, UpAndDownMoveTheMarkOneRow) {
    freshScreen();
    locate(5, 1);
    EXPECT_FALSE(typeLine(keys(std::string(100, 'a')) + std::vector<int>{kKeyUp} + keys("U")));
    EXPECT_EQ(cells().cellAt(5, 23).character, 'U'); // position 20, column 3 + 20
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{5, 24}));
    freshScreen();
    locate(5, 1);
    EXPECT_FALSE(
        typeLine(keys(std::string(100, 'a')) + std::vector<int>{kKeyUp, kKeyDown} + keys("D")));
    EXPECT_EQ(cells().rowText(6), std::string(22, 'a') + "D");
}

TEST(LineEditor, TypingPastTheBottomRowScrollsAndTheLineFollows) {
    freshScreen();
    locate(10, 1);
    printText("marker", false);
    locate(29, 1);
    // From row 29, column 3: 200 characters reach row 31, so the screen scrolls by one.
    std::string typed;
    for (int i = 0; i < 200; ++i)
        typed.push_back(static_cast<char>('a' + i % 26));
    EXPECT_FALSE(typeLine(keys(typed) + std::vector<int>{kKeyHome} + keys("X")));
    EXPECT_EQ(cells().rowText(9), "marker");
    EXPECT_EQ(cells().rowText(10), "");
    const std::string shown = "? X" + typed;
    EXPECT_EQ(cells().rowText(28), shown.substr(0, 80));
    EXPECT_EQ(cells().rowText(29), shown.substr(80, 80));
    EXPECT_EQ(cells().rowText(30), shown.substr(160));
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{28, 4}));
}

TEST(LineEditor, InsertionThatPushesTheTextPastTheBottomScrollsTheLineUp) {
    freshScreen();
    locate(30, 1);
    // 79 characters end in column 79 of row 30; two insertions at the front push the
    // last one into column 80 (no scroll yet), then into the row below (one scroll).
    EXPECT_FALSE(typeLine(keys(std::string(79, 'a')) + std::vector<int>{kKeyHome} + keys("XY"),
                          false, false));
    EXPECT_EQ(cells().rowText(29), "XY" + std::string(78, 'a'));
    EXPECT_EQ(cells().rowText(30), "a");
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{29, 3}));
}

TEST(LineEditor, QuestionMarkEndingInTheLastCellStartsTheLineBelow) {
    freshScreen();
    locate(30, 79);
    EXPECT_FALSE(typeLine(keys("7")));
    EXPECT_EQ(cells().rowText(29), std::string(78, ' ') + "?");
    EXPECT_EQ(cells().rowText(30), "7");
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{30, 2}));
}

TEST(LineEditor, TextEndingInTheLastCellScrollsForTheMark) {
    freshScreen();
    locate(30, 1);
    // "? " and 78 characters fill row 30; the insertion point goes below it, so a
    // line end scrolls the screen and the mark stands in column 1 of row 30.
    EXPECT_FALSE(typeLine(keys(std::string(78, 'z'))));
    EXPECT_EQ(cells().rowText(29), "? " + std::string(78, 'z'));
    EXPECT_EQ(cells().rowText(30), "");
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{30, 1}));
    // Left goes back to the last cell of row 29.
    EXPECT_FALSE(typeLine(keys(std::string(78, 'z')) + std::vector<int>{kKeyLeft}));
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{29, 80}));
}

TEST(LineEditor, LineEndAfterTextInTheLastCell) {
    freshScreen();
    locate(30, 1);
    printText("above", false);
    locate(30, 1);
    EXPECT_TRUE(typeLine(keys(std::string(80, 'q')) + std::vector<int>{kKeyHome} + keys("\n"),
                         false, true));
    // Going to the end scrolls once, the line end once more.
    EXPECT_EQ(cells().rowText(28), std::string(80, 'q'));
    EXPECT_EQ(cells().rowText(29), "");
    EXPECT_EQ(screen().row, 29);
    EXPECT_EQ(screen().column, 0);
}

TEST(LineEditor, LineLongerThanTheScreenKeepsItsVisiblePartRight) {
    freshScreen();
    locate(30, 1);
    std::string typed;
    for (int i = 0; i < 2500; ++i)
        typed.push_back(static_cast<char>('a' + i % 23));
    EXPECT_FALSE(typeLine(keys(typed), false, false));
    // The end is in row 30, column 21; row r shows positions 80(r - 30) + 2480 on.
    for (int row = 1; row <= 30; ++row) {
        const std::size_t from = static_cast<std::size_t>(2480 - 80 * (30 - row));
        EXPECT_EQ(cells().rowText(row), typed.substr(from, 80)) << row;
    }
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{30, 21}));
    // Home goes above the top: the line comes down until its beginning is on row 1, with
    // the mark there, and an insertion shows at once.
    freshScreen();
    locate(30, 1);
    EXPECT_FALSE(typeLine(keys(typed) + std::vector<int>{kKeyHome}, false, false));
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{1, 1}));
    freshScreen();
    locate(30, 1);
    EXPECT_FALSE(typeLine(keys(typed) + std::vector<int>{kKeyHome} + keys("X"), false, false));
    const std::string changed = "X" + typed;
    for (int row = 1; row <= 30; ++row)
        EXPECT_EQ(cells().rowText(row), changed.substr(80 * (row - 1), 80)) << row;
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{1, 2}));
    // End goes below the bottom: the screen scrolls up and the rows that come up show
    // the end of the line.
    freshScreen();
    locate(30, 1);
    EXPECT_FALSE(typeLine(keys(typed) + std::vector<int>{kKeyHome, 'X', kKeyEnd}, false, false));
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{30, 22}));
    for (int row = 1; row <= 30; ++row) {
        const std::size_t from = static_cast<std::size_t>(2481 - 80 * (30 - row));
        EXPECT_EQ(cells().rowText(row), changed.substr(from - 1, 80)) << row;
    }
}

TEST(LineEditor, EscapeOnALineLongerThanTheScreenStartsAgainOnTheTopRow) {
    // 2500 characters from row 28, column 3: the beginning has scrolled off the top.
    // Esc empties the line; the line starts again in column 3 of row 1, so that what is
    // typed next shows, with the mark behind it.
    freshScreen();
    locate(28, 3);
    EXPECT_FALSE(typeLine(keys(std::string(2500, 'x')) + std::vector<int>{kKeyEscape} + keys("57"),
                          false, false));
    EXPECT_EQ(cells().rowText(1), "  57");
    for (int row = 2; row <= 30; ++row)
        EXPECT_EQ(cells().rowText(row), "") << row;
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{1, 5}));
}

TEST(LineEditor, CharacterCode255IsShownAsABlankCell) {
    freshScreen();
    locate(5, 1);
    printText("AB", false);
    locate(5, 1);
    // Typed over nothing it shows blank; moving away leaves no stray underline.
    EXPECT_FALSE(typeLine({255, 'x', kKeyLeft, kKeyLeft, 'y'}, false, false));
    EXPECT_EQ(cursorMark(), (std::pair<int, int>{5, 2}));
    EXPECT_EQ(cells().cellAt(5, 2).character, ' ');
    EXPECT_EQ(cells().rowText(5), "y x");
}

TEST(LineEditor, KeysTypedAheadAreTakenInOrder) {
    freshScreen();
    locate(5, 1);
    for (int code : keys("42"))
        input().postKey(code);
    EXPECT_TRUE(typeLine(keys("\n")));
    std::uint8_t value = 0;
    readByte(value);
    EXPECT_EQ(value, 42);
}

TEST(LineInput, OnlyTheFirstItemCountsAndTheNextLineStartsAfresh) {
    freshScreen();
    locate(5, 1);
    EXPECT_TRUE(typeLine(keys("12 34\n")));
    float value = 0;
    readSingle(value);
    EXPECT_EQ(value, 12.0f);
    EXPECT_TRUE(typeLine(keys("\n")));
    readSingle(value);
    EXPECT_EQ(value, 0.0f);
    EXPECT_TRUE(typeLine(keys("2,5\n")));
    std::uint8_t byte = 9;
    readByte(byte);
    EXPECT_EQ(byte, 2);
}

} // namespace
