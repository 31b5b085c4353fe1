#include "engine/arithmetic.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"

namespace lorvex {
namespace {

using test::realMatrix;

// Sums, products, transposes, joins, powers and the codes of refused powers
// are in the expression tests' golden calculation cases, exact results with
// their stored reduced form, and a stop inside exact products and powers is
// in the calculation language's tests; this is the overflow.
TEST(ComplexArithmetic, OverflowingProductIsStoredWithCodeTooBig) {
    ComplexMatrix out;
    EXPECT_EQ(product(realMatrix({{1e9L, 1e9L}}), realMatrix({{1e9L}, {1e9L}}), out), code::TooBig);
    EXPECT_EQ(out.at(0, 0).re, 2e18L);
    EXPECT_EQ(product(realMatrix({{1e9L}}), realMatrix({{1e9L}}), out), code::Ok);

    EXPECT_EQ(product(test::complexMatrix({{Complex{6e8L, 6e8L}}}), realMatrix({{1e9L}}), out),
              code::TooBig)
        << "the size is |re| + |im| = 1.2e18";
}

}  // namespace
}  // namespace lorvex
