#include "engine/polynomial.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"

namespace lorvex::polynomial {
namespace {

using test::expectNear;
using test::reals;

TEST(Polynomial, DerivativeAndLongDivision) {
    EXPECT_EQ(derivative(reals({7})), reals({0}));

    // 2x^2 + 1 = (x + 1)(2x - 2) + 3.
    std::optional<Division> d = divide(reals({2, 0, 1}), reals({1, 1}));
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->quotient, reals({2, -2}));
    EXPECT_EQ(d->remainder, reals({3}));
    // Leading zeros of the remainder are stripped: x^3 + x + 1 by x^2 + 1
    // leaves 0x + 1; x^3 - 1 by x - 1 leaves the constant 0.
    EXPECT_EQ(divide(reals({1, 0, 1, 1}), reals({1, 0, 1}))->remainder, reals({1}));
    EXPECT_EQ(divide(reals({1, 0, 0, -1}), reals({1, -1}))->remainder, reals({0}));
    EXPECT_EQ(divide(reals({3, 4}), reals({1, 0, 1}))->remainder, reals({3, 4}));
    EXPECT_FALSE(divide(reals({1, 2, 3}), reals({1e-19L, 1})).has_value());
}

TEST(Polynomial, GreatestCommonDivisor) {
    // (x - 1)^3 and 3 (x - 1)^2: the first remainder is (near) zero, so the
    // gcd is the derivative over its constant 3.
    expectNear(greatestCommonDivisor(reals({1, -3, 3, -1}), reals({3, -6, 3})), reals({1, -2, 1}),
               1e-15L);

    // (x - 1)^2 (x - 2) and its derivative: x - 1 over its constant, 1 - x.
    expectNear(greatestCommonDivisor(reals({1, -4, 5, -2}), reals({3, -8, 5})), reals({-1, 1}),
               1e-15L);

    // x^2 + 1 and 2x have no common factor: the remainder 1 is a constant.
    EXPECT_EQ(greatestCommonDivisor(reals({1, 0, 1}), reals({2, 0})), reals({1}));

    // x^3 and 3x^2: the constant term of 3x^2 is 0, so it stays as it is.
    EXPECT_EQ(greatestCommonDivisor(reals({1, 0, 0, 0}), reals({3, 0, 0})), reals({3, 0, 0}));

    // The size of the coefficients does not matter: c (x - 1)(x - 2)(x - 3)
    // and its derivative have no common factor, c (x - 1)^2 (x - 2) has x - 1.
    for (const long double c : {1e-14L, 1e14L}) {
        EXPECT_EQ(greatestCommonDivisor(reals({c, -6 * c, 11 * c, -6 * c}),
                                        reals({3 * c, -12 * c, 11 * c})),
                  reals({1}))
            << static_cast<double>(c);
        expectNear(
            greatestCommonDivisor(reals({c, -4 * c, 5 * c, -2 * c}), reals({3 * c, -8 * c, 5 * c})),
            reals({-1, 1}), 1e-15L);
    }
}

TEST(Polynomial, MultiplicitiesCountTheRootsNearEachRoot) {
    // (x - 1)^3 (x - 4)(x - 5) = x^5 - 12x^4 + 50x^3 - 88x^2 + 69x - 20.
    const Coefficients p = reals({1, -12, 50, -88, 69, -20});
    using Counts = std::vector<std::int32_t>;
    EXPECT_EQ(multiplicities(p, {Complex{1, 0}, Complex{4, 0}, Complex{5, 0}}), (Counts{3, 1, 1}));
    // p'' vanishes at the simple root 4 as well; p' does not, so 4 stays
    // simple, whatever the order in which the roots were found.
    EXPECT_EQ(multiplicities(p, {Complex{4, 0}, Complex{5, 0}, Complex{1, 0}}), (Counts{1, 1, 3}));

    // x^3 (x - 1): at 0 the order of the zero.
    EXPECT_EQ(multiplicities(reals({1, -1, 0, 0, 0}), {ZERO, ONE}), (Counts{3, 1}));
    // (x - 1)(x - 1 - 10^-10), a double root that rounding split, is one
    // root of multiplicity 2; (x - 1)(x - 1.001) has two simple roots.
    EXPECT_EQ(multiplicities(reals({1, -2 - 1e-10L, 1 + 1e-10L}), {ONE}), (Counts{2}));
    EXPECT_EQ(multiplicities(reals({1, -2.001L, 1.001L}), {ONE, Complex{1.001L, 0}}),
              (Counts{1, 1}));

    // The counting stops at the degree: (x - 2)^2 with 2 found twice.
    EXPECT_EQ(multiplicities(reals({1, -4, 4}), {Complex{2, 0}, Complex{2, 0}}), (Counts{1, 1}));
}

}  // namespace
}  // namespace lorvex::polynomial
