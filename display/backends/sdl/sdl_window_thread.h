// The SDL window thread. SDL wants its video set up, its windows made and its events read
// on one thread, so one thread serves every open window of the back end: it starts with
// the first window and ends after the last one closes. A screen change opens the new
// window before the old one closes, so the thread, and SDL with it, lives from the first
// screen to the program's end; for the moment of a change it serves two windows.
//
// The thread sleeps until the window system has an event or the program's thread wakes
// it: for a request (open, close), a beep, or a frame to show. On X11 it waits in poll()
// on the X connection and a wake-up of its own; elsewhere in SDL's event wait, woken by
// an event of its own. Each wake-up ends in one refresh that shows the frame the
// program has asked to show, if any.
#pragma once
#include <SDL.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "display/backend.h"
#include "display/backends/sdl/sdl_beep.h"
#include "display/backends/sdl/sdl_handover.h"
#include "display/backends/sdl/sdl_input.h"
#include "platform/posix/wakeup.h"

class WindowThread {
  public:
    WindowThread() = default;
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    // Opens a window titled `title` (starting the thread for the first one) and waits
    // until it is open. Returns its id, or 0 with `why`.
    Uint32 open(const std::string& title, std::string& why);
    // Closes a window. A screen change closes the window before the newest: that one is
    // only marked here, and closes once the newest shows the new screen.
    void close(Uint32 windowId);
    void beep() {
        beeps_.fetch_add(1);
        wake();
    }
    // Wakes the thread from its wait; does nothing while SDL is not running.
    void wake();

  private:
    // What the program's thread asks of the window thread; it waits until `done`.
    struct Request {
        enum class Kind { Open, Close };
        Kind kind = Kind::Open;
        std::string title;   // Open: the window's title
        Uint32 windowId = 0; // Close: the window; Open: the new window, 0 on failure
        std::string why;     // Open: why it failed
        bool done = false;
        bool threadEnds = false; // no window is left, so the window thread ends
    };

    // Hands `request` to the window thread (starting it for a first window) and waits
    // until it is served. Never call it holding the screen lock, which a round takes.
    void submit(Request& request);
    void run();
    Request* takeRequest();
    void serve(Request& request);
    void takeRetiring();
    void endRetired();
    void awaitFirstPicture();
    bool refresh();
    void handleEvents();
    void awaitEvent();

    std::mutex mutex_;
    std::condition_variable changed_;
    Request* pending_ = nullptr;
    std::vector<Uint32> retiring_; // windows closed by a screen change
    Uint32 newestId_ = 0;
    bool running_ = false;
    Uint32 wakeEvent_ = 0; // SDL's number for our wake-up event, 0 while SDL is down
    Wakeup woken_;
    std::thread thread_;
    std::atomic<int> beeps_{0};
    // Touched by the window thread only.
    WindowHandover windows_;
    Frame frame_; // what the program asked to show last
    InputTranslator input_;
    SdlBeeper beeper_;
    int scale_ = 0; // the next window's scale, 0 until known
};
