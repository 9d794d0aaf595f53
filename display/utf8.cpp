// The strict UTF-8 decoder.
#include "display/utf8.h"

std::optional<char32_t> Utf8Decoder::feed(unsigned char byte) {
    if (remaining_ > 0 && (byte & 0xC0) == 0x80) {
        value_ = (value_ << 6) | (byte & 0x3F);
        if (--remaining_ > 0) return std::nullopt;
        const bool surrogate = value_ >= 0xD800 && value_ <= 0xDFFF;
        if (value_ < smallest_ || value_ > 0x10FFFF || surrogate) return std::nullopt;
        return value_;
    }
    remaining_ = 0;
    if (byte < 0x80) return byte;
    // A continuation byte without a start, or a start byte that begins only overlong
    // forms (C0, C1) or characters above U+10FFFF (F5 to FF): nothing.
    if (byte < 0xC2 || byte > 0xF4) return std::nullopt;
    const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
    remaining_ = length - 1;
    smallest_ = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    value_ = byte & (0x7F >> length);
    return std::nullopt;
}
