#include "engine/polynomial_roots.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <optional>
#include <utility>

#include "engine/guarded.h"
#include "engine/polynomial.h"
#include "engine/result_codes.h"
#include "engine/tolerances.h"

namespace lorvex {

namespace poly = polynomial;

namespace {

constexpr std::int32_t kMaximumAttempts = 201;
constexpr std::int32_t kSettlingSteps = 100;
constexpr std::int32_t kPolishingSteps = 50;
// Two accepted roots closer than this are the same root.
constexpr long double kDistinctRootDistance = 1e-7L;

long double modulus(Complex c) {
    return std::sqrt(c.re * c.re + c.im * c.im);
}

Complex timesPowerOfTwo(Complex c, int exponent) {
    return Complex{std::ldexp(c.re, exponent), std::ldexp(c.im, exponent)};
}

// The exponent k of the power of two nearest to max |c_i / c_0|^(1/i), a
// measure of the size of the largest roots (none is more than twice it).
//
// The search's tolerances are absolute: the gcd's 10^-13, Newton's 10^-13
// and its step limits, the caller's acceptance tolerance, the derivative
// tests of the multiplicities. They are right for roots of order one only:
// with entries of order ten an 8 x 8 matrix has coefficients near 10^8, from
// where Newton does not come back in 100 steps, and small coefficients make
// the gcd see a common factor that is not there. So the search works on
// p(2^k y) / 2^(kn), whose roots are those of p divided by 2^k; the scaling is
// exact in binary floating point and is undone exactly on the roots found.
int rootScaleExponent(const poly::Coefficients& p) {
    const long double leading = modulus(p.front());
    long double scale = 0.0L;
    for (std::size_t i = 1; i < p.size(); ++i) {
        const long double ratio = modulus(p[i]) / leading;
        if (ratio > 0.0L) {
            scale = std::max(scale, std::pow(ratio, 1.0L / static_cast<long double>(i)));
        }
    }
    if (!(scale > 0.0L) || !std::isfinite(scale)) return 0;
    return static_cast<int>(std::lround(std::log2(scale)));
}

// p(2^k y) / 2^(kn): the coefficient of y^(n-i) is c_i / 2^(ki).
poly::Coefficients rescaled(const poly::Coefficients& p, int k) {
    poly::Coefficients result = p;
    for (std::size_t i = 1; i < result.size(); ++i)
        result[i] = timesPowerOfTwo(p[i], -k * static_cast<int>(i));
    return result;
}

// The square-free part p / gcd(p, p'): the same roots, each simple, where
// Newton's method converges fast.
poly::Coefficients squareFreePart(const poly::Coefficients& p) {
    const poly::Coefficients common = poly::greatestCommonDivisor(p, poly::derivative(p));
    if (poly::degree(common) >= 1) {
        if (std::optional<poly::Division> division = poly::divide(p, common)) {
            return std::move(division->quotient);
        }
    }
    return p;
}

// Newton's method on the square-free part q.
class NewtonSearch {
  public:
    NewtonSearch(poly::Coefficients q, long double zeroTolerance)
        : q_(std::move(q)), derivative_(poly::derivative(q_)), zeroTolerance_(zeroTolerance) {}

    // The limit of a run from z, when it settles and q is small enough there.
    std::optional<Complex> run(Complex z) const {
        long double change = 1.0L;
        for (std::int32_t step = 0; step < kSettlingSteps && change > kPolynomialTolerance;
             ++step) {
            const Complex next = newtonStep(z);
            change = distance(next, z);
            z = next;
        }
        if (!(change < kPolynomialTolerance)) return std::nullopt;
        for (std::int32_t step = 0; step < kPolishingSteps; ++step)
            z = newtonStep(z);
        if (!(size(poly::evaluate(q_, z)) <= zeroTolerance_)) return std::nullopt;
        return z;
    }

    // The half side of the square of starting points: Cauchy's bound
    // 1 + max |q_i / q_0|, so that every root lies inside. (The largest
    // modulus of a coefficient may fall short of a root: a root outside the
    // square is reached only from a thin sliver of it, and then often never.)
    long double radius() const {
        const long double leading = modulus(q_.front());
        long double largest = 0.0L;
        for (std::size_t i = 1; i < q_.size(); ++i)
            largest = std::max(largest, modulus(q_[i]) / leading);
        return 1.0L + largest;
    }

  private:
    // z - q(z) / q'(z), written as (z q'(z) - q(z)) / q'(z); a (near) zero
    // derivative sends the run to 0 instead of failing.
    Complex newtonStep(Complex z) const {
        const Complex slope = poly::evaluate(derivative_, z);
        if (size(slope) < kZeroTolerance) return ZERO;
        return (z * slope - poly::evaluate(q_, z)) / slope;
    }

    poly::Coefficients q_;
    poly::Coefficients derivative_;
    long double zeroTolerance_;
};

// A uniform draw in [0, 1) with a resolution of 10^-6.
long double uniformDraw(RandomGenerator& random) {
    return static_cast<long double>(random.next() % 1000000U) * 1e-6L;
}

bool isNew(const std::vector<Complex>& known, Complex z) {
    return std::all_of(known.begin(), known.end(), [z](const Complex& root) {
        return distance(root, z) >= kDistinctRootDistance;
    });
}

}  // namespace

int findRoots(const std::vector<Complex>& coefficients, const RootSearchSettings& settings,
              RandomGenerator& random, PolynomialRoots& result, const StopCheck& stop) {
    assert(coefficients.size() >= 2);
    return runGuarded([&] {
        const int scaleExponent = rootScaleExponent(coefficients);
        const poly::Coefficients p = rescaled(coefficients, scaleExponent);
        const poly::Coefficients q = squareFreePart(p);
        const auto wanted = static_cast<std::size_t>(poly::degree(q));
        const NewtonSearch search(q, settings.zeroTolerance);
        const long double r = search.radius();

        PolynomialRoots found;
        std::vector<Complex> roots;
        while (roots.size() < wanted && found.attempts < kMaximumAttempts) {
            if (stop.requested()) {
                found.stopped = true;
                break;
            }
            ++found.attempts;
            const long double u = uniformDraw(random);
            const long double v = uniformDraw(random);
            const std::optional<Complex> z =
                search.run(Complex{r * (2.0L * u - 1.0L), r * (2.0L * v - 1.0L)});
            if (!z || !isNew(roots, *z)) continue;
            roots.push_back(*z);
            if (!settings.complexMode && std::fabs(z->im) > kPolynomialTolerance) {
                roots.push_back(conj(*z));
            }
        }

        const std::vector<std::int32_t> counts = poly::multiplicities(p, roots);
        for (std::size_t i = 0; i < roots.size(); ++i) {
            found.roots.push_back(
                PolynomialRoot{timesPowerOfTwo(roots[i], scaleExponent), counts[i]});
        }
        result = std::move(found);
        return code::Ok;
    });
}

}  // namespace lorvex
