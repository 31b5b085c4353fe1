#include "engine/complex.h"

#include <gtest/gtest.h>

namespace lorvex {
namespace {

// Products and quotients, also by divisors as small as 10^-12, are in the
// expression tests' golden cases, and the overflow limit in the products of
// matrices; these are the zero test and the distance built on the size.
TEST(Complex, ZeroTestAndDistanceUseTheSize) {
    EXPECT_EQ(size(Complex{-3.0L, 4.0L}), 7.0L);
    EXPECT_EQ(distance(Complex{1.0L, 2.0L}, Complex{3.0L, -1.0L}), 5.0L);
    EXPECT_TRUE(isZero(Complex{1e-18L, 0.0L}));
    EXPECT_TRUE(isZero(Complex{5e-19L, -5e-19L}));
    EXPECT_FALSE(isZero(Complex{6e-19L, -5e-19L}));
}

TEST(Complex, QuotientByZeroIsZeroNotAFailure) {
    EXPECT_EQ((Complex{7.0L, -3.0L} / ZERO), ZERO);
}

}  // namespace
}  // namespace lorvex
