#include "engine/rational.h"

#include <gtest/gtest.h>

#include "engine/guarded.h"
#include "engine/matrix_builders.h"

namespace lorvex {
namespace {

using test::integerMatrix;

const StopCheck& noStop = StopCheck::never();

TEST(Rational, FractionArithmeticReduces) {
    const Fraction half{BigInt(1), BigInt(2)};
    const Fraction third{BigInt(1), BigInt(3)};
    EXPECT_EQ(sum(half, third, noStop), (Fraction{BigInt(5), BigInt(6)}));
    EXPECT_EQ(difference(half, half, noStop), (Fraction{BigInt(0), BigInt(1)}));
    EXPECT_EQ(product(Fraction{BigInt(4), BigInt(9)}, Fraction{BigInt(3), BigInt(8)}, noStop),
              (Fraction{BigInt(1), BigInt(6)}));
    EXPECT_EQ(reduce(Fraction{BigInt(-12), BigInt(18)}, noStop), (Fraction{BigInt(-2), BigInt(3)}));
}

TEST(Rational, NormalisingAMatrix) {
    IntegerMatrix m = integerMatrix({{4, -2}}, 2);
    normalize(m, noStop);
    EXPECT_EQ(m, integerMatrix({{2, -1}}, 1));

    IntegerMatrix negative = integerMatrix({{3, -6}, {9, 0}}, -12);
    normalize(negative, noStop);
    EXPECT_EQ(negative, integerMatrix({{-1, 2}, {-3, 0}}, 4));

    IntegerMatrix zero = integerMatrix({{0, 0}}, 7);
    normalize(zero, noStop);
    EXPECT_EQ(zero, integerMatrix({{0, 0}}, 1));

    IntegerMatrix coprime = integerMatrix({{2, 3}}, 6);
    normalize(coprime, noStop);
    EXPECT_EQ(coprime, integerMatrix({{2, 3}}, 6));
}

TEST(Rational, CommonDenominatorScalesOnlyWhatChanges) {
    IntegerMatrix a = integerMatrix({{1, 3}}, 4);
    IntegerMatrix b = integerMatrix({{5}}, 6);
    bringToCommonDenominator(a, b, noStop);
    EXPECT_EQ(a, integerMatrix({{3, 9}}, 12));
    EXPECT_EQ(b, integerMatrix({{10}}, 12));

    IntegerMatrix c = integerMatrix({{1}}, 12);
    IntegerMatrix d = integerMatrix({{1}}, 3);
    bringToCommonDenominator(c, d, noStop);
    EXPECT_EQ(c, integerMatrix({{1}}, 12));
    EXPECT_EQ(d, integerMatrix({{4}}, 12));
}

TEST(Rational, ZeroOverZeroCannotBeReduced) {
    EXPECT_EQ(runGuarded([] {
                  reduce(Fraction{BigInt(0), BigInt(0)}, StopCheck::never());
                  return code::Ok;
              }),
              code::InconsistentData);
}

}  // namespace
}  // namespace lorvex
