#include "display/backends/win32/win32_window.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "display/backends/win32/win32_system.h"
#include "display/backends/window_scale.h"
#include "display/input_queue.h"

namespace {

constexpr wchar_t kClassName[] = L"TabloxWindow";
// A caption with the system menu, minimise and maximise boxes, and no sizing border.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                               WS_MAXIMIZEBOX | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
constexpr int kIconResource = 1; // the program's icon in its resources

// Windows 10 from version 1607 on tells each window the DPI of its monitor; before that
// there was one DPI for the whole desktop. Looked up by name so that the program starts
// on either.
template <typename Function> Function user32Function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

UINT dpiOf(HWND hwnd) {
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto get = user32Function<GetDpiForWindow>("GetDpiForWindow");
    if (get)
        if (const UINT dpi = get(hwnd)) return dpi;
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

// The outer size of a window whose client area is `rect`, its caption drawn for `dpi`.
void adjustForDpi(RECT& rect, UINT dpi) {
    using AdjustWindowRectExForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = user32Function<AdjustWindowRectExForDpi>("AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, kWindowStyle, FALSE, 0, dpi))
        AdjustWindowRectEx(&rect, kWindowStyle, FALSE, 0);
}

// The whole multiple of 640x480 that the window shows the picture at: the rule of the
// Linux window, with the monitor's DPI as the desktop's scale (a factor from 200 %, 192
// dpi, on), TABLOX_SCALE before it, lowered until the picture fits `work`.
int windowScaleFor(UINT dpi, const RECT& work) {
    const std::string desktop = std::to_string(dpi / USER_DEFAULT_SCREEN_DPI);
    return windowScale(std::getenv(kScaleVariable), dpi >= 192 ? desktop.c_str() : nullptr, nullptr,
                       work.right - work.left, work.bottom - work.top);
}

RECT workAreaOf(HWND hwnd) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &info))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    return info.rcWork;
}

} // namespace

bool Win32Window::registerClass(std::string& why) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = procedure;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    c.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    c.hbrBackground = nullptr; // WM_PAINT paints every pixel
    c.lpszClassName = kClassName;
    if (RegisterClassExW(&c) != 0) return true;
    why = systemError("RegisterClassEx");
    return false;
}

void Win32Window::unregisterClass() {
    UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
}

Win32Window::Win32Window(Win32KeyTranslator& keys)
    : keys_(keys), frame_(std::make_unique<Frame>()) {
    bitmap_.header.biSize = sizeof bitmap_.header;
    bitmap_.header.biWidth = kScreenWidth;
    bitmap_.header.biPlanes = 1;
    bitmap_.header.biBitCount = 8;
    bitmap_.header.biCompression = BI_RGB;
    bitmap_.header.biClrUsed = 256;
}

std::unique_ptr<Win32Window> Win32Window::create(const std::wstring& title,
                                                 Win32KeyTranslator& keys, std::string& why) {
    std::unique_ptr<Win32Window> window(new Win32Window(keys));
    // Made hidden on the primary monitor, then sized for that monitor's DPI and shown.
    const HWND hwnd = CreateWindowExW(0, kClassName, title.c_str(), kWindowStyle, CW_USEDEFAULT,
                                      CW_USEDEFAULT, kScreenWidth, kScreenHeight, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), window.get());
    if (!hwnd) {
        why = systemError("CreateWindowEx");
        return nullptr;
    }
    window->placeCentred(dpiOf(hwnd));
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    UpdateWindow(hwnd);
    return window;
}

Win32Window::~Win32Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Win32Window::placeCentred(UINT dpi) {
    const RECT work = workAreaOf(hwnd_);
    const int scale = windowScaleFor(dpi, work);
    RECT outer{0, 0, kScreenWidth * scale, kScreenHeight * scale};
    adjustForDpi(outer, dpi);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int x = std::max<int>(work.left, work.left + (work.right - work.left - width) / 2);
    const int y = std::max<int>(work.top, work.top + (work.bottom - work.top - height) / 2);
    SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The largest whole multiple of the picture that the client area holds, centred: the
// window's scale in a window, and on black in full screen.
void Win32Window::layOut() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int width = client.right - client.left, height = client.bottom - client.top;
    scale_ = std::max(1, std::min(width / kScreenWidth, height / kScreenHeight));
    origin_ = {(width - kScreenWidth * scale_) / 2, (height - kScreenHeight * scale_) / 2};
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32Window::drawRows(HDC dc, int first, int count) {
    // The rows as a bitmap of their own, top row first: no source offset to misread.
    bitmap_.header.biHeight = -count;
    StretchDIBits(dc, origin_.x, origin_.y + first * scale_, kScreenWidth * scale_, count * scale_,
                  0, 0, kScreenWidth, count, frame_->picture.rowPixels(first),
                  reinterpret_cast<const BITMAPINFO*>(&bitmap_), DIB_RGB_COLORS, SRCCOPY);
}

void Win32Window::showChangedRows() {
    for (std::size_t i = 0; i < frame_->picture.palette.size(); ++i) {
        const Rgb& c = frame_->picture.palette[i];
        bitmap_.colours[i] = RGBQUAD{c.b, c.g, c.r, 0};
    }
    HDC dc = GetDC(hwnd_);
    if (!dc) return;
    SetStretchBltMode(dc, COLORONCOLOR);
    const auto& changed = frame_->changedRows;
    for (int y = 0; y < kScreenHeight;) {
        if (!changed[static_cast<std::size_t>(y)]) {
            ++y;
            continue;
        }
        int end = y;
        while (end < kScreenHeight && changed[static_cast<std::size_t>(end)])
            ++end;
        drawRows(dc, y, end - y);
        y = end;
    }
    ReleaseDC(hwnd_, dc);
    GdiFlush();
}

void Win32Window::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    const RECT picture{origin_.x, origin_.y, origin_.x + kScreenWidth * scale_,
                       origin_.y + kScreenHeight * scale_};
    const RECT bars[] = {
        {client.left, client.top, client.right, picture.top},
        {client.left, picture.bottom, client.right, client.bottom},
        {client.left, picture.top, picture.left, picture.bottom},
        {picture.right, picture.top, client.right, picture.bottom},
    };
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const RECT& bar : bars)
        if (bar.right > bar.left && bar.bottom > bar.top) FillRect(dc, &bar, black);
    if (ps.rcPaint.top < picture.bottom && ps.rcPaint.bottom > picture.top) {
        const int first =
            std::clamp<int>((ps.rcPaint.top - origin_.y) / scale_, 0, kScreenHeight - 1);
        const int last =
            std::clamp<int>((ps.rcPaint.bottom - 1 - origin_.y) / scale_, 0, kScreenHeight - 1);
        SetStretchBltMode(dc, COLORONCOLOR);
        drawRows(dc, first, last - first + 1);
    }
    EndPaint(hwnd_, &ps);
}

void Win32Window::enterFullScreen() {
    if (fullScreen_) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    placement_.length = sizeof placement_;
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor) ||
        !GetWindowPlacement(hwnd_, &placement_))
        return;
    windowStyle_ = GetWindowLongW(hwnd_, GWL_STYLE);
    fullScreen_ = true;
    SetWindowLongW(hwnd_, GWL_STYLE, (windowStyle_ & ~static_cast<LONG>(kWindowStyle)) | WS_POPUP);
    const RECT& m = monitor.rcMonitor;
    if (!SetWindowPos(hwnd_, HWND_TOP, m.left, m.top, m.right - m.left, m.bottom - m.top,
                      SWP_FRAMECHANGED | SWP_NOOWNERZORDER)) {
        // Back to the window as it was.
        fullScreen_ = false;
        SetWindowLongW(hwnd_, GWL_STYLE, windowStyle_);
        SetWindowPlacement(hwnd_, &placement_);
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
}

void Win32Window::leaveFullScreen() {
    if (!fullScreen_) return;
    fullScreen_ = false;
    SetWindowLongW(hwnd_, GWL_STYLE, windowStyle_);
    SetWindowPlacement(hwnd_, &placement_);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

LRESULT CALLBACK Win32Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return window ? window->handle(message, wParam, lParam)
                  : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Win32Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return keyDown(message, wParam, lParam);
    case WM_KEYUP:
    case WM_SYSKEYUP:
        // Alt or F10 let go would open the (absent) menu bar and take the next keys.
        if (wParam == VK_MENU || wParam == VK_F10) return 0;
        break;
    case WM_CHAR:
        character(wParam, lParam);
        return 0;
    case WM_SYSCHAR:
        // Keys with Alt write nothing; Alt+Space still opens the system menu, while the
        // others would only sound the system's "no such menu" beep.
        if (wParam == L' ') break;
        return 0;
    case WM_CLOSE:
        // The close box and Close in the system menu close nothing: the program reads
        // the close box's key code, which the line editor ignores.
        input().postKey(kKeyCloseBox);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MAXIMIZE:
            enterFullScreen();
            return 0;
        case SC_SCREENSAVE:
        case SC_MONITORPOWER:
            return 0; // kept off while the window is open
        default:
            break;
        }
        break;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) layOut();
        return 0;
    case WM_DPICHANGED:
        // Moved to a monitor of another scale: the picture's multiple is worked out
        // again for it, where Windows suggests.
        if (!fullScreen_) {
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            const UINT dpi = HIWORD(wParam);
            const RECT work = workAreaOf(hwnd_);
            const int scale = windowScaleFor(dpi, work);
            RECT outer{0, 0, kScreenWidth * scale, kScreenHeight * scale};
            adjustForDpi(outer, dpi);
            SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT paints every pixel
    case WM_PAINT:
        paint();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Win32Window::keyDown(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto key = static_cast<unsigned>(wParam);
    const bool repeated = (lParam & (1 << 30)) != 0;
    Win32Modifiers modifiers;
    modifiers.shift = GetKeyState(VK_SHIFT) < 0;
    modifiers.ctrl = GetKeyState(VK_CONTROL) < 0;
    modifiers.alt = GetKeyState(VK_MENU) < 0;
    if (key == VK_RETURN && modifiers.alt && message == WM_SYSKEYDOWN) {
        if (!repeated) fullScreen_ ? leaveFullScreen() : enterFullScreen();
        return 0;
    }
    const KeyCodes codes =
        keys_.keyDown(keyPressFromWin32(key, (lParam & (1 << 24)) != 0, modifiers));
    const int repeats = std::max(1, static_cast<int>(lParam & 0xFFFF));
    for (int r = 0; r < repeats; ++r)
        for (int i = 0; i < codes.count; ++i)
            input().postKey(codes.codes[static_cast<std::size_t>(i)]);
    // Alt+F4 would close the window; F10 and Alt would open the menu bar. Other keys
    // with Alt keep the system's meaning (Alt+Space, the system menu).
    if (message == WM_SYSKEYDOWN && key != VK_F4 && key != VK_F10 && key != VK_MENU)
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    return 0;
}

void Win32Window::character(WPARAM wParam, LPARAM lParam) {
    const int code = keys_.character(static_cast<unsigned>(wParam));
    if (code == 0) return;
    const int repeats = std::max(1, static_cast<int>(lParam & 0xFFFF));
    for (int r = 0; r < repeats; ++r)
        input().postKey(code);
}
