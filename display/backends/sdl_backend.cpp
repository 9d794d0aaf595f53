// The SDL window back end and its window thread.
//
// SDL wants its video set up, its windows made and its events read on one thread. So
// one window thread serves every open window: it starts with the first window and ends
// after the last one closes. A screen change opens the new window before the old one
// closes, so the thread, and SDL with it, lives from the first screen to the program's
// end; for the moment of a change it serves two windows.
//
// The old window of a screen change stays up beneath the new one until the program has
// drawn the new screen and asked to show it, and closes right after the new window has
// shown it: closing it first would only delay that picture.
//
// The thread sleeps until the window system has an event or the program's thread wakes
// it: for a request (open, close), a beep, or rows to show. On X11 it waits in poll() on
// the X connection and a wake-up of its own; elsewhere in SDL's event wait, woken by an
// event of its own. Each wake-up ends in one refresh that shows every row marked by then.
#include "display/backends/sdl_backend.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "display/backends/sdl_beep.h"
#include "display/backends/sdl_input.h"
#include "display/backends/sdl_window.h"
#include "display/backends/sdl_x11_window.h"
#include "display/screen.h"
#include "display/wakeup.h"

namespace {

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

class WindowThread {
  public:
    static WindowThread& get() {
        // Never destroyed: exit handlers may run on any thread, this one's included.
        static WindowThread* thread = new WindowThread;
        return *thread;
    }
    // Hands `request` to the window thread (starting it for a first window) and waits
    // until it is served. Never call it holding the screen lock, which every round takes.
    void submit(Request& request);
    // Closes a window. A screen change closes the window before the newest: that one
    // is only marked here, and closes once the newest shows the new screen.
    void close(Uint32 windowId);
    void beep() {
        beeps_.fetch_add(1);
        wake();
    }
    // Wakes the thread from its wait; does nothing while SDL is not running.
    void wake();

  private:
    void run();
    Request* takeRequest();
    void serve(Request& request);
    void takeRetiring();
    void awaitFirstPicture();
    bool refresh();
    bool takeRows();
    void handleEvents();
    void endRetired();
    void awaitEvent();
    SdlWindow* find(Uint32 id);
    SdlWindow* newest() { return windows_.empty() ? nullptr : windows_.back().get(); }

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
    std::vector<std::unique_ptr<SdlWindow>> windows_; // the newest last
    std::vector<std::unique_ptr<SdlWindow>> retired_; // closed, still on the desktop
    InputTranslator input_;
    SdlBeeper beeper_;
    int scale_ = 0; // the next window's scale, 0 until known
};

// The desktop video drivers worth trying. SDL would also take a display-less driver,
// which shows nothing, and Wayland's library complains aloud where no compositor is.
const char* desktopVideoDrivers() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return wayland && *wayland ? "x11,wayland,windows,cocoa" : "x11,windows,cocoa";
}

bool startSdl(std::string& why) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, desktopVideoDrivers());
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // Ctrl+C and kill end the program
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_WINDOWS_NO_CLOSE_ON_ALT_F4, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
    endOnX11Failure();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        why = std::string("no desktop display to show it on: ") + SDL_GetError();
        SDL_Quit();
        return false;
    }
    // X11 and Windows draw a window surface from plain memory of their own, without GL.
    // Elsewhere (Wayland) SDL has no such frame buffer and puts one of its renderers
    // behind the surface, which this hint would forbid: there the surface needs it.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "windows") == 0))
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_DisableScreenSaver();
    SDL_StartTextInput();
    return true;
}

void stopSdl() {
    SDL_StopTextInput();
    SDL_EnableScreenSaver();
    SDL_Quit();
}

void WindowThread::wake() {
    std::lock_guard lock(mutex_);
    if (wakeEvent_ == 0) return;
    woken_.raise();
    SDL_Event event{};
    event.type = wakeEvent_;
    SDL_PushEvent(&event);
}

void WindowThread::submit(Request& request) {
    std::unique_lock lock(mutex_);
    if (!running_) {
        if (request.kind == Request::Kind::Close) return;
        if (thread_.joinable()) thread_.join(); // the previous run's thread has ended
        running_ = true;
        beeps_ = 0;
        thread_ = std::thread(&WindowThread::run, this);
    }
    pending_ = &request;
    lock.unlock();
    wake();
    lock.lock();
    changed_.wait(lock, [&] { return request.done; });
    if (request.threadEnds) {
        lock.unlock();
        thread_.join(); // SDL has been shut down when this returns
    }
}

void WindowThread::close(Uint32 windowId) {
    bool retire = false;
    {
        std::lock_guard lock(mutex_);
        if (!running_) return;
        retire = windowId != newestId_;
        if (retire) retiring_.push_back(windowId);
    }
    if (retire) {
        wake();
        return;
    }
    Request request;
    request.kind = Request::Kind::Close;
    request.windowId = windowId;
    submit(request);
}

void WindowThread::run() {
    std::string failure;
    const bool started = startSdl(failure);
    SDL_Cursor* arrow = nullptr; // made once the first window shows the program's picture
    if (started) {
        const Uint32 event = SDL_RegisterEvents(1);
        std::lock_guard lock(mutex_);
        wakeEvent_ = event == static_cast<Uint32>(-1) ? static_cast<Uint32>(SDL_USEREVENT) : event;
    }
    for (;;) {
        Request* request = takeRequest();
        bool opened = false; // read before `done`: the request is gone after that
        if (request && started) {
            serve(*request);
            opened = request->kind == Request::Kind::Open && request->windowId != 0;
            if (arrow) SDL_SetCursor(arrow);
        } else if (request) {
            request->why = failure;
        }
        bool ends = false;
        {
            std::lock_guard lock(mutex_);
            ends = windows_.empty() && pending_ == nullptr;
            if (ends) running_ = false;
            if (request) {
                request->threadEnds = ends;
                request->done = true;
            }
        }
        changed_.notify_all();
        if (ends) break;
        if (opened) awaitFirstPicture();
        if (refresh() && started && !arrow) {
            arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
            if (arrow) SDL_SetCursor(arrow);
        }
        awaitEvent();
    }
    {
        std::lock_guard lock(mutex_);
        wakeEvent_ = 0;
    }
    retired_.clear();
    windows_.clear();
    scale_ = 0;
    if (started) {
        beeper_.shutDown();
        if (arrow) SDL_FreeCursor(arrow);
        stopSdl();
    }
}

// The request that the program's thread has handed over, if any.
Request* WindowThread::takeRequest() {
    std::lock_guard lock(mutex_);
    Request* request = pending_;
    pending_ = nullptr;
    return request;
}

// Sleeps until there is an event from the window system or a wake-up. While a beep
// sounds, also until it has been played, to close the sound device then.
void WindowThread::awaitEvent() {
    {
        std::lock_guard lock(mutex_);
        if (pending_ != nullptr) return;
    }
    const int playing = beeper_.millisecondsLeft();
    const int limit = playing < 0 ? -1 : playing + 1;
    SDL_PumpEvents();
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
    SdlWindow* any = newest();
    if (any && any->awaitX11Event(woken_.fd(), limit)) {
        woken_.drain();
        return;
    }
    if (limit < 0)
        SDL_WaitEvent(nullptr);
    else
        SDL_WaitEventTimeout(nullptr, limit);
    woken_.drain();
}

void WindowThread::serve(Request& request) {
    if (request.kind == Request::Kind::Open) {
        endRetired();
        if (scale_ == 0) scale_ = SdlWindow::desktopScale();
        std::unique_ptr<SdlWindow> window = SdlWindow::create(request.title, scale_, request.why);
        if (!window) return;
        request.windowId = window->id();
        windows_.push_back(std::move(window));
        std::lock_guard lock(mutex_);
        newestId_ = request.windowId;
        return;
    }
    // Only the newest window is closed this way (the others are marked, see close()), at
    // the end: with it go the ones that screen changes closed before.
    takeRetiring();
    const auto closing = std::find_if(windows_.begin(), windows_.end(),
                                      [&](const auto& w) { return w->id() == request.windowId; });
    if (closing == windows_.end()) return;
    retired_.push_back(std::move(*closing));
    windows_.erase(closing);
    endRetired();
    std::lock_guard lock(mutex_);
    newestId_ = newest() ? newest()->id() : 0;
}

// Moves the windows that a screen change has closed to the retired ones.
void WindowThread::takeRetiring() {
    std::vector<Uint32> ids;
    {
        std::lock_guard lock(mutex_);
        ids.swap(retiring_);
    }
    for (const Uint32 id : ids) {
        const auto w = std::find_if(windows_.begin(), windows_.end(),
                                    [&](const auto& each) { return each->id() == id; });
        if (w == windows_.end()) continue;
        retired_.push_back(std::move(*w));
        windows_.erase(w);
    }
}

// A new window: the program draws its screen at once and asks to show it, and that
// picture comes first, before the new window's own events. Waits for the ask, a
// request, or at most kFirstPictureWait.
void WindowThread::awaitFirstPicture() {
    constexpr auto kFirstPictureWait = std::chrono::milliseconds(50);
    const auto until = std::chrono::steady_clock::now() + kFirstPictureWait;
    for (;;) {
        {
            DisplayState& d = display();
            ScreenLock::WindowHold hold(d.lock);
            if (d.lock.asked()) return;
        }
        {
            std::lock_guard lock(mutex_);
            if (pending_ != nullptr) return;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0) return;
        woken_.awaitFor(static_cast<int>(left.count()) + 1);
        woken_.drain();
    }
}

// Closes the windows that screen changes have closed. Keys typed into them just before the newest
// window took the keyboard may still be on their way; SDL would drop them once a window is gone.
void WindowThread::endRetired() {
    takeRetiring();
    if (retired_.empty()) return;
    for (auto& w : retired_)
        w->awaitPendingEvents();
    handleEvents();
    retired_.clear();
}

SdlWindow* WindowThread::find(Uint32 id) {
    for (auto& w : windows_)
        if (w->id() == id) return w.get();
    return nullptr;
}

// One round: the rows the program asked to show go to the newest window (an older one is
// about to close), which shows them at once; then the window system's events are
// handled, and what they change is shown. Returns whether the program's rows were taken.
bool WindowThread::refresh() {
    const bool took = takeRows();
    SdlWindow* shown = newest();
    if (shown) shown->present();
    if (took && shown) {
        // The newest window shows the program's picture now.
        if (shown->takeKeyboard())
            scale_ = SdlWindow::desktopScale(); // for the next window, out of this one's way
        endRetired();
    }
    handleEvents();
    if (shown && shown == newest()) shown->present();
    if (const int beeps = beeps_.exchange(0)) beeper_.play(beeps);
    beeper_.settle();
    return took;
}

// Copies the rows the program has asked to show, if it has. Returns whether it copied.
bool WindowThread::takeRows() {
    DisplayState& d = display();
    ScreenLock::WindowHold hold(d.lock);
    if (!d.lock.asked()) return false;
    if (SdlWindow* shown = newest()) shown->copyChangedRows(d.screen);
    d.screen.rowChanged.fill(false);
    d.lock.taken();
    return true;
}

// Turns the window system's events into keys and requests, and carries out the requests.
void WindowThread::handleEvents() {
    SDL_PumpEvents();
    std::vector<WindowRequest> requests;
    {
        DisplayState& d = display();
        ScreenLock::WindowHold hold(d.lock);
        SDL_Event events[32];
        int n = 0;
        while ((n = SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0)
            for (int i = 0; i < n; ++i) {
                const WindowRequest r = input_.handle(events[i], d.keys);
                if (r.kind != WindowRequest::Kind::None) requests.push_back(r);
            }
    }
    for (const WindowRequest& r : requests) {
        SdlWindow* w = find(r.windowId);
        if (!w) continue;
        if (r.kind == WindowRequest::Kind::ToggleFullScreen) w->toggleFullScreen();
        if (r.kind == WindowRequest::Kind::EnterFullScreen) w->enterFullScreen();
        if (r.kind == WindowRequest::Kind::Repaint) w->exposed();
    }
}

class SdlBackend final : public WindowBackend {
  public:
    ~SdlBackend() override { close(); }
    bool open(const std::string& title, std::string& why) override {
        Request request;
        request.title = title;
        WindowThread::get().submit(request);
        windowId_ = request.windowId;
        if (windowId_ == 0) why = "SDL: " + request.why;
        return windowId_ != 0;
    }
    void close() override {
        if (windowId_ == 0) return;
        WindowThread::get().close(windowId_);
        windowId_ = 0;
    }
    void beep() override { WindowThread::get().beep(); }
    void showChanges() override { WindowThread::get().wake(); }

  private:
    Uint32 windowId_ = 0;
};

} // namespace

std::unique_ptr<WindowBackend> makeSdlBackend() {
    return std::make_unique<SdlBackend>();
}
