#include "engine/arithmetic.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;

// Sums, products, transposes, joins, the usual powers of small matrices and the
// codes of refused powers are in the expression tests' golden calculation
// cases; these are the edges and what the golden cases cannot see: the stored
// common denominators.
TEST(ComplexArithmetic, OverflowingProductIsStoredWithCodeTooBig) {
    ComplexMatrix out;
    EXPECT_EQ(product(realMatrix({{1e9L, 1e9L}}), realMatrix({{1e9L}, {1e9L}}), out), code::TooBig);
    EXPECT_EQ(out.at(0, 0).re, 2e18L);
    EXPECT_EQ(product(realMatrix({{1e9L}}), realMatrix({{1e9L}}), out), code::Ok);

    EXPECT_EQ(product(test::complexMatrix({{Complex{6e8L, 6e8L}}}), realMatrix({{1e9L}}), out),
              code::TooBig)
        << "the size is |re| + |im| = 1.2e18";
}

TEST(IntegerArithmetic, SumsOverACommonDenominator) {
    IntegerMatrix out;
    ASSERT_EQ(sum(integerMatrix({{1, 0}, {0, 1}}, 2), integerMatrix({{1, 0}, {0, 1}}, 3), out),
              code::Ok);
    EXPECT_EQ(out, integerMatrix({{5, 0}, {0, 5}}, 6));
    ASSERT_EQ(difference(integerMatrix({{1, 3}}, 4), integerMatrix({{1, 1}}, 4), out), code::Ok);
    EXPECT_EQ(out, integerMatrix({{0, 1}}, 2));
    ASSERT_EQ(multiple(integerMatrix({{1, 3}}, 6), BigInt(-2), out), code::Ok);
    EXPECT_EQ(out, integerMatrix({{-1, -3}}, 3));
}

TEST(IntegerArithmetic, JoinsOverACommonDenominator) {
    IntegerMatrix out;
    ASSERT_EQ(join(integerMatrix({{1}, {1}}, 2), integerMatrix({{1, 2}, {3, 4}}, 3), out),
              code::Ok);
    EXPECT_EQ(out, integerMatrix({{3, 2, 4}, {3, 6, 8}}, 6));
    ASSERT_EQ(join(integerMatrix({{2}}, 4), integerMatrix({{6}}, 4), out), code::Ok);
    EXPECT_EQ(out, integerMatrix({{1, 3}}, 2));
}

TEST(IntegerArithmetic, Powers) {
    IntegerMatrix out;
    ASSERT_EQ(power(integerMatrix({{2}}, 3), BigInt(-3), out), code::Ok);
    EXPECT_EQ(out, integerMatrix({{27}}, 8));

    // Exponents up to 99999999 are taken; the golden cases take U^100 and
    // U^-2 and refuse 10^8 and the inverse of a singular matrix.
    ASSERT_EQ(power(integerMatrix({{1}}), BigInt(99999999), out), code::Ok);
    EXPECT_EQ(out, integerMatrix({{1}}));
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
