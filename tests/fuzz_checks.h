// What the fuzz targets of tests/fuzz/ check on every input, and what the unit tests
// replay on the inputs kept in tests/fuzz/corpus/. Each check runs the real code and
// returns what went wrong, or nothing when all held.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using Problem = std::optional<std::string>;

// The bytes as a typed line: every item that the scanner finds in it, each converted as
// readSingle and readByte convert it, against the scanner's rules and against the
// standard library's reading of plain numbers.
Problem checkTypedLine(std::string_view line);

// Where the line editor starts: the cursor and colour that the calling screen left.
struct EditorStart {
    int row = 1;                // 1..30
    int column = 1;             // 1..80
    bool pendingScroll = false; // a character has just filled the bottom right cell
    bool questionMark = false;  // "? " is printed before the line, as inputLine does
    int colour = 15;
};

// Types `keys` and then ENTER into the real line editor on a fresh in-memory screen, and
// checks the returned text against the key table and the whole screen against where
// the line must stand: its characters in its cells, blanks after it, and everything
// before it as it was, moved up by the rows the line scrolled.
Problem checkEditorSession(const EditorStart& start, const std::vector<int>& keys);

// A fuzz input as the start and keys of an editor session: the first three bytes give
// the start, the rest the keys (see the decoder for the codes of extended keys, any
// key code, and long runs of one character).
struct EditorSession {
    EditorStart start;
    std::vector<int> keys;
};
EditorSession editorSessionFromBytes(std::string_view bytes);

// The bytes as what a terminal sends, once whole and once in pieces that the bytes
// choose: the same key codes either way, every code a valid one, and a decoder that
// takes plain keys again after a wait.
Problem checkTerminalBytes(std::string_view bytes);
