// The back-end interface: all that a window back end (SDL, terminal, in-memory, ...)
// implements, and all that it may use of the display core. A back end includes this
// header and nothing else of display/ but the pure helpers (keys.h, cp437.h, utf8.h).
//
// Threads: the program's thread runs every display operation and calls the back end's
// operations below, one at a time, never holding the screen lock. A back end may run
// threads of its own; they reach the core only through takeFrame and input().
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "display/input_queue.h"
#include "display/picture.h"

// One window showing the screen. setScreenMode makes a new one for every screen: open on
// the new one comes before close on the old one, so a back end may keep what it shares
// between windows (a thread, a terminal) alive across a screen change.
class WindowBackend {
  public:
    virtual ~WindowBackend() = default;
    // Opens a window titled `title` that shows the picture (all black until the first
    // frame) and takes the keyboard; the keys typed into it go to input(). Returns once
    // the window is ready, or false with `why` (one line, no program name) when it
    // cannot be opened; then nothing of it is left.
    virtual bool open(const std::string& title, std::string& why) = 0;
    // Closes the window. Keys already typed into it must still reach input() (posting
    // before returning, or from the window that replaces it). After close returns, the
    // back end takes no frame for this window.
    virtual void close() = 0;
    // Sounds 1000 Hz for 250 ms where it can, and returns at once: the program's thread
    // must not wait for the sound.
    virtual void beep() = 0;
    // The program has drawn and asks to see it: call takeFrame soon (on any thread) and
    // show the rows it changed. Returns at once. Not called again until a takeFrame
    // has taken the frame.
    virtual void show() = 0;
    // The program's thread is about to sleep until input() has a key or an end request.
    // Real back ends have nothing to do (their keys arrive from their own threads); the
    // in-memory one types its next scripted key here.
    virtual void programWaits() {}
};

using BackendFactory = std::unique_ptr<WindowBackend> (*)();

// Any thread. When the program has asked to show (show() was called and nothing has
// taken the frame since), copies into `frame` every pixel row changed since the last
// take, with the cells, the palette and the background, sets frame.changedRows to
// exactly those rows, clears them in the core and returns true: all in one step under
// the screen lock, so the frame is never half a display operation. Otherwise changes
// nothing and returns false.
bool takeFrame(Frame& frame);
// Any thread. Whether the program has asked to show a frame that is not yet taken.
bool frameAsked();
