#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lorvex {

// The longest formula, in characters once the blanks are removed.
inline constexpr std::size_t kMaxFormulaLength = 5000;

// Turns a typed formula (UTF-8) into the working text of the compilers:
// blanks removed, a-z turned into A-Z and the superscript two "²" written as
// "^2". Every other character outside ASCII is refused, so that the bytes
// 128-255 of the working text are always the compilers' own codes. Returns
// code::Ok, code::NothingToDo for an empty text, or code::NotUnderstood for a
// character outside ASCII (or text that is not UTF-8) and for a text longer
// than kMaxFormulaLength characters.
[[nodiscard]] int prepareFormulaText(std::string_view text, std::string& work);

// Reads a run of digits and points as a decimal number, locale-independently:
// the reading stops at a second point ("1.5.2" is 1.5) and a run without
// digits is 0. A magnitude beyond the range of long double reads as infinity,
// one too small for it as 0.
long double readDecimal(std::string_view run);

// Reads a typed number in full: digits with at most one point and at least
// one digit, then optionally "E", a sign and digits ("2.5E-3"). Returns
// false, leaving `value` alone, when the text is not such a number. Beyond
// the range of long double it reads as infinity, too small for it as 0.
bool readTypedNumber(std::string_view text, long double& value);

}  // namespace lorvex
