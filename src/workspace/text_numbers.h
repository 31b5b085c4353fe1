#pragma once

#include <cstdint>
#include <string_view>

namespace lorvex {

// The decimal integer at the start of a typed text: blanks, an optional sign
// and digits, as dialog fields are read; 0 when there are no leading digits.
// Values beyond the 32-bit range are held at its limits.
std::int32_t leadingInteger(std::string_view text);

}  // namespace lorvex
