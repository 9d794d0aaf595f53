#include "display/backends/win32/win32_console.h"

#include <windows.h>

void clearWin32Console() {
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
