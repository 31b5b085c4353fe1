#include "engine/polynomial_roots.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::reals;

const RootSearchSettings realMode{1e-8L, false};
const RootSearchSettings complexMode{1e-8L, true};

PolynomialRoots rootsOf(const std::vector<Complex>& c, const RootSearchSettings& settings,
                        std::uint32_t seed) {
    RandomGenerator random(seed);
    PolynomialRoots found;
    EXPECT_EQ(findRoots(c, settings, random, found), code::Ok);
    return found;
}

// The coefficients of the monic product of (x - root)^multiplicity.
std::vector<Complex> expand(const std::vector<PolynomialRoot>& roots) {
    std::vector<Complex> p{ONE};
    for (const PolynomialRoot& root : roots) {
        for (std::int32_t k = 0; k < root.multiplicity; ++k) {
            std::vector<Complex> next(p.size() + 1, ZERO);
            for (std::size_t i = 0; i < p.size(); ++i) {
                next[i] = next[i] + p[i];
                next[i + 1] = next[i + 1] - p[i] * root.value;
            }
            p = std::move(next);
        }
    }
    return p;
}

// Whether the roots give back the coefficients, within `relative` times the
// largest coefficient.
::testing::AssertionResult reproduces(const PolynomialRoots& found, const std::vector<Complex>& c,
                                      long double relative) {
    const std::vector<Complex> p = expand(found.roots);
    if (p.size() != c.size()) {
        return ::testing::AssertionFailure()
               << "multiplicities add up to " << p.size() - 1 << " of " << c.size() - 1;
    }
    long double largest = 0.0L;
    for (const Complex& x : c)
        largest = std::max(largest, size(x));
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (distance(p[i], c[i]) > relative * largest) {
            return ::testing::AssertionFailure() << "coefficient " << i;
        }
    }
    return ::testing::AssertionSuccess();
}

// The golden root cases pin random matrices, repeated roots and roots of
// every size; these are how the runs find them.
TEST(PolynomialRoots, ConjugatePairs) {
    PolynomialRoots found;
    // x^2 + 1 in real mode: one Newton run finds i or -i, and its conjugate
    // is appended right after it.
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        found = rootsOf(reals({1, 0, 1}), realMode, seed);
        ASSERT_EQ(found.roots.size(), 2U);
        EXPECT_LT(std::fabs(std::fabs(found.roots[0].value.im) - 1.0L), 1e-15L);
        EXPECT_EQ(found.roots[1].value, conj(found.roots[0].value));
        EXPECT_EQ(found.attempts, 1);
    }
    // In complex mode each is found by a run of its own.
    found = rootsOf(reals({1, 0, 1}), complexMode, 7);
    ASSERT_EQ(found.roots.size(), 2U);
    EXPECT_GE(found.attempts, 2);
}

TEST(PolynomialRoots, ZeroIsFoundOnceWithItsMultiplicity) {
    // x^4, x^3 (x - 1) and x^2 (x^2 + 1): 0 is a root of every run that
    // fails to settle elsewhere; it must still be listed once.
    struct Case {
        std::vector<Complex> coefficients;
        std::size_t distinct;
        std::int32_t atZero;
    };
    const Case cases[] = {{reals({1, 0, 0, 0, 0}), 1, 4},
                          {reals({1, -1, 0, 0, 0}), 2, 3},
                          {reals({1, 0, 1, 0, 0}), 3, 2}};
    for (const Case& c : cases) {
        for (std::uint32_t seed = 1; seed <= 30; ++seed) {
            const PolynomialRoots found = rootsOf(c.coefficients, realMode, seed);
            ASSERT_EQ(found.roots.size(), c.distinct) << seed;
            for (const PolynomialRoot& root : found.roots) {
                if (root.value == ZERO) {
                    EXPECT_EQ(root.multiplicity, c.atZero) << seed;
                }
            }
            EXPECT_TRUE(reproduces(found, c.coefficients, 1e-15L)) << seed;
        }
    }
}

TEST(PolynomialRoots, RootsOutsideTheCoefficientsModulusAreFound) {
    // (x + 1.7)(x + 0.2)(x^2 - 0.8x + 0.41): the root -1.7 lies beyond the
    // largest coefficient, 1.1, and is reached from few points near 0.
    const std::vector<Complex> c = expand({{Complex{-1.7L, 0}, 1},
                                           {Complex{-0.2L, 0}, 1},
                                           {Complex{0.4L, 0.5L}, 1},
                                           {Complex{0.4L, -0.5L}, 1}});
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        const PolynomialRoots found = rootsOf(c, realMode, seed);
        EXPECT_EQ(found.roots.size(), 4U) << seed;
        EXPECT_TRUE(reproduces(found, c, 1e-12L)) << seed;
    }
}

TEST(PolynomialRoots, StopKeepsTheRootsFoundSoFar) {
    // (x - 1)(x - 2)(x - 3)(x - 4)(x - 5): stopped before the third run.
    const std::vector<Complex> c = reals({1, -15, 85, -225, 274, -120});
    RandomGenerator random(12);
    int polls = 0;
    PolynomialRoots found;
    ASSERT_EQ(findRoots(c, realMode, random, found, StopCheck([&polls] { return ++polls == 3; })),
              code::Ok);
    EXPECT_TRUE(found.stopped);
    EXPECT_EQ(found.attempts, 2);
    ASSERT_FALSE(found.roots.empty());
    EXPECT_LE(found.roots.size(), 2U);
    EXPECT_LT(std::fabs(found.roots[0].value.re - std::round(found.roots[0].value.re)), 1e-12L);
}

}  // namespace
}  // namespace lorvex
