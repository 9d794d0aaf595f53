// The inputs kept in tests/fuzz/corpus/, each through the check of its fuzz target, in
// the ordinary build and under the sanitizers; how fuzz inputs become editor sessions;
// and the checks on a few typical sessions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "display/line_editor.h"
#include "display/screen.h"
#include "tests/fuzz_checks.h"

namespace {

std::vector<std::filesystem::path> corpus(const std::string& target) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(TABLOX_FUZZ_CORPUS) / target))
        files.push_back(entry.path());
    return files;
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzCorpus, TypedLinesPassTheirChecks) {
    const auto files = corpus("typed_line");
    EXPECT_GE(files.size(), 10u);
    for (const auto& file : files) {
        const Problem problem = checkTypedLine(contents(file));
        EXPECT_FALSE(problem) << file << ": " << *problem;
    }
}

TEST(FuzzCorpus, EditorSessionsPassTheirChecks) {
    const auto files = corpus("line_editor");
    EXPECT_GE(files.size(), 5u);
    for (const auto& file : files) {
        const EditorSession session = editorSessionFromBytes(contents(file));
        const Problem problem = checkEditorSession(session.start, session.keys);
        EXPECT_FALSE(problem) << file << ": " << *problem;
    }
}

TEST(FuzzCorpus, TerminalBytesPassTheirChecks) {
    const auto files = corpus("terminal_keys");
    EXPECT_GE(files.size(), 5u);
    for (const auto& file : files) {
        const Problem problem = checkTerminalBytes(contents(file));
        EXPECT_FALSE(problem) << file << ": " << *problem;
    }
}

TEST(FuzzInputs, BytesBecomeTheEditorStartAndKeys) {
    // Flags: question mark, colour 11; row 28, column 1; then keys of every kind.
    const std::string bytes = std::string("\xB1\x1B\x00", 3) + "7\xE0\xE7" +
                              "\xF0\x1F\xF1\x6B\xFF\xF3\x01" + "9" + "\xF2\xFF\xFF\xFF\xFE";
    const EditorSession session = editorSessionFromBytes(bytes);
    EXPECT_TRUE(session.start.questionMark);
    EXPECT_FALSE(session.start.pendingScroll);
    EXPECT_EQ(session.start.colour, 11);
    EXPECT_EQ(session.start.row, 28);
    EXPECT_EQ(session.start.column, 1);
    std::vector<int> expected = {'7', kKeyHome, 0x6BFF, 0xFF, 0x6BFF};
    expected.insert(expected.end(), 16, '9');
    expected.push_back(-2);
    EXPECT_EQ(session.keys, expected);
}

TEST(FuzzInputs, LongSessionsAreCutWhereTheirDrawingGetsExpensive) {
    // 4096 characters, then Home and characters typed at the start of the long line:
    // each of those redraws a screenful, so the session ends after a few of them.
    const std::string bytes =
        std::string("\x00\x00\x00\xF4\x0F\x61\xE0", 7) + std::string(200, 'b');
    const EditorSession session = editorSessionFromBytes(bytes);
    ASSERT_GT(session.keys.size(), 4097u);
    EXPECT_LT(session.keys.size(), 4097u + 200u);
    EXPECT_EQ(session.keys[4096], kKeyHome);
}

TEST(FuzzChecks, TypedLineCheckPassesNumbersAndText) {
    for (const char* line : {"12", "2.5e3 x", "&H1F", "\"1 2\",3", "-7.5", "abc,,def"})
        EXPECT_FALSE(checkTypedLine(line)) << line;
}

TEST(FuzzChecks, EditorCheckFollowsScrollingAndLongLines) {
    EditorStart bottom;
    bottom.row = 30;
    bottom.column = 75;
    bottom.questionMark = true;
    bottom.colour = 12;
    std::vector<int> keys(3000, 'x');
    keys.insert(keys.end(), {kKeyHome, 'a', kKeyEnd, kKeyBackspace, kKeyUp, kKeyDelete});
    EXPECT_FALSE(checkEditorSession(bottom, keys));
    EditorStart pending;
    pending.pendingScroll = true;
    EXPECT_FALSE(checkEditorSession(pending, {'1', '2', kKeyLeft, kKeyDelete, kKeyCloseBox}));
}

TEST(FuzzChecks, EditorCheckFollowsTheLineBackOntoTheScreen) {
    // A line longer than the screen, emptied with Esc or left with Home: the line comes
    // back down to the top row, and the screen is drawn afresh.
    EditorStart start;
    start.row = 28;
    start.column = 3;
    std::vector<int> keys(2500, 'x');
    keys.insert(keys.end(), {kKeyEscape, '5', '7'});
    EXPECT_FALSE(checkEditorSession(start, keys));
    keys.resize(2500);
    keys.insert(keys.end(), {kKeyHome, 'X', kKeyDown, kKeyEnd, kKeyUp, kKeyUp, 'Y', kKeyHome});
    EXPECT_FALSE(checkEditorSession(start, keys));
    // Shortened to less than a screen, its beginning still above the top, and Home just
    // before ENTER: the line comes down before the cursor goes behind its end (found by
    // fuzzing, tests/fuzz/corpus/line_editor/keys11, where the check had missed it).
    keys.resize(2500);
    keys.insert(keys.end(), 800, kKeyBackspace);
    keys.push_back(kKeyHome);
    EXPECT_FALSE(checkEditorSession(start, keys));
}

} // namespace
