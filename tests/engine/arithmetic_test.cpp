#include "engine/arithmetic.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;

// Sums, products, transposes, joins, powers and the codes of refused powers
// are in the expression tests' golden calculation cases, exact results with
// their stored reduced form; these are the overflow and a stop.
TEST(ComplexArithmetic, OverflowingProductIsStoredWithCodeTooBig) {
    ComplexMatrix out;
    EXPECT_EQ(product(realMatrix({{1e9L, 1e9L}}), realMatrix({{1e9L}, {1e9L}}), out), code::TooBig);
    EXPECT_EQ(out.at(0, 0).re, 2e18L);
    EXPECT_EQ(product(realMatrix({{1e9L}}), realMatrix({{1e9L}}), out), code::Ok);

    EXPECT_EQ(product(test::complexMatrix({{Complex{6e8L, 6e8L}}}), realMatrix({{1e9L}}), out),
              code::TooBig)
        << "the size is |re| + |im| = 1.2e18";
}

TEST(IntegerArithmetic, StopInsideThePowerEndsIt) {
    IntegerMatrix out = integerMatrix({{5}});
    const StopCheck stopNow([] { return true; });
    EXPECT_EQ(power(integerMatrix({{3, 1}, {1, 3}}), BigInt(5000), out, stopNow),
              code::NotUnderstood);
    EXPECT_EQ(out, integerMatrix({{5}}));
    IntegerMatrix big = IntegerMatrix::identity(2);
    big.at(0, 0) = test::big(std::string(4000, '7'));
    EXPECT_EQ(product(big, big, out, stopNow), code::UserStop);
    EXPECT_EQ(out, integerMatrix({{5}}));
}

}  // namespace
}  // namespace lorvex
