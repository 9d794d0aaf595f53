// The platform layer on Windows: the program's name from its executable's path, and the
// console's Ctrl+C, Ctrl+Break and close turned into the program's orderly end.
#include "platform/platform.h"

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

namespace platform {

namespace {

// How a process ends when the console's Ctrl+C, Ctrl+Break or close ends it by default.
constexpr DWORD kConsoleEndStatus = STATUS_CONTROL_C_EXIT;

std::atomic<void (*)(int)> endCallback{nullptr};
std::atomic<bool> noted{false};
bool installed = false;

// Runs on a thread that the system starts for each event.
BOOL WINAPI onConsoleControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT)
        return FALSE;                                         // the default handling
    if (noted.exchange(true)) ExitProcess(kConsoleEndStatus); // asked again while ending
    if (void (*requestEnd)(int) = endCallback.load())
        requestEnd(static_cast<int>(kConsoleEndStatus));
    if (event != CTRL_CLOSE_EVENT) return TRUE;
    // The console is closing: the system ends the process as soon as this returns (or
    // after about five seconds), so this thread waits for the program's orderly end,
    // whose finishEndRequest ends the process and this thread with it.
    Sleep(INFINITE);
    return TRUE;
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

} // namespace

std::string programName(const std::string& fallback) {
    // A path may be longer than MAX_PATH; the buffer grows until the whole path fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return fallback;
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        if (path.size() >= 32768) return fallback;
        path.resize(path.size() * 2);
    }
    std::wstring name(path.begin(), path.end());
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0) name.erase(dot);
    const std::string converted = utf8(name);
    return converted.empty() ? fallback : converted;
}

void watchEndRequests(void (*requestEnd)(int status)) {
    endCallback.store(requestEnd);
    if (!installed) installed = SetConsoleCtrlHandler(onConsoleControl, TRUE) != 0;
}

void unwatchEndRequests() {
    if (installed) SetConsoleCtrlHandler(onConsoleControl, FALSE);
    installed = false;
    endCallback.store(nullptr);
    noted.store(false);
}

bool endRequestNoted() {
    return noted.load();
}

void finishEndRequest() {
    ExitProcess(kConsoleEndStatus);
}

} // namespace platform
