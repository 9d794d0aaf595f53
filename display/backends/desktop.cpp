#include "display/backends/desktop.h"

std::vector<BackendFactory> desktopBackends() { return {}; }
