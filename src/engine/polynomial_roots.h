#pragma once

#include <cstdint>
#include <vector>

#include "engine/complex.h"
#include "engine/random_generator.h"
#include "engine/stop_check.h"

namespace lorvex {

struct RootSearchSettings {
    // A Newton limit is accepted as a root when the relative residual
    // |p(z)| / sum |p_i| |z|^(n-i) of the polynomial searched, and of p
    // itself, is at most this: the displaying window's zero tolerance,
    // 0.01 * 0.1^Decimals. (An absolute |p(z)| is useless as a test: at a
    // root known to full precision it grows with the size of the
    // coefficients, 10^-5 and more for a matrix of order 16.)
    long double zeroTolerance = 1e-8L;
    // In real mode the conjugate of every root with an imaginary part above
    // 10^-13 of its modulus is listed right after it.
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
// that its largest roots are of order one (x = 2^k y; the roots are scaled
// back exactly); every test but Newton's settling is relative to the size of
// the coefficients, so the rescaling cannot make small coefficients look like
// zero. Up to 201 runs start from points drawn uniformly (from `random`) in
// the square of half side 2 max |q_i / q_0|^(1/i) around 0, which holds every
// root. A run is Newton's method on q divided by the factors of the roots
// already known (so each run can find a new one); it takes at most 100 steps
// to settle within 10^-13 and then 50 more, ends at a step that would divide
// by (near) zero or at a known root, and its limit counts when its
// relative residual is at most the zero tolerance: as a new root, or, within
// 10^-7 |z| of a known one, as that root once more. Each root of q must also
// be a root of p (its relative residual there at most the zero tolerance);
// when the multiplicities then add up to less than the degree (a common
// factor of p and p' seen where there is none), the remaining runs go on, in
// the same way, on p itself. The multiplicity of a root is the number of
// roots of p within 10^-6 of its modulus (polynomial::rootsNear), a cluster
// that rounding made of a multiple root counting as one root. The search
// ends when the multiplicities add up to the degree, after 201 runs, or when
// the stop check asks (polled once per run; that is no failure). The
// multiplicities never add up to more than the degree.
// Returns code::Ok, or code::OutOfMemory (the result then left as it was).
[[nodiscard]] int findRoots(const std::vector<Complex>& coefficients,
                            const RootSearchSettings& settings, RandomGenerator& random,
                            PolynomialRoots& result, const StopCheck& stop = StopCheck::never());

}  // namespace lorvex
