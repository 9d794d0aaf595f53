#include "display/backends/desktop.h"

#include "display/backends/sdl_backend.h"

std::vector<BackendFactory> desktopBackends() {
    return {makeSdlBackend};
}
