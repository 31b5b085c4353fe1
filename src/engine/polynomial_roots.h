#pragma once

#include <cstdint>
#include <vector>

#include "engine/complex.h"
#include "engine/random_generator.h"
#include "engine/stop_check.h"

namespace lorvex {

struct RootSearchSettings {
    // A Newton limit is accepted as a root when the size of the (rescaled)
    // square-free part there is at most this: the displaying window's zero
    // tolerance, 0.01 * 0.1^Decimals.
    long double zeroTolerance = 1e-8L;
    // In real mode the conjugate of every root with an imaginary part above
    // 10^-13 is listed right after it.
    bool complexMode = false;
};

struct PolynomialRoot {
    Complex value;
    std::int32_t multiplicity = 1;
};

struct PolynomialRoots {
    // The distinct roots in the order found, each with its multiplicity. When
    // the search ends early the multiplicities add up to less than the degree.
    std::vector<PolynomialRoot> roots;
    // Newton runs started, at most 201.
    std::int32_t attempts = 0;
    // The user stopped the search; the roots found until then are kept.
    bool stopped = false;
};

// The roots of the polynomial with the given coefficients (highest power
// first, the leading one not zero, degree at least 1), by Newton's method from
// random starting points on the square-free part q = p / gcd(p, p'), so that
// every root is simple. The polynomial is first rescaled by a power of two so
// that its largest roots are of order one (x = 2^k y; every tolerance below
// applies to the rescaled polynomial, and the roots are scaled back exactly).
// Up to 201 runs start from points drawn uniformly (from `random`) in the
// square of half side 1 + max |q_i / q_0| around 0, which holds every root.
// A run takes at most 100 steps to settle within 10^-13 and then 50 more; its
// limit counts when q there has size at most the zero tolerance and it lies at
// least 10^-7 from every root known. The search ends when deg q roots are
// known, after 201 runs, or when the stop check asks (polled once per run;
// that is no failure). Multiplicities come from successive derivatives of p.
// Returns code::Ok, or code::OutOfMemory (the result then left as it was).
int findRoots(const std::vector<Complex>& coefficients, const RootSearchSettings& settings,
              RandomGenerator& random, PolynomialRoots& result,
              const StopCheck& stop = StopCheck::never());

}  // namespace lorvex
