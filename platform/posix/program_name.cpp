#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace platform {

std::string programName(const std::string& fallback) {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || exe.empty()) return fallback;
    return exe.stem().string();
}

} // namespace platform
