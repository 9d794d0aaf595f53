#include "app/furniture/working_values.h"

// Both start at 0 when the process starts.
std::uint8_t choice = 0;
float scratch = 0;
