#include "engine/rational.h"

#include <gtest/gtest.h>

#include "engine/guarded.h"
#include "engine/matrix_builders.h"

namespace lorvex {
namespace {

using test::integerMatrix;

// Sums, differences and products of fractions, reduced, are in the expression
// tests' golden integer cases.
TEST(Rational, NormalisingKeepsTheDenominatorPositiveAndRemovesCommonFactors) {
    const struct {
        IntegerMatrix given, expected;
    } cases[] = {
        {integerMatrix({{4, -2}}, 2), integerMatrix({{2, -1}}, 1)},
        {integerMatrix({{3, -6}, {9, 0}}, -12), integerMatrix({{-1, 2}, {-3, 0}}, 4)},
        {integerMatrix({{0, 0}}, 7), integerMatrix({{0, 0}}, 1)},
        {integerMatrix({{2, 3}}, 6), integerMatrix({{2, 3}}, 6)},
    };
    for (auto c : cases) {
        normalize(c.given, StopCheck::never());
        EXPECT_EQ(c.given, c.expected);
    }
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
