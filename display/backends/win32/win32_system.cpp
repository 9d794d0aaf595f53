#include "display/backends/win32/win32_system.h"

#include <windows.h>

std::wstring wideText(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, 0);
    if (size <= 0) return {};
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        out.data(), size);
    return out;
}

void nameThisThread(const wchar_t* name) {
    using SetThreadDescription = HRESULT(WINAPI*)(HANDLE, PCWSTR);
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetThreadDescription");
    if (found)
        reinterpret_cast<SetThreadDescription>(reinterpret_cast<void*>(found))(GetCurrentThread(),
                                                                               name);
}

std::string systemError(const char* what) {
    return std::string(what) + " failed (error " + std::to_string(GetLastError()) + ")";
}
