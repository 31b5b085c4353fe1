#pragma once

// Polynomials with complex coefficients for the root finder: coefficients
// highest power first, never empty, so the degree is the size minus one.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/complex.h"

namespace lorvex::polynomial {

using Coefficients = std::vector<Complex>;

inline std::int32_t degree(const Coefficients& p) {
    return static_cast<std::int32_t>(p.size()) - 1;
}

// p(z) by Horner's rule.
Complex evaluate(const Coefficients& p, Complex z);

// p': the coefficient of x^(n-i) times n - i. The derivative of a constant is 0.
Coefficients derivative(const Coefficients& p);

struct Division {
    Coefficients quotient;
    // Leading coefficients of size at most 10^-18 are stripped; a remainder
    // that is all zero is the constant 0.
    Coefficients remainder;
};

// Long division. Empty when the divisor's leading coefficient has size below
// 10^-18. A dividend of lower degree than the divisor is its own remainder.
std::optional<Division> divide(const Coefficients& dividend, const Coefficients& divisor);

// Greatest common divisor by Euclid's algorithm: a remainder whose leading
// coefficient has size below 10^-13 counts as zero, which makes the divisor
// of that step the result; a constant remainder means no common factor. The
// result is divided by its constant term when that is not (near) zero, so a
// common factor x - r comes out as 1 - x / r and no common factor as 1.
Coefficients greatestCommonDivisor(const Coefficients& p, const Coefficients& q);

// The multiplicities of distinct roots of p, found in that order: each starts
// at 1, and each derivative p', p'', ... that vanishes (size below 10^-13) at
// a root that all the earlier derivatives vanished at adds one to it, until
// the multiplicities add up to the degree of p.
std::vector<std::int32_t> multiplicities(const Coefficients& p, const std::vector<Complex>& roots);

}  // namespace lorvex::polynomial
