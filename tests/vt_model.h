// A model of a terminal that understands exactly the sequences its terminfo entry
// defines (and, where COLORTERM announces them, the RGB colour sequences), and notes
// every other control byte or sequence, and every character the terminal cannot show,
// as a fault. Tests feed it what the back end wrote and read the characters, colours
// and modes back.
#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

struct VtCell {
    char32_t character = U' ';
    std::string foreground = "default"; // "default", a terminfo colour number or "r,g,b"
    std::string background = "default";
    bool underlined = false;
    bool bold = false;
    bool reversed = false;
};

// What the modelled terminal is.
struct VtTerminal {
    std::string term = "xterm-256color";
    bool trueColour = true; // takes the RGB colour sequences
    // The characters it shows: all, those of a Linux console font, or 7-bit ASCII.
    enum class Characters { Unicode, LinuxConsole, Ascii } characters = Characters::Unicode;
};

class VtModel {
  public:
    VtModel(int columns, int rows, const VtTerminal& terminal = {});
    void feed(std::string_view bytes);
    void resize(int columns, int rows);

    // row 1..rows, column 1..columns, of the screen in use.
    const VtCell& cellAt(int row, int column) const;
    // The characters of one row in UTF-8, without trailing blanks.
    std::string rowText(int row) const;
    std::string text() const;
    int columns() const { return columns_; }
    int rows() const { return rows_; }

    bool alternateScreen = false;
    bool cursorHidden = false;
    int bells = 0;
    std::vector<std::string> faults; // what this terminal would not have understood

  private:
    enum class Action {
        Move,
        Clear,
        EnterAlternate,
        LeaveAlternate,
        HideCursor,
        ShowCursor,
        AttributesOff,
        UnderlineOn,
        UnderlineOff,
        Bold,
        Reverse,
        Foreground,
        Background,
        Bell
    };
    struct Sequence {
        Action action;
        int first = 0, second = 0;
    };
    void learn(const std::string& bytes, Sequence sequence);
    void character(unsigned char byte);
    void resolvePending();
    bool trueColourSequence(const std::string& bytes, bool complete);
    void apply(const Sequence& sequence);
    void put(char32_t ch);
    std::vector<VtCell>& grid() { return alternateScreen ? alternate_ : main_; }
    const std::vector<VtCell>& grid() const { return alternateScreen ? alternate_ : main_; }

    VtTerminal terminal_;
    int columns_, rows_;
    std::vector<VtCell> main_, alternate_;
    VtCell pen_;               // the attributes of the next character
    int row_ = 0, column_ = 0; // 0-based
    bool wrapPending_ = false;
    std::map<std::string, Sequence> sequences_;
    std::set<std::string> prefixes_; // the beginnings of longer sequences
    std::string pending_;            // bytes of a sequence not yet complete
    char32_t utf8_ = 0;
    int utf8Remaining_ = 0;
};
