// One window of the Win32 back end: a top-level window showing its copy of the picture
// as an 8-bit device-independent bitmap with the 16-colour palette, scaled by a whole
// multiple, and turning its key messages into key codes. Window thread only: every
// member is called on the thread that created the window.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "display/backends/win32/win32_keys.h"
#include "display/picture.h"

class Win32Window {
  public:
    // Registers the window class (the arrow pointer, the program's icon) for the calling
    // thread's windows, or undoes that.
    static bool registerClass(std::string& why);
    static void unregisterClass();

    // Creates a window titled `title` whose client area is 640x480 times the display's
    // scale, centred in the primary monitor's work area, all black, in the foreground
    // with the keyboard. Its key presses go through `keys` to input(). Null with `why`
    // when it cannot be made.
    static std::unique_ptr<Win32Window> create(const std::wstring& title, Win32KeyTranslator& keys,
                                               std::string& why);
    ~Win32Window();
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    HWND handle() const { return hwnd_; }
    // The copy of the picture that takeFrame brings up to date.
    Frame& frame() { return *frame_; }
    // Draws the rows that the last takeFrame changed, in the palette it brought.
    void showChangedRows();

  private:
    explicit Win32Window(Win32KeyTranslator& keys);
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT keyDown(UINT message, WPARAM wParam, LPARAM lParam);
    void character(WPARAM wParam, LPARAM lParam);
    void placeCentred(UINT dpi);
    void layOut();
    void paint();
    void drawRows(HDC dc, int first, int count);
    void enterFullScreen();
    void leaveFullScreen();

    HWND hwnd_ = nullptr;
    Win32KeyTranslator& keys_;
    std::unique_ptr<Frame> frame_;
    // The bitmap's header and its 256 colours, the first 16 the picture's palette.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } bitmap_{};
    // Where the picture lies in the client area and how large each of its pixels is.
    int scale_ = 1;
    POINT origin_{0, 0};
    bool fullScreen_ = false;
    LONG windowStyle_ = 0;        // the style to go back to from full screen
    WINDOWPLACEMENT placement_{}; // the place to go back to from full screen
};
