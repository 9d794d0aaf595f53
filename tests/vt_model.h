// A model of a terminal that understands exactly the escape sequences the terminal back
// end may write, and notes every other control byte or sequence as a fault. Tests feed
// it what the back end wrote and read the characters, colours and modes back.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct VtCell {
    char32_t character = U' ';
    std::string foreground = "default"; // "default", an SGR number ("94") or "r,g,b"
    std::string background = "default";
    bool underlined = false;
};

class VtModel {
  public:
    VtModel(int columns, int rows);
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
    void control(unsigned char byte);
    void sequence(const std::string& parameters, char final);
    void put(char32_t ch);
    std::vector<VtCell>& grid() { return alternateScreen ? alternate_ : main_; }
    const std::vector<VtCell>& grid() const { return alternateScreen ? alternate_ : main_; }

    int columns_, rows_;
    std::vector<VtCell> main_, alternate_;
    VtCell pen_;               // the attributes of the next character
    int row_ = 0, column_ = 0; // 0-based
    bool wrapPending_ = false;
    enum class State { Ground, Escape, Csi } state_ = State::Ground;
    std::string parameters_;
    char32_t utf8_ = 0;
    int utf8Remaining_ = 0;
};
