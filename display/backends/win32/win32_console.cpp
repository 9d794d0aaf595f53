#include "display/backends/win32/win32_console.h"

#include <windows.h>

void clearWin32Console() {
    // The console's own screen, also where the standard output goes elsewhere.
    const HANDLE out =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return;
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(out, &info)) {
        CloseHandle(out);
        return;
    }
    const COORD top{0, info.srWindow.Top};
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) *
                        static_cast<DWORD>(info.srWindow.Bottom - info.srWindow.Top + 1);
    DWORD written = 0;
    FillConsoleOutputCharacterW(out, L' ', cells, top, &written);
    FillConsoleOutputAttribute(out, info.wAttributes, cells, top, &written);
    SetConsoleCursorPosition(out, top);
    CloseHandle(out);
}
