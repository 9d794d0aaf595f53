// UTF-8, read strictly: each character in its shortest form only, no surrogate halves
// (U+D800 to U+DFFF) and nothing above U+10FFFF. Used for the typed text of both back
// ends, the window's (whole texts) and the terminal's (bytes as they arrive).
#pragma once
#include <optional>

class Utf8Decoder {
  public:
    // Takes the next byte and returns the character it completes, if any. A malformed
    // character gives none; a byte that cannot continue the character begun drops that
    // character and is read afresh.
    std::optional<char32_t> feed(unsigned char byte);
    // True while a character is begun and not yet complete.
    bool pending() const { return remaining_ > 0; }
    // Drops a character begun and not completed.
    void reset() { remaining_ = 0; }

  private:
    char32_t value_ = 0;
    char32_t smallest_ = 0; // below this the character would have a shorter form
    int remaining_ = 0;     // continuation bytes still to come
};
