#include "workspace/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lorvex {

std::string fixedPointText(long double value, int decimals) {
    // A negative zero (the negated trace of a matrix with zero trace) is zero.
    if (value == 0.0L) value = 0.0L;
    const int width = decimals + 2;
    const int length = std::snprintf(nullptr, 0, "%*.*Lf", width, decimals, value);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%*.*Lf", width, decimals, value);
    text.pop_back();
    return text;
}

std::string complexText(Complex value, int decimals) {
    return fixedPointText(value.re, decimals) + (value.im >= 0 ? " + " : " - ") +
           fixedPointText(std::fabs(value.im), decimals) + "i";
}

}  // namespace lorvex
