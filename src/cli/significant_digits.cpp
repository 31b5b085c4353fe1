#include "cli/significant_digits.h"

#include <cmath>
#include <cstdio>

namespace lorvex::cli {

std::string significantDigits(long double value, int digits) {
    // -0 and 0 are the same number; tools and readers expect "0".
    if (value == 0.0L) value = 0.0L;
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lg", digits, value);
    return text;
}

std::string complexSignificantDigits(Complex value, int digits) {
    return significantDigits(value.re, digits) + (value.im < 0 ? " - " : " + ") +
           significantDigits(std::fabs(value.im), digits) + "i";
}

}  // namespace lorvex::cli
