#include "workspace/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lorvex {

namespace {

std::string printed(long double value, int decimals) {
    const int width = decimals + 2;
    const int length = std::snprintf(nullptr, 0, "%*.*Lf", width, decimals, value);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%*.*Lf", width, decimals, value);
    text.pop_back();
    return text;
}

// Digits that are all zeros ("-0.00000"; not "-inf" or "nan").
bool showsZero(const std::string& text) {
    return text.find('0') != std::string::npos &&
           text.find_first_not_of(" -0.") == std::string::npos;
}

}  // namespace

// A negative number that rounds to zero at these decimals (-0.000001, or the
// negated trace of a matrix with zero trace) is written as zero, without the
// sign that would make it read as a negative number.
std::string fixedPointText(long double value, int decimals) {
    std::string text = printed(value, decimals);
    if (std::signbit(value) && showsZero(text)) text = printed(0.0L, decimals);
    return text;
}

std::string complexText(Complex value, int decimals) {
    const std::string imaginary = fixedPointText(std::fabs(value.im), decimals);
    const bool negative = value.im < 0 && !showsZero(imaginary);
    return fixedPointText(value.re, decimals) + (negative ? " - " : " + ") + imaginary + "i";
}

std::string entryText(Complex value, int decimals) {
    const std::string text =
        value.im == 0.0L ? fixedPointText(value.re, decimals) : complexText(value, decimals);
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

}  // namespace lorvex
