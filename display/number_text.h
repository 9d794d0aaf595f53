// The number text form: the exact characters that a printed single-precision value
// becomes on the screen.
#pragma once
#include <string>

// `value` rounded to 7 significant digits, an exact halfway case away from zero, in
// general notation: fixed notation when the rounded value's decimal exponent X is
// -4 <= X < 7, otherwise d.dddddde+XXX with a signed three-digit exponent; trailing
// zeros and a bare decimal point are dropped. A text that does not start with a minus
// sign gets one blank in front.
// Special values: " inf", "-inf" and " nan" (every NaN, whatever its sign bit: the sign
// of a NaN means nothing to the operator). A negative zero prints as " 0", like zero:
// it compares equal to 0, and a "-0" result would look like a fault on a shop screen.
std::string numberText(float value);
