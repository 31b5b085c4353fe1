#pragma once

#include <cstdint>
#include <string_view>

#include "workspace/prompter.h"

namespace lorvex {

// Asks for a whole number in a one-input dialog that starts with `value` as
// decimal text. Returns code::Ok with the number in `value`;
// code::OutOfRange when the number typed lies outside minimum ... maximum
// (`value` then holds it as typed); or code::CannotSaveFile (12, the code
// the callers know as "cancelled") when the dialog was cancelled, `value`
// unchanged. A text without leading digits reads as 0.
int askNumber(Prompter& prompter, std::string_view title, std::string_view prompt,
              std::int32_t minimum, std::int32_t maximum, std::int32_t& value);

}  // namespace lorvex
