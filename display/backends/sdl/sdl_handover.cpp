#include "display/backends/sdl/sdl_handover.h"

#include <algorithm>

void WindowHandover::retire(const std::vector<Uint32>& ids) {
    for (const Uint32 id : ids) {
        const auto w = std::find_if(windows_.begin(), windows_.end(),
                                    [&](const auto& each) { return each->id() == id; });
        if (w == windows_.end()) continue;
        retired_.push_back(std::move(*w));
        windows_.erase(w);
    }
}

void WindowHandover::closeNewest(Uint32 id, const std::function<void()>& handleEvents) {
    retire({id});
    endRetired(handleEvents);
}

void WindowHandover::endRetired(const std::function<void()>& handleEvents) {
    if (retired_.empty()) return;
    for (auto& w : retired_)
        w->awaitPendingEvents();
    handleEvents();
    retired_.clear();
}

void WindowHandover::clear() {
    retired_.clear();
    windows_.clear();
}

SdlWindow* WindowHandover::find(Uint32 id) const {
    for (auto& w : windows_)
        if (w->id() == id) return w.get();
    return nullptr;
}
