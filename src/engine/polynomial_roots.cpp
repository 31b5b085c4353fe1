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
// Two Newton limits closer than this, relative to their modulus, are the same
// root.
constexpr long double kDistinctRootDistance = 1e-7L;

Complex timesPowerOfTwo(Complex c, int exponent) {
    return Complex{std::ldexp(c.re, exponent), std::ldexp(c.im, exponent)};
}

// max |c_i / c_0|^(1/i): every root has a modulus of at most twice this
// (Fujiwara's bound), and the largest one at least this over the degree.
long double rootSize(const poly::Coefficients& p) {
    const long double leading = poly::modulus(p.front());
    long double size = 0.0L;
    for (std::size_t i = 1; i < p.size(); ++i) {
        const long double ratio = poly::modulus(p[i]) / leading;
        if (ratio > 0.0L) {
            size = std::max(size, std::pow(ratio, 1.0L / static_cast<long double>(i)));
        }
    }
    return size;
}

// The exponent k of the power of two nearest to the root size.
//
// Newton's settling test and the distance of the starting points are
// absolute: with entries of order ten an 8 x 8 matrix has coefficients near
// 10^8, from where Newton does not come back in 100 steps. So the search
// works on p(2^k y) / 2^(kn), whose roots are those of p divided by 2^k; the
// scaling is exact in binary floating point and is undone exactly on the
// roots found. Every other test (the gcd's, the acceptance of a root, the
// multiplicities) is relative and does not depend on the scaling.
int rootScaleExponent(const poly::Coefficients& p) {
    const long double size = rootSize(p);
    if (!(size > 0.0L) || !std::isfinite(size)) return 0;
    return static_cast<int>(std::lround(std::log2(size)));
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

// A root found, with the number of times the search counts it: its
// multiplicity once that is known, else 1 and one more for every run that
// came back to it.
struct KnownRoot {
    Complex value;
    std::int32_t weight = 1;
};

std::int32_t totalWeight(const std::vector<KnownRoot>& known) {
    std::int32_t total = 0;
    for (const KnownRoot& root : known)
        total += root.weight;
    return total;
}

KnownRoot* sameRoot(std::vector<KnownRoot>& known, Complex z) {
    for (KnownRoot& root : known) {
        const long double scale = std::max(poly::modulus(root.value), poly::modulus(z));
        // (At most, so that 0 found twice is one root.)
        if (poly::modulus(root.value - z) <= kDistinctRootDistance * scale) return &root;
    }
    return nullptr;
}

// Newton's method on a polynomial divided by the factors of the roots known
// (implicit deflation: z - 1 / (t'(z) / t(z) - sum w / (z - r))). The known
// roots repel the runs, so that each run can find a new root, and the
// quotient is never formed, so its rounding does not spoil the roots.
class NewtonSearch {
  public:
    NewtonSearch(poly::Coefficients target, long double zeroTolerance)
        : target_(std::move(target)),
          derivative_(poly::derivative(target_)),
          zeroTolerance_(zeroTolerance) {}

    // The limit of a run from z, when it settles and the target's relative
    // residual there is at most the zero tolerance.
    std::optional<Complex> run(Complex z, const std::vector<KnownRoot>& known) const {
        long double change = 1.0L;
        for (std::int32_t step = 0; step < kSettlingSteps && change > kPolynomialTolerance;
             ++step) {
            const std::optional<Complex> next = newtonStep(z, known);
            if (!next) return std::nullopt;
            change = distance(*next, z);
            z = *next;
        }
        if (!(change < kPolynomialTolerance)) return std::nullopt;
        for (std::int32_t step = 0; step < kPolishingSteps; ++step) {
            const std::optional<Complex> next = newtonStep(z, known);
            if (!next) return std::nullopt;
            z = *next;
        }
        if (!(poly::relativeResidual(target_, z) <= zeroTolerance_)) return std::nullopt;
        return z;
    }

    // The half side of the square of starting points: twice the root size,
    // so that every root lies inside and the runs start near them.
    long double radius() const { return std::max(2.0L * rootSize(target_), kPolynomialTolerance); }

    std::int32_t degree() const { return poly::degree(target_); }

  private:
    // None when the step would divide by (near) zero or z is a known root:
    // the run ends there. (Sending it to 0 instead, and on from there, would
    // bring it back to 0 for good once 0 is a known root.)
    std::optional<Complex> newtonStep(Complex z, const std::vector<KnownRoot>& known) const {
        Complex repulsion = ZERO;
        for (const KnownRoot& root : known) {
            const Complex gap = z - root.value;
            if (gap == ZERO) return std::nullopt;
            repulsion = repulsion + Complex{static_cast<long double>(root.weight)} / gap;
        }
        const Complex value = poly::evaluate(target_, z);
        if (value == ZERO) return z;
        const Complex ratio = poly::evaluate(derivative_, z) / value - repulsion;
        if (size(ratio) < kZeroTolerance) return std::nullopt;
        return z - ONE / ratio;
    }

    poly::Coefficients target_;
    poly::Coefficients derivative_;
    long double zeroTolerance_;
};

// A uniform draw in [0, 1) with a resolution of 10^-6.
long double uniformDraw(RandomGenerator& random) {
    return static_cast<long double>(random.next() % 1000000U) * 1e-6L;
}

// Newton runs on the target from random points until the weights of the
// known roots add up to its degree, the attempts are spent or the user stops.
void searchRoots(const NewtonSearch& search, bool complexMode, RandomGenerator& random,
                 const StopCheck& stop, std::vector<KnownRoot>& known, PolynomialRoots& found) {
    const long double r = search.radius();
    while (totalWeight(known) < search.degree() && found.attempts < kMaximumAttempts) {
        if (stop.requested()) {
            found.stopped = true;
            return;
        }
        ++found.attempts;
        const long double u = uniformDraw(random);
        const long double v = uniformDraw(random);
        const std::optional<Complex> z =
            search.run(Complex{r * (2.0L * u - 1.0L), r * (2.0L * v - 1.0L)}, known);
        if (!z) continue;
        if (KnownRoot* same = sameRoot(known, *z)) {
            ++same->weight;
            continue;
        }
        known.push_back(KnownRoot{*z});
        if (!complexMode && std::fabs(z->im) > kPolynomialTolerance * poly::modulus(*z) &&
            !sameRoot(known, conj(*z))) {
            known.push_back(KnownRoot{conj(*z)});
        }
    }
}

std::vector<Complex> valuesOf(const std::vector<KnownRoot>& known) {
    std::vector<Complex> values;
    values.reserve(known.size());
    for (const KnownRoot& root : known)
        values.push_back(root.value);
    return values;
}

}  // namespace

int findRoots(const std::vector<Complex>& coefficients, const RootSearchSettings& settings,
              RandomGenerator& random, PolynomialRoots& result, const StopCheck& stop) {
    assert(coefficients.size() >= 2);
    return runGuarded([&] {
        const int scaleExponent = rootScaleExponent(coefficients);
        const poly::Coefficients p = rescaled(coefficients, scaleExponent);
        const std::int32_t n = poly::degree(p);

        PolynomialRoots found;
        std::vector<KnownRoot> known;
        searchRoots(NewtonSearch(squareFreePart(p), settings.zeroTolerance), settings.complexMode,
                    random, stop, known, found);
        // A common factor of p and p' seen where there is none would give a
        // square-free part with roots that are not roots of p; each root must
        // be one of p itself, and counts as often as p says.
        const auto keepRootsOfP = [&] {
            std::erase_if(known, [&](const KnownRoot& root) {
                return !(poly::relativeResidual(p, root.value) <= settings.zeroTolerance);
            });
            const std::vector<std::int32_t> counts = poly::multiplicities(p, valuesOf(known));
            for (std::size_t i = 0; i < known.size(); ++i)
                known[i].weight = counts[i];
        };
        keepRootsOfP();
        // The roots such a factor took away are still to be found: on p
        // itself, away from those known.
        if (totalWeight(known) < n && !found.stopped) {
            searchRoots(NewtonSearch(p, settings.zeroTolerance), settings.complexMode, random, stop,
                        known, found);
            keepRootsOfP();
        }

        std::int32_t left = n;
        for (const KnownRoot& root : known) {
            if (left == 0) break;
            const std::int32_t multiplicity = std::min(root.weight, left);
            found.roots.push_back(
                PolynomialRoot{timesPowerOfTwo(root.value, scaleExponent), multiplicity});
            left -= multiplicity;
        }
        result = std::move(found);
        return code::Ok;
    });
}

}  // namespace lorvex
