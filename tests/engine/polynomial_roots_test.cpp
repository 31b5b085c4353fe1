#include "engine/polynomial_roots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/characteristic_polynomial.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::realMatrix;
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

std::vector<Complex> charpoly(const ComplexMatrix& m) {
    std::vector<Complex> c;
    EXPECT_EQ(characteristicPolynomial(m, c), code::Ok);
    return c;
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

TEST(PolynomialRoots, SimpleCases) {
    // x - 2: the root 2.
    PolynomialRoots found = rootsOf(reals({1, -2}), realMode, 1);
    ASSERT_EQ(found.roots.size(), 1U);
    EXPECT_LT(distance(found.roots[0].value, Complex{2, 0}), 1e-15L);
    EXPECT_EQ(found.roots[0].multiplicity, 1);

    // (x - 1)^3 of the 3 x 3 identity: one root 1 of multiplicity 3.
    found = rootsOf(charpoly(ComplexMatrix::identity(3)), realMode, 2);
    ASSERT_EQ(found.roots.size(), 1U);
    EXPECT_LT(distance(found.roots[0].value, ONE), 1e-15L);
    EXPECT_EQ(found.roots[0].multiplicity, 3);

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

TEST(PolynomialRoots, MultiplicitiesDoNotDependOnTheOrderFound) {
    // diag(1, 1, 1, 4, 5): 1 three times, whichever root is found first.
    const std::vector<Complex> c = charpoly(realMatrix(
        {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 4, 0}, {0, 0, 0, 0, 5}}));
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        const PolynomialRoots found = rootsOf(c, realMode, seed);
        ASSERT_EQ(found.roots.size(), 3U);
        for (const PolynomialRoot& root : found.roots)
            EXPECT_EQ(root.multiplicity, std::fabs(root.value.re - 1) < 1e-9L ? 3 : 1) << seed;
    }
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

TEST(PolynomialRoots, RandomMatricesOfOrderEight) {
    // Entries uniform in [-1, 1], [-10, 10] and [-1000, 1000] (coefficients
    // up to 10^24), and integers -9 ... 9.
    std::mt19937 engine(31);
    RandomGenerator random(5);
    for (int kind = 0; kind < 4; ++kind) {
        std::uniform_real_distribution<double> value(-1.0, 1.0);
        std::uniform_int_distribution<int> digit(-9, 9);
        const long double scale = kind == 0 ? 1.0L : kind == 1 ? 10.0L : 1000.0L;
        for (int round = 0; round < 25; ++round) {
            ComplexMatrix m(8, 8);
            for (Complex& x : m.cells) {
                x.re = kind == 3 ? static_cast<long double>(digit(engine)) : scale * value(engine);
            }
            const std::vector<Complex> c = charpoly(m);
            PolynomialRoots found;
            ASSERT_EQ(findRoots(c, realMode, random, found), code::Ok);
            EXPECT_TRUE(reproduces(found, c, 1e-8L)) << kind << " " << round;
        }
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
