// What the real program's entry point takes from the back ends of its platform: the
// window back ends in the order they are tried, and the clear of the console it was
// started from.
#pragma once
#include <vector>

#include "display/backend.h"

std::vector<BackendFactory> desktopBackends();
void clearDesktopConsole();
