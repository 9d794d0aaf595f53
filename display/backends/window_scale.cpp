#include "display/backends/window_scale.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "display/picture.h"

namespace {

constexpr int kLargest = 16;

// A whole number from 1 to kLargest, or 0.
int factor(const char* text) {
    if (!text || *text < '1' || *text > '9') return 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value <= kLargest ? static_cast<int>(value) : 0;
}

// The dpi / 96 of an "Xft.dpi:" line among the resources, or 0.
int xftFactor(const char* resources) {
    if (!resources) return 0;
    constexpr std::string_view kName = "Xft.dpi:";
    for (std::string_view rest = resources; !rest.empty();) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!line.starts_with(kName)) continue;
        line.remove_prefix(kName.size());
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        const double dpi = std::atof(std::string(line).c_str());
        return dpi >= 192 ? std::min(static_cast<int>(dpi / 96), kLargest) : 0;
    }
    return 0;
}

} // namespace

int windowScale(const char* tabloxScale, const char* gdkScale, const char* xResources, int fitWidth,
                int fitHeight) {
    int k = factor(tabloxScale);
    if (k == 0) k = factor(gdkScale);
    if (k == 0) k = xftFactor(xResources);
    if (k == 0) k = 1;
    while (k > 1 && ((fitWidth > 0 && k * kScreenWidth > fitWidth) ||
                     (fitHeight > 0 && k * kScreenHeight > fitHeight)))
        --k;
    return k;
}
