// The terminal input check: any bytes through the terminal back end's key decoder.
#include <algorithm>
#include <cstddef>

#include "display/backends/terminal/terminal_keys.h"
#include "tests/fuzz_checks.h"

namespace {

// A key code that the key buffer can carry: a character 1..255, or an extended code
// scan * 256 + 255 with a scan code 1..255.
bool validCode(int code) {
    if (code >= 1 && code <= 255) return true;
    return code > 255 && code <= 0xFFFF && (code & 0xFF) == 0xFF;
}

std::vector<int> decodeWhole(std::string_view bytes) {
    TerminalKeyDecoder decoder;
    std::vector<int> codes;
    decoder.feed(bytes, codes);
    decoder.timeout(codes);
    return codes;
}

// The bytes in pieces of 1 to 8 bytes, as reads from the terminal may bring them.
std::vector<int> decodeInPieces(std::string_view bytes) {
    TerminalKeyDecoder decoder;
    std::vector<int> codes;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t piece = 1 + (static_cast<unsigned char>(bytes[i]) + i) % 8;
        decoder.feed(bytes.substr(i, std::min(piece, bytes.size() - i)), codes);
        i += piece;
    }
    decoder.timeout(codes);
    return codes;
}

} // namespace

Problem checkTerminalBytes(std::string_view bytes) {
    const std::vector<int> whole = decodeWhole(bytes);
    if (decodeInPieces(bytes) != whole) return "the codes depend on how the bytes were read";
    // At most one code per byte; Shift+Tab gives two for its three bytes, and a lone
    // Esc at the end one more after the wait.
    if (whole.size() > bytes.size() + 1) return "more codes than bytes";
    for (int code : whole)
        if (!validCode(code)) return "invalid key code " + std::to_string(code);
    const bool plain =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    if (plain && whole != std::vector<int>(bytes.begin(), bytes.end()))
        return "printable characters did not come through as themselves";
    // Whatever came before, once the wait is over the next key is read as it is.
    TerminalKeyDecoder decoder;
    std::vector<int> codes;
    decoder.feed(bytes, codes);
    decoder.timeout(codes);
    if (decoder.pending()) return "still waiting after the wait";
    codes.clear();
    decoder.feed("7\r", codes);
    if (codes != std::vector<int>{'7', 13}) return "keys after the wait are not read as typed";
    return std::nullopt;
}
