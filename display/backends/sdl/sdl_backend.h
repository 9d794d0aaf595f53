// The window back end of the desktop program, on SDL2.
#pragma once
#include <memory>

#include "display/backend.h"

std::unique_ptr<WindowBackend> makeSdlBackend();
