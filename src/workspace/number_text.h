#pragma once

#include <string>

#include "engine/complex.h"

// Numbers written as the matrix windows write their entries.
namespace lorvex {

// printf's "%<decimals + 2>.<decimals>Lf": 2.6 with no decimals is " 3".
std::string fixedPointText(long double value, int decimals);

// The real part as above, " + " or " - ", the magnitude of the imaginary part
// and "i": 1.50000 - 2.00000i.
std::string complexText(Complex value, int decimals);

// An entry of a worked solution: the real or complex text without its
// leading padding.
std::string entryText(Complex value, int decimals);

}  // namespace lorvex
