// The Win32 window back end and its window thread.
//
// One window thread serves every open window: it starts with the first window and ends
// after the last one has closed. A screen change opens the new window before the old
// one closes, so for that moment the thread serves both, and every key typed into
// either comes through its one message queue, in the order typed.
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

#include "display/backends/win32/win32_beep.h"
#include "display/backends/win32/win32_system.h"
#include "display/backends/win32/win32_window.h"

namespace {

constexpr wchar_t kControlClass[] = L"TabloxControl";
// What the program's thread asks of the window thread.
constexpr UINT kOpen = WM_APP + 1;  // lParam: OpenRequest*; returns the windows open
constexpr UINT kClose = WM_APP + 2; // lParam: the HWND; returns the windows left open
constexpr UINT kShow = WM_APP + 3;  // take the frame the program asks to show

struct OpenRequest {
    std::wstring title;
    HWND window = nullptr; // null when it could not be opened
    std::string why;
};

class WindowThread {
  public:
    static WindowThread& get() {
        // Never destroyed: the process may end on any thread.
        static WindowThread* thread = new WindowThread;
        return *thread;
    }
    HWND open(const std::string& title, std::string& why);
    void close(HWND window);
    void show() {
        if (control_) PostMessageW(control_, kShow, 0, 0);
    }
    void beep() { beeper_.beep(); }

  private:
    bool start(std::string& why);
    void stop();
    void run(std::promise<HWND>& ready, std::string& why);
    static LRESULT CALLBACK controlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT serveOpen(HWND control, OpenRequest& request);
    LRESULT serveClose(HWND window);
    void showFrame();

    std::thread thread_;
    HWND control_ = nullptr; // while the thread runs
    Win32Beeper beeper_;
    // The window thread's own.
    std::vector<std::unique_ptr<Win32Window>> windows_; // the newest last
    Win32KeyTranslator keys_;
};

bool WindowThread::start(std::string& why) {
    std::promise<HWND> ready;
    std::future<HWND> control = ready.get_future();
    thread_ = std::thread(&WindowThread::run, this, std::ref(ready), std::ref(why));
    control_ = control.get();
    if (control_) return true;
    thread_.join();
    return false;
}

// After the last window has closed: the thread has been told to end.
void WindowThread::stop() {
    thread_.join();
    control_ = nullptr;
    beeper_.stop();
}

HWND WindowThread::open(const std::string& title, std::string& why) {
    if (!control_ && !start(why)) return nullptr;
    OpenRequest request;
    request.title = wideText(title);
    const LRESULT open = SendMessageW(control_, kOpen, 0, reinterpret_cast<LPARAM>(&request));
    if (!request.window) why = request.why;
    if (open == 0) stop();
    return request.window;
}

void WindowThread::close(HWND window) {
    if (!control_) return;
    if (SendMessageW(control_, kClose, 0, reinterpret_cast<LPARAM>(window)) == 0) stop();
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
    WindowThread& self = get();
    switch (message) {
    case kOpen:
        return self.serveOpen(hwnd, *reinterpret_cast<OpenRequest*>(lParam));
    case kClose:
        return self.serveClose(reinterpret_cast<HWND>(lParam));
    case kShow:
        self.showFrame();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT WindowThread::serveOpen(HWND control, OpenRequest& request) {
    std::unique_ptr<Win32Window> window = Win32Window::create(request.title, keys_, request.why);
    if (window) {
        request.window = window->handle();
        windows_.push_back(std::move(window));
        // A frame asked for while no window was open has not been taken: take it now.
        if (frameAsked()) PostMessageW(control, kShow, 0, 0);
    }
    if (windows_.empty()) PostQuitMessage(0);
    return static_cast<LRESULT>(windows_.size());
}

LRESULT WindowThread::serveClose(HWND hwnd) {
    const auto closing = std::find_if(windows_.begin(), windows_.end(),
                                      [&](const auto& w) { return w->handle() == hwnd; });
    if (closing != windows_.end()) {
        // Keys typed into this window before the next one took the keyboard are still in
        // the queue: they reach the program before the window goes.
        MSG message;
        while (PeekMessageW(&message, hwnd, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        windows_.erase(closing);
    }
    if (windows_.empty()) PostQuitMessage(0);
    return static_cast<LRESULT>(windows_.size());
}

// The program's rows go to the newest window; an older one is about to close.
void WindowThread::showFrame() {
    if (windows_.empty()) return;
    Win32Window& newest = *windows_.back();
    if (takeFrame(newest.frame())) newest.showChangedRows();
}

class Win32Backend final : public WindowBackend {
  public:
    ~Win32Backend() override { close(); }
    bool open(const std::string& title, std::string& why) override {
        window_ = WindowThread::get().open(title, why);
        return window_ != nullptr;
    }
    void close() override {
        if (!window_) return;
        WindowThread::get().close(window_);
        window_ = nullptr;
    }
    void beep() override { WindowThread::get().beep(); }
    void show() override { WindowThread::get().show(); }

  private:
    HWND window_ = nullptr;
};

} // namespace

std::unique_ptr<WindowBackend> makeWin32Backend() {
    return std::make_unique<Win32Backend>();
}
