#include "engine/echelon.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/gauss_jordan.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::realMatrix;

EchelonSteps stepsOf(const ComplexMatrix& m, std::int32_t limit) {
    EchelonSteps steps;
    EXPECT_EQ(reduceToEchelon(m, limit, steps), code::Ok);
    return steps;
}

// The command-line scripts pin the reset, the pivot, a division and the final
// form of a matrix that needs no exchange.
TEST(Echelon, EachActionIsOneStep) {
    const ComplexMatrix m = realMatrix({{0, 1}, {1, 1}});
    // Finding the pivot of column 0 in row 1; then exchanging it into row 0.
    EchelonSteps s = stepsOf(m, 1);
    EXPECT_EQ(s.matrix, m);
    EXPECT_EQ(std::pair(s.stepRow, s.stepCol), std::pair(1, 0));
    s = stepsOf(m, 2);
    EXPECT_EQ(s.matrix, realMatrix({{1, 1}, {0, 1}}));
    EXPECT_EQ(std::pair(s.stepRow, s.stepCol), std::pair(0, 0));
    // Division (3) and clearing row 1 (4); the pivot of column 1 (5).
    s = stepsOf(m, 5);
    EXPECT_EQ(std::pair(s.stepRow, s.stepCol), std::pair(1, 1));
    // Division (6) and clearing row 0 (7) give the identity; past the last
    // row the highlight goes.
    s = stepsOf(m, kAllEchelonActions);
    EXPECT_EQ(s.matrix, ComplexMatrix::identity(2));
    EXPECT_EQ(s.actions, 7);
    EXPECT_EQ(std::pair(s.stepRow, s.stepCol), std::pair(-1, 1));

    // When the columns run out first the highlight stays on the last pivot.
    s = stepsOf(realMatrix({{1, 2}, {2, 4}}), kAllEchelonActions);
    EXPECT_EQ(s.matrix, realMatrix({{1, 2}, {0, 0}}));
    EXPECT_EQ(std::pair(s.stepRow, s.stepCol), std::pair(0, 0));
}

TEST(Echelon, LastColumnClearedPartlyContinuesNextStep) {
    // One column: pivot (1), division (2), then one action per other row.
    const ComplexMatrix m = realMatrix({{2}, {4}, {6}});
    EchelonSteps s = stepsOf(m, 3);
    EXPECT_EQ(s.matrix, realMatrix({{1}, {0}, {6}}));
    EXPECT_EQ(s.stepRow, -1);  // the column has passed the last one
    s = stepsOf(m, 4);
    EXPECT_EQ(s.matrix, realMatrix({{1}, {0}, {0}}));
    EXPECT_EQ(s.actions, 4);
    EXPECT_EQ(stepsOf(m, 5).actions, 4);
}

TEST(Echelon, StopLeavesTheResultAsItWas) {
    EchelonSteps s = stepsOf(realMatrix({{2}}), 0);
    const StopCheck stopNow([] { return true; });
    EXPECT_EQ(reduceToEchelon(realMatrix({{0, 1}, {1, 1}}), 1, s, stopNow), code::UserStop);
    EXPECT_EQ(s.matrix, realMatrix({{2}}));
}

// Now and then with a zero column, for a free column.
ComplexMatrix randomMatrix(std::mt19937& engine, std::int32_t rows, std::int32_t cols,
                           bool complex) {
    ComplexMatrix m = test::randomEntries(engine, rows, cols, complex);
    const auto z = static_cast<std::int32_t>(engine() % static_cast<unsigned>(2 * cols));
    for (std::int32_t i = 0; i < rows && z < cols; ++i)
        m.at(i, z) = ZERO;
    return m;
}

// Every limit continues the last and ends in the final form, which is the
// solver's reduced row echelon form to the last bit (its own tests pin that
// form's shape).
TEST(Echelon, StepsEndInTheSolversReducedRowEchelonForm) {
    std::mt19937 engine(8);
    for (int round = 0; round < 60; ++round) {
        const std::int32_t rows = 1 + round % 5;
        const std::int32_t cols = 1 + (round / 5) % 6;
        const ComplexMatrix m = randomMatrix(engine, rows, cols, round % 2 == 1);
        const EchelonSteps final = stepsOf(m, kAllEchelonActions);
        const ComplexMatrix& w = final.matrix;
        gauss_jordan::Block<Complex> reduced{rows, cols, m.cells};
        std::vector<Complex> rhs(static_cast<std::size_t>(rows), ZERO);
        gauss_jordan::reduceRows(reduced, rhs);
        EXPECT_EQ(w.cells, reduced.cells) << round;

        for (std::int32_t limit = 0; limit <= final.actions + 3; ++limit) {
            const EchelonSteps s = stepsOf(m, limit);
            EXPECT_EQ(s.actions, std::min(limit, final.actions));
            if (limit >= final.actions) {
                EXPECT_EQ(s.matrix, w) << round << " " << limit;
            }
            // At exactly the last action the bookkeeping after it (a row or
            // column passing the last one) may still be pending.
            if (limit > final.actions) {
                EXPECT_EQ(std::pair(s.stepRow, s.stepCol), std::pair(final.stepRow, final.stepCol));
            }
        }
    }
}

}  // namespace
}  // namespace lorvex
