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

// The golden root cases pin random matrices, repeated roots, roots of every
// size and a zero root found by many runs; these are how the runs find them.
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
