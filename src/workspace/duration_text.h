#pragma once

#include <string>

namespace lorvex {

// A length of time as a person reads it, to the precision that matters:
// "45 s", "3 min 05 s", "2 h 07 min", "12 dias", and "mais de 1000 anos"
// past that.
std::string durationText(double seconds);

}  // namespace lorvex
