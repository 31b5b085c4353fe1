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

// sqrt(re^2 + im^2).
long double modulus(Complex c);

// The largest modulus of a coefficient.
long double largestModulus(const Coefficients& p);

// |p(z)| over sum |p_i| |z|^(n-i): how far p(z) is from zero compared with
// the terms it is made of, the same for p and any multiple of it, and about
// 10^-19 at a root known to full precision.
long double relativeResidual(const Coefficients& p, Complex z);

// Greatest common divisor by Euclid's algorithm: a remainder whose largest
// coefficient is below 10^-13 times the dividend's largest coefficient counts
// as zero, which makes the divisor of that step the result; a constant
// remainder means no common factor. Each remainder goes on scaled to a
// largest coefficient of 1, so the test does not depend on the size of p. The
// result is divided by its constant term when that is not (near) zero, so a
// common factor x - r comes out as 1 - x / r and no common factor as 1.
Coefficients greatestCommonDivisor(const Coefficients& p, const Coefficients& q);

// The coefficients t_0 ... t_n of p(z + h) = sum t_j h^j, t_j = p^(j)(z) / j!.
std::vector<Complex> taylorCoefficients(const Coefficients& p, Complex z);

// The number of roots of p, with their multiplicities, within 10^-6 |z| of
// z: the j whose term |t_j| r^j of the Taylor expansion at z dominates on
// that circle (at z = 0, the order of the zero there), where a t_j below
// 10^-13 times the sum of the moduli of the terms it is made of counts as 0.
// A k-fold root whose coefficients were rounded, which is a cluster of k
// nearby roots, counts k.
std::int32_t rootsNear(const Coefficients& p, Complex z);

// The multiplicities of distinct roots of p, found in that order: each is
// rootsNear, but at least 1 and no more than leaves 1 for each later root,
// so that they never add up to more than the degree of p.
std::vector<std::int32_t> multiplicities(const Coefficients& p, const std::vector<Complex>& roots);

}  // namespace lorvex::polynomial
