// The Win32 window back end and its window thread.
//
// One window thread serves every open window: it starts with the first window and ends
// after the last one has closed (display/backends/shared_session.h). A screen change
// opens the new window before the old one closes, so for that moment the thread serves
// both, and every key typed into either comes through its one message queue, in the
// order typed.
//
// The thread sleeps in GetMessage. The program's thread reaches it through a
// message-only window of its own: SendMessage to open and to close a window (it
// returns once that is done), PostMessage when the program asks to show what it drew.
// There is no timer and no polling: while nothing happens, the thread does not run.
#include "display/backends/win32/win32_backend.h"

#include <windows.h>

#include <algorithm>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "display/backends/shared_session.h"
#include "display/backends/win32/win32_beep.h"
#include "display/backends/win32/win32_system.h"
#include "display/backends/win32/win32_window.h"

namespace {

constexpr wchar_t kControlClass[] = L"TabloxControl";
// What the program's thread asks of the window thread.
constexpr UINT kOpen = WM_APP + 1;  // lParam: OpenRequest*
constexpr UINT kClose = WM_APP + 2; // lParam: the HWND
constexpr UINT kShow = WM_APP + 3;  // take the frame the program asks to show
constexpr UINT kEnd = WM_APP + 4;   // the last window has closed: end the thread

struct OpenRequest {
    std::wstring title;
    HWND window = nullptr; // null when it could not be opened
    std::string why;
};

// The window thread, shared by the windows that are open (a SharedSession): made with
// the first, ended with the last. Its members are the program's thread's, but for those
// marked as the window thread's own.
class WindowThread {
  public:
    // Starts the thread; null, with `why`, when its message window cannot be made.
    static std::unique_ptr<WindowThread> start(std::string& why);
    ~WindowThread();
    HWND open(const std::string& title, std::string& why);
    void close(HWND window);
    void show() { PostMessageW(control_, kShow, 0, 0); }
    void beep() { beeper_.beep(); }

  private:
    WindowThread() = default;
    void run(std::promise<HWND>& ready, std::string& why);
    static LRESULT CALLBACK controlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void serveOpen(HWND control, OpenRequest& request);
    void serveClose(HWND window);
    void showFrame();

    std::thread thread_;
    HWND control_ = nullptr;
    Win32Beeper beeper_;
    // The window thread's own.
    std::vector<std::unique_ptr<Win32Window>> windows_; // the newest last
    Win32KeyTranslator keys_;
};

std::unique_ptr<WindowThread> WindowThread::start(std::string& why) {
    std::unique_ptr<WindowThread> thread(new WindowThread);
    std::promise<HWND> ready;
    std::future<HWND> control = ready.get_future();
    thread->thread_ = std::thread(&WindowThread::run, thread.get(), std::ref(ready), std::ref(why));
    thread->control_ = control.get();
    if (thread->control_) return thread;
    thread->thread_.join();
    return nullptr;
}

WindowThread::~WindowThread() {
    PostMessageW(control_, kEnd, 0, 0);
    thread_.join();
    beeper_.stop();
}

HWND WindowThread::open(const std::string& title, std::string& why) {
    OpenRequest request;
    request.title = wideText(title);
    SendMessageW(control_, kOpen, 0, reinterpret_cast<LPARAM>(&request));
    if (!request.window) why = request.why;
    return request.window;
}

void WindowThread::close(HWND window) {
    SendMessageW(control_, kClose, 0, reinterpret_cast<LPARAM>(window));
}

void WindowThread::run(std::promise<HWND>& ready, std::string& why) {
    nameThisThread(L"tablox window");
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = controlProcedure;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = kControlClass;
    HWND control = nullptr;
    if (!RegisterClassExW(&c)) {
        why = systemError("RegisterClassEx");
    } else if (!Win32Window::registerClass(why)) {
        UnregisterClassW(kControlClass, c.hInstance);
    } else {
        control = CreateWindowExW(0, kControlClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  c.hInstance, nullptr);
        if (!control) {
            why = systemError("CreateWindowEx");
            Win32Window::unregisterClass();
            UnregisterClassW(kControlClass, c.hInstance);
        } else {
            SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        }
    }
    ready.set_value(control); // `ready` and `why` are the program thread's from here on
    if (!control) return;
    // The screen saver and the display's sleep stay off while a window is open.
    SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    windows_.clear();
    DestroyWindow(control);
    Win32Window::unregisterClass();
    UnregisterClassW(kControlClass, GetModuleHandleW(nullptr));
    SetThreadExecutionState(ES_CONTINUOUS);
}

LRESULT CALLBACK WindowThread::controlProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    auto* self = reinterpret_cast<WindowThread*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case kOpen:
        self->serveOpen(hwnd, *reinterpret_cast<OpenRequest*>(lParam));
        return 0;
    case kClose:
        self->serveClose(reinterpret_cast<HWND>(lParam));
        return 0;
    case kShow:
        self->showFrame();
        return 0;
    case kEnd:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void WindowThread::serveOpen(HWND control, OpenRequest& request) {
    std::unique_ptr<Win32Window> window = Win32Window::create(request.title, keys_, request.why);
    if (!window) return;
    request.window = window->handle();
    windows_.push_back(std::move(window));
    // A frame asked for while no window was open has not been taken: take it now.
    if (frameAsked()) PostMessageW(control, kShow, 0, 0);
}

void WindowThread::serveClose(HWND hwnd) {
    const auto closing = std::find_if(windows_.begin(), windows_.end(),
                                      [&](const auto& w) { return w->handle() == hwnd; });
    if (closing == windows_.end()) return;
    // Keys typed into this window before the next one took the keyboard are still in the
    // queue: they reach the program before the window goes.
    MSG message;
    while (PeekMessageW(&message, hwnd, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    windows_.erase(closing);
}

// The program's rows go to the newest window; an older one is about to close.
void WindowThread::showFrame() {
    if (windows_.empty()) return;
    Win32Window& newest = *windows_.back();
    if (takeFrame(newest.frame())) newest.showChangedRows();
}

SharedSession<WindowThread>& windowThread() {
    // Never destroyed: the process may end on any thread.
    static auto* shared = new SharedSession<WindowThread>;
    return *shared;
}

class Win32Backend final : public WindowBackend {
  public:
    ~Win32Backend() override { close(); }
    bool open(const std::string& title, std::string& why) override {
        thread_ = windowThread().attach(WindowThread::start, why);
        if (!thread_) return false;
        window_ = thread_->open(title, why);
        if (window_) return true;
        windowThread().detach();
        thread_ = nullptr;
        return false;
    }
    void close() override {
        if (!window_) return;
        thread_->close(window_);
        windowThread().detach();
        window_ = nullptr;
        thread_ = nullptr;
    }
    void beep() override {
        if (thread_) thread_->beep();
    }
    void show() override {
        if (thread_) thread_->show();
    }

  private:
    WindowThread* thread_ = nullptr;
    HWND window_ = nullptr;
};

} // namespace

std::unique_ptr<WindowBackend> makeWin32Backend() {
    return std::make_unique<Win32Backend>();
}
