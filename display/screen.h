// The graphics screen: frame buffer, changed-row marks, palette and drawing state, and the
// one recursive lock under which the program's thread draws and the back ends take
// frames. The display core's own; back ends see only display/backend.h.
#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <string_view>

#include "display/picture.h"
#include "display/show_when_idle.h"
#include "display/window_service.h"

// The picture with what the display operations keep beside it: the changed-row marks
// and the drawing state.
struct Screen : Picture {
    std::array<bool, kScreenHeight> rowChanged{};
    std::uint8_t foreground = 15;
    int row = 0;    // text cursor, 0-based
    int column = 0; // 0-based
    bool pendingScroll = false;
    int scrollTop = 0;     // first text row of the scrolling region, 0-based
    int scrollBottom = 29; // last text row of the scrolling region, 0-based

    void markRows(int firstY, int lastY);
    // The cells of pixel row y from x = firstX to lastX now hold drawing pixels.
    void markDrawing(int y, int firstX, int lastX) {
        Cell* row = &cells[static_cast<unsigned>(y) / kCellHeight * kTextColumns];
        for (unsigned column = static_cast<unsigned>(firstX) / kCellWidth;
             column <= static_cast<unsigned>(lastX) / kCellWidth; ++column)
            row[column] = Cell{Cell::Kind::Pixels};
    }
    bool anyRowChanged() const;
};

// The state that the display operations share with takeFrame, which back ends call from
// their own threads.
struct DisplayState {
    std::recursive_mutex lock; // the one screen lock
    Screen screen;
    bool graphicsMode = false; // false until the first successful setScreenMode
    ShowWhenIdle show{windowShow};
    int depth = 0; // nested DisplayOperations of the program's thread
};

DisplayState& display();

// One display operation's hold on the screen lock, on the program's thread; nested ones
// only count. The end of the outermost is the end of the operation, where the window may
// be asked to show what it changed.
class DisplayOperation {
  public:
    DisplayOperation();
    ~DisplayOperation();
    DisplayOperation(const DisplayOperation&) = delete;
    DisplayOperation& operator=(const DisplayOperation&) = delete;
};

// The program pauses (it is about to wait for a key, or to beep): asks the window to show
// what has been drawn.
void showWhatIsDrawn();

// Text output at the cursor: control bytes, wrapping after column 80, scrolling and the
// pending scroll. Takes the screen lock. Used by printText, printNumber and the editor.
void writeText(std::string_view text);
