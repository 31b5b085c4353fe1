#pragma once

#include <string>

#include "engine/complex.h"

// Numbers written for people and for other programs.
namespace lorvex::cli {

// Significant digits that give every extended real back exactly when read.
inline constexpr int kExactDigits = 21;
// Significant digits that an extended real holds without fail.
inline constexpr int kReadableDigits = 18;

// The value with at most `digits` significant digits (printf's %.*Lg); a
// negative zero is written 0.
std::string significantDigits(long double value, int digits);

// A complex value the way an entry shows one: "3 + 4i", "1.5 - 2i".
std::string complexSignificantDigits(Complex value, int digits);

}  // namespace lorvex::cli
