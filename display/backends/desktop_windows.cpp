#include "display/backends/desktop.h"

#include "display/backends/win32/win32_backend.h"
#include "display/backends/win32/win32_console.h"

// On Windows the program's window is the Win32 one; there is no other to fall back on.
std::vector<BackendFactory> desktopBackends() {
    return {makeWin32Backend};
}

// The console window that Windows opened for the program, or the one it was started in.
void clearDesktopConsole() {
    clearWin32Console();
}
