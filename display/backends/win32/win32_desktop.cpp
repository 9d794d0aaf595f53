// The program's window and console on Windows: the Win32 window is the only back end,
// and the console is the console window that Windows gives a console program.
#include <windows.h>

#include "display/backends/desktop.h"
#include "display/backends/win32/win32_backend.h"

std::vector<BackendFactory> desktopBackends() {
    return {makeWin32Backend};
}

// The visible rows of the console window filled with blanks in the console's current
// colours, over the whole width of its buffer, and the cursor put in column 1 of the
// first visible row. Nothing happens where the output is not a console.
void clearConsoleWindow() {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (out == nullptr || out == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(out, &info))
        return;
    const COORD top{0, info.srWindow.Top};
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) *
                        static_cast<DWORD>(info.srWindow.Bottom - info.srWindow.Top + 1);
    DWORD written = 0;
    FillConsoleOutputCharacterW(out, L' ', cells, top, &written);
    FillConsoleOutputAttribute(out, info.wAttributes, cells, top, &written);
    SetConsoleCursorPosition(out, top);
}
