// The values that live for the whole run: the menu choice and the pauses' scratch value.
#pragma once
#include <cstdint>

// The menu selection, and the answer of every confirmation question.
extern std::uint8_t choice;
// What every closing pause reads into; nothing uses it.
extern float scratch;
