// Small helpers of the Win32 back end around the system's calls.
#pragma once
#include <string>

// UTF-8 to the UTF-16 of Windows' wide calls; an empty text for malformed input.
std::wstring wideText(const std::string& utf8);
// Names the calling thread for debuggers and process viewers, where Windows can
// (Windows 10 1607 on).
void nameThisThread(const wchar_t* name);
// "WHAT failed (error N)" with GetLastError's number.
std::string systemError(const char* what);
