// The window back end of the program on Windows: a native Win32 window.
#pragma once
#include <memory>

#include "display/backend.h"

std::unique_ptr<WindowBackend> makeWin32Backend();
