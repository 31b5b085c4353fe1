#pragma once

#include <cstdint>
#include <string_view>

namespace lorvex {

// The decimal integer at the start of a typed text: blanks, an optional sign
// and digits, as dialog fields are read; 0 when there are no leading digits.
// Values beyond the 32-bit range are held at its limits.
std::int32_t leadingInteger(std::string_view text);

// The longest decimal number at the start of a typed text, as the bound,
// angle and axis fields are read: blanks, an optional sign, digits with an
// optional point and fraction, and an optional exponent ("-1.5e3"); 0 when
// the text does not start with a number. A magnitude beyond the range of
// long double reads as an infinity, one too small for it as 0.
long double leadingDecimal(std::string_view text);

}  // namespace lorvex
