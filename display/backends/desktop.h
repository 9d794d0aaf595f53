// The window back ends of the real program, in the order they are tried.
#pragma once
#include <vector>

#include "display/window_service.h"

std::vector<BackendFactory> desktopBackends();
