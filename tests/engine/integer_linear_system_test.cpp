#include <gtest/gtest.h>

#include <random>

#include "engine/arithmetic.h"
#include "engine/elimination.h"
#include "engine/linear_system.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::randomIntegers;

// The workspace tests pin 2 x0 + 3 x1 = 1: X = (1, 0) / 2, N = (-3, 2) / 2.
TEST(IntegerLinearSystem, SolutionsKeepTheirCommonDenominators) {
    ExactSolution s;
    // The right-hand side over the pivot stays unreduced: 2/4.
    ASSERT_EQ(solve(integerMatrix({{4}}), integerMatrix({{2}}), s), code::Ok);
    EXPECT_EQ(s.particular, integerMatrix({{2}}, 4));

    // Two free columns: X = (6/2, 0, 0); N = (-2, 1, 0) and (-1/2, 0, 1) over 2.
    ASSERT_EQ(solve(integerMatrix({{2, 4, 1}}), integerMatrix({{6}}), s), code::Ok);
    EXPECT_EQ(s.nullSpace, integerMatrix({{-4, -1}, {2, 0}, {0, 2}}, 2));

    // Each subtraction reduces, even of 0 * x1: x0 = 2/4 - 0 * 3 = 1/2, so
    // X = (1/2, 3/1) over 2.
    ASSERT_EQ(solve(integerMatrix({{4, 0}, {0, 1}}), integerMatrix({{2}, {3}}), s), code::Ok);
    EXPECT_EQ(s.particular, integerMatrix({{1}, {6}}, 2));

    // Denominators are cleared first: [[1, 1], [1, -1]] / 2 X = [3, 1] / 4
    // becomes [[4, 4], [4, -4]] X = [6, 2], reduced to rows (4, 4 | 6) and
    // (0, 8 | 4): x1 = 4/8, x0 = 6/4 - 4 (4/8) / 4 = 1/1, X = (8, 4) over 8.
    ASSERT_EQ(solve(integerMatrix({{1, 1}, {1, -1}}, 2), integerMatrix({{3}, {1}}, 4), s),
              code::Ok);
    EXPECT_EQ(s.particular, integerMatrix({{8}, {4}}, 8));

    EXPECT_EQ(solve(integerMatrix({{1, 2}, {2, 4}}), integerMatrix({{3}, {7}}), s),
              code::InconsistentData);
    EXPECT_EQ(s.rank, 1);
    EXPECT_EQ(s.particular, integerMatrix({{3}, {0}}, 1));
    EXPECT_EQ(s.nullSpace, integerMatrix({{-2}, {1}}, 1));
}

TEST(IntegerLinearSystem, StopKeepsNothing) {
    ExactSolution s;
    s.rank = 42;
    EXPECT_EQ(solve(integerMatrix({{3, 5}, {7, 2}}), integerMatrix({{1}, {1}}), s,
                    StopCheck([] { return true; })),
              code::UserStop);
    EXPECT_EQ(s.rank, 42);
}

TEST(IntegerLinearSystem, RandomSystemsAreSolvedExactly) {
    std::mt19937 engine(29);
    std::uniform_int_distribution<int> denominator(1, 5);
    int withNullSpace = 0;
    for (int round = 0; round < 120; ++round) {
        const std::int32_t rows = 1 + round % 6;
        const std::int32_t cols = 1 + (round / 6) % 8;
        IntegerMatrix m = randomIntegers(engine, rows, cols);
        if (round % 3 == 0) {  // a product through a narrow middle has a lower rank
            const std::int32_t inner = std::max(1, std::min(rows, cols) - 1);
            ASSERT_EQ(product(randomIntegers(engine, rows, inner),
                              randomIntegers(engine, inner, cols), m),
                      code::Ok);
        }
        m.denominator = BigInt(denominator(engine));
        // B = M X0 for some X0, so that the system has a solution.
        IntegerMatrix x0 = randomIntegers(engine, cols, 1);
        x0.denominator = BigInt(denominator(engine));
        IntegerMatrix b;
        ASSERT_EQ(product(m, x0, b), code::Ok);

        ExactSolution s;
        ASSERT_EQ(solve(m, b, s), code::Ok) << round;
        const Outcome<std::int32_t> r = IntegerElimination(m).rank();
        ASSERT_EQ(r.code, code::Ok);
        EXPECT_EQ(s.rank, r.value);
        IntegerMatrix reproduced;
        ASSERT_EQ(product(m, s.particular, reproduced), code::Ok);
        EXPECT_EQ(reproduced, b) << round;
        ASSERT_EQ(s.nullSpace.has_value(), s.rank < cols);
        if (!s.nullSpace) continue;
        EXPECT_EQ(s.nullSpace->cols, cols - s.rank);
        IntegerMatrix zero;
        ASSERT_EQ(product(m, *s.nullSpace, zero), code::Ok);
        EXPECT_EQ(zero, IntegerMatrix(rows, cols - s.rank)) << round;
        ++withNullSpace;
    }
    EXPECT_GT(withNullSpace, 30);
}

}  // namespace
}  // namespace lorvex
