// The text a value is printed as, for comparing results with the figures on screen.
#pragma once
#include <cstdio>
#include <string>

inline std::string printed(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
    return text[0] == '-' ? std::string(text) : " " + std::string(text);
}
