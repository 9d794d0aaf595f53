#include "display/backends/sdl/sdl_window_thread.h"

#include <chrono>

#include "display/backends/sdl/sdl_start.h"

WindowThread::~WindowThread() {
    if (thread_.joinable()) thread_.join();
}

Uint32 WindowThread::open(const std::string& title, std::string& why) {
    Request request;
    request.title = title;
    submit(request);
    why = request.why;
    return request.windowId;
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
    windows_.clear();
    scale_ = 0;
    if (started) {
        beeper_.shutDown();
        if (arrow) SDL_FreeCursor(arrow);
        stopSdl();
    }
}

// The request that the program's thread has handed over, if any.
WindowThread::Request* WindowThread::takeRequest() {
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
    SdlWindow* any = windows_.newest();
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
        std::unique_ptr<SdlWindow> window =
            SdlWindow::create(request.title, scale_, frame_, request.why);
        if (!window) return;
        request.windowId = window->id();
        windows_.add(std::move(window));
        std::lock_guard lock(mutex_);
        newestId_ = request.windowId;
        return;
    }
    // Only the newest window is closed this way (the others are marked, see close()), at
    // the end: with it go the ones that screen changes closed before.
    takeRetiring();
    if (!windows_.find(request.windowId)) return;
    windows_.closeNewest(request.windowId, [this] { handleEvents(); });
    std::lock_guard lock(mutex_);
    newestId_ = windows_.newest() ? windows_.newest()->id() : 0;
}

// Hands the windows that a screen change has closed to the hand-over.
void WindowThread::takeRetiring() {
    std::vector<Uint32> ids;
    {
        std::lock_guard lock(mutex_);
        ids.swap(retiring_);
    }
    windows_.retire(ids);
}

void WindowThread::endRetired() {
    takeRetiring();
    windows_.endRetired([this] { handleEvents(); });
}

// A new window: the program draws its screen at once and asks to show it, and that
// picture comes first, before the new window's own events. Waits for the ask, a
// request, or at most kFirstPictureWait.
void WindowThread::awaitFirstPicture() {
    constexpr auto kFirstPictureWait = std::chrono::milliseconds(50);
    const auto until = std::chrono::steady_clock::now() + kFirstPictureWait;
    for (;;) {
        if (frameAsked()) return;
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

// One round: the rows the program asked to show go to the newest window (an older one is
// about to close), which shows them at once; then the window system's events are
// handled, and what they change is shown. Returns whether the program's rows were taken.
bool WindowThread::refresh() {
    const bool took = takeFrame(frame_);
    SdlWindow* shown = windows_.newest();
    if (took && shown) shown->frameTaken(frame_);
    if (shown) shown->present();
    if (took && shown) {
        // The newest window shows the program's picture now.
        if (shown->takeKeyboard())
            scale_ = SdlWindow::desktopScale(); // for the next window, out of this one's way
        endRetired();
    }
    handleEvents();
    if (shown && shown == windows_.newest()) shown->present();
    if (const int beeps = beeps_.exchange(0)) beeper_.play(beeps);
    beeper_.settle();
    return took;
}

// Turns the window system's events into keys and requests, and carries out the requests.
void WindowThread::handleEvents() {
    SDL_PumpEvents();
    std::vector<WindowRequest> requests;
    SDL_Event events[32];
    int n = 0;
    while ((n = SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0)
        for (int i = 0; i < n; ++i) {
            const WindowRequest r = input_.handle(events[i], input());
            if (r.kind != WindowRequest::Kind::None) requests.push_back(r);
        }
    for (const WindowRequest& r : requests) {
        SdlWindow* w = windows_.find(r.windowId);
        if (!w) continue;
        if (r.kind == WindowRequest::Kind::ToggleFullScreen) w->toggleFullScreen();
        if (r.kind == WindowRequest::Kind::EnterFullScreen) w->enterFullScreen();
        if (r.kind == WindowRequest::Kind::Repaint) w->exposed();
    }
}
