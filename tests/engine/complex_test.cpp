#include "engine/complex.h"

#include <gtest/gtest.h>

namespace lorvex {
namespace {

TEST(Complex, ElementArithmetic) {
    const Complex a{1.0L, 2.0L};
    const Complex b{3.0L, -1.0L};
    EXPECT_EQ(a * b, (Complex{5.0L, 5.0L}));
    const Complex q = Complex{5.0L, 5.0L} / b;
    EXPECT_NEAR(static_cast<double>(q.re), 1.0, 1e-18);
    EXPECT_NEAR(static_cast<double>(q.im), 2.0, 1e-18);
    EXPECT_EQ(size(Complex{-3.0L, 4.0L}), 7.0L);
    EXPECT_EQ(distance(a, b), 5.0L);
}

TEST(Complex, QuotientByZeroIsZeroNotAFailure) {
    EXPECT_EQ((Complex{7.0L, -3.0L} / ZERO), ZERO);
}

TEST(Complex, QuotientBySmallNonZeroDivisorsIsExact) {
    // With the squared modulus clamped at 10^-18, dividing by 10^-10 would
    // give 10^8 instead of 10^10.
    const Complex q = ONE / Complex{1e-10L, 0.0L};
    EXPECT_NEAR(static_cast<double>(q.re / 1e10L), 1.0, 1e-15);
    const Complex r = Complex{0.0L, 1.0L} / Complex{0.0L, 1e-12L};
    EXPECT_NEAR(static_cast<double>(r.re / 1e12L), 1.0, 1e-15);
    EXPECT_EQ(r.im, 0.0L);
}

TEST(Complex, ZeroAndOverflowTestsUseTheSize) {
    EXPECT_TRUE(isZero(Complex{1e-18L, 0.0L}));
    EXPECT_TRUE(isZero(Complex{5e-19L, -5e-19L}));
    EXPECT_FALSE(isZero(Complex{6e-19L, -5e-19L}));
    EXPECT_FALSE(exceedsOverflowLimit(Complex{1e18L, 0.0L}));
    EXPECT_TRUE(exceedsOverflowLimit(Complex{6e17L, -6e17L}));
}

}  // namespace
}  // namespace lorvex
