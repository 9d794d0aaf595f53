// The graphics screen: frame buffer, changed-row marks, palette and drawing state, the
// key buffer, and the one recursive lock that the program's thread and the window
// thread share. Used by the display operations and by the window back ends.
#pragma once
#include <array>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string_view>

#include "display/wakeup.h"

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kTextColumns = 80;
constexpr int kTextRows = 30;
constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;

struct Rgb {
    std::uint8_t r, g, b;
};
using Palette = std::array<Rgb, 16>;
extern const Palette kDefaultPalette;

// What one text cell shows, kept beside its pixels by the operations that paint them:
// the text output writes the character it draws, the cursor mark sets the underline,
// and lines, boxes and circles mark the cells they draw in.
struct Cell {
    enum class Kind : std::uint8_t { Empty, Text, Pixels };
    Kind kind = Kind::Empty;      // Pixels: drawing pixels lie in the cell
    std::uint8_t character = ' '; // code page 437; ' ' unless the cell holds text
    std::uint8_t colour = 0;      // of the character and of its underline
    bool underlined = false;      // the line editor's cursor mark under the character
};

struct Screen {
    std::array<std::uint8_t, kScreenWidth * kScreenHeight> pixels{};
    std::array<Cell, kTextColumns * kTextRows> cells{};
    std::array<bool, kScreenHeight> rowChanged{};
    Palette palette = kDefaultPalette;
    std::uint8_t foreground = 15;
    std::uint8_t background = 0;
    int row = 0;    // text cursor, 0-based
    int column = 0; // 0-based
    bool pendingScroll = false;
    int scrollTop = 0;     // first text row of the scrolling region, 0-based
    int scrollBottom = 29; // last text row of the scrolling region, 0-based

    std::uint8_t* rowPixels(int y) { return &pixels[static_cast<std::size_t>(y) * kScreenWidth]; }
    const std::uint8_t* rowPixels(int y) const {
        return &pixels[static_cast<std::size_t>(y) * kScreenWidth];
    }
    void markRows(int firstY, int lastY);

    Cell& cell(int row, int column) { // 0-based
        return cells[static_cast<std::size_t>(row * kTextColumns + column)];
    }
    const Cell& cell(int row, int column) const {
        return cells[static_cast<std::size_t>(row * kTextColumns + column)];
    }
    // The cells of pixel row y from x = firstX to lastX now hold drawing pixels.
    void markDrawing(int y, int firstX, int lastX) {
        Cell* row = &cells[static_cast<unsigned>(y) / kCellHeight * kTextColumns];
        for (unsigned column = static_cast<unsigned>(firstX) / kCellWidth;
             column <= static_cast<unsigned>(lastX) / kCellWidth; ++column)
            row[column] = Cell{Cell::Kind::Pixels};
    }
    // The colour most pixels of the cell have, leaving out the background; the
    // background when all of them have it.
    std::uint8_t commonestColour(int row, int column) const;
    bool anyRowChanged() const;
};

// A ring of 16 key codes; when full, writing drops the oldest (15 can wait).
class KeyBuffer {
  public:
    // Also raises written(), so that a wait for a key ends.
    void write(int code);
    bool waiting() const { return readPos_ != writePos_; }
    int take(); // the oldest code, or 0 when none waits
    void clear() { readPos_ = writePos_ = 0; }
    // Raised by every write; the line editor waits for it.
    const Wakeup& written() const { return written_; }

  private:
    std::array<int, 16> codes_{};
    int readPos_ = 0;
    int writePos_ = 0;
    Wakeup written_;
};

// The one recursive screen lock. The end of a display operation is the release of its
// outermost hold. The window is asked to show the rows marked so far (windowShowChanges)
// when the program has finished drawing for now: when it waits for a key (askToShow),
// or at the end of an operation once a change has gone unshown for kLongestUnshown. It
// is not asked again until it has taken the rows (taken()). So a screen drawn in one go
// reaches the window as one picture.
class ScreenLock {
  public:
    static constexpr std::chrono::milliseconds kLongestUnshown{5};

    void lock() {
        mutex_.lock();
        ++depth_;
    }
    void unlock() { release(false); }
    // The program's thread, holding no lock, is about to wait.
    void askToShow() {
        lock();
        release(true);
    }
    // A new window opened, showing the cleared screen: the time the program waited for
    // it is not time that a change went unshown.
    void windowOpened() { unshownSince_.reset(); }
    // The window has copied and cleared the marked rows; called under the lock.
    void taken() {
        asked_ = false;
        unshownSince_.reset();
    }
    // Whether the program has asked to show the marked rows; called under the lock.
    bool asked() const { return asked_; }

    // How a window's own thread holds the lock: its release asks nothing of the window.
    class WindowHold {
      public:
        explicit WindowHold(ScreenLock& lock) : lock_(lock) { lock_.mutex_.lock(); }
        ~WindowHold() { lock_.mutex_.unlock(); }
        WindowHold(const WindowHold&) = delete;
        WindowHold& operator=(const WindowHold&) = delete;

      private:
        ScreenLock& lock_;
    };

  private:
    void release(bool waiting);

    std::recursive_mutex mutex_;
    int depth_ = 0;      // holds of the owning thread
    bool asked_ = false; // the window was asked to show the marked rows
    std::optional<std::chrono::steady_clock::time_point> unshownSince_;
};

// The state shared by the program's thread and the window thread.
struct DisplayState {
    ScreenLock lock;
    Screen screen;
    bool graphicsMode = false; // false until the first successful setScreenMode
    KeyBuffer keys;
};

DisplayState& display();

// Text output at the cursor: control bytes, wrapping after column 80, scrolling and the
// pending scroll. Takes the screen lock. Used by printText, printNumber and the editor.
void writeText(std::string_view text);
