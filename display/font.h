// The 8x16 screen font: one glyph for each code page 437 byte value.
#pragma once
#include <cstdint>

// 16 bytes per glyph, one per pixel row from the top; bit 0 is the leftmost pixel.
extern const std::uint8_t kFont[256][16];
