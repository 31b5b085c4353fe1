#include "engine/rational.h"

#include <gtest/gtest.h>

#include "engine/guarded.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

// Exact results reduced over a positive denominator are in the expression
// tests' golden integer cases.
TEST(Rational, ZeroOverZeroCannotBeReduced) {
    EXPECT_EQ(runGuarded([] {
                  reduce(Fraction{BigInt(0), BigInt(0)}, StopCheck::never());
                  return code::Ok;
              }),
              code::InconsistentData);
}

}  // namespace
}  // namespace lorvex
