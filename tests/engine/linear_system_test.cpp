#include "engine/linear_system.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::complexMatrix;
using test::realMatrix;

// The workspace tests and command-line scripts pin consistent systems of rank
// 1 with one and two free columns and a regular one.
TEST(LinearSystem, ParticularSolutionNullSpaceAndRank) {
    LinearSolution s;
    EXPECT_EQ(solve(realMatrix({{1, 2}, {2, 4}}), realMatrix({{3}, {7}}), s),
              code::InconsistentData);
    EXPECT_EQ(s.rank, 1);
    EXPECT_EQ(s.particular, realMatrix({{3}, {0}}));
    EXPECT_EQ(s.nullSpace, realMatrix({{-2}, {1}}));

    // Free columns in column order, one between the pivots: 2x0 + 4x1 + 6x3 = 8, x2 = 7.
    ASSERT_EQ(solve(realMatrix({{2, 4, 0, 6}, {0, 0, 1, 0}}), realMatrix({{8}, {7}}), s), code::Ok);
    EXPECT_EQ(s.rank, 2);
    EXPECT_EQ(s.particular, realMatrix({{4}, {0}, {7}, {0}}));
    EXPECT_EQ(s.nullSpace, realMatrix({{-2, -3}, {1, 0}, {0, 0}, {0, 1}}));

    ASSERT_EQ(solve(ComplexMatrix(2, 3), ComplexMatrix(2, 1), s), code::Ok);
    EXPECT_EQ(s.rank, 0);
    EXPECT_EQ(s.particular, ComplexMatrix(3, 1));
    EXPECT_EQ(s.nullSpace, ComplexMatrix::identity(3));
}

TEST(LinearSystem, ComplexSystem) {
    // The second row is i times the first: x0 = 1 - i x1, N = (-i, 1).
    const Complex i{0, 1};
    const ComplexMatrix m = complexMatrix({{ONE, i}, {i, Complex{-1, 0}}});
    LinearSolution s;
    ASSERT_EQ(solve(m, complexMatrix({{ONE}, {i}}), s), code::Ok);
    EXPECT_EQ(s.rank, 1);
    EXPECT_EQ(s.particular, realMatrix({{1}, {0}}));
    EXPECT_EQ(s.nullSpace, complexMatrix({{Complex{0, -1}}, {ONE}}));
    EXPECT_EQ(solve(m, realMatrix({{1}, {1}}), s), code::InconsistentData);
}

// Largest size of (M v - target) over the rows, for column k of v, against
// the sizes that went into it.
long double relativeResidual(const ComplexMatrix& m, const ComplexMatrix& v, std::int32_t k,
                             const ComplexMatrix* target) {
    long double worst = 0.0L;
    for (std::int32_t i = 0; i < m.rows; ++i) {
        Complex sum = target ? ZERO - target->at(i, 0) : ZERO;
        long double scale = target ? size(target->at(i, 0)) : 0.0L;
        for (std::int32_t j = 0; j < m.cols; ++j) {
            sum = sum + m.at(i, j) * v.at(j, k);
            scale += size(m.at(i, j)) * size(v.at(j, k));
        }
        worst = std::max(worst, size(sum) / scale);
    }
    return worst;
}

TEST(LinearSystem, RandomConsistentSystemsAreSolved) {
    // No more rows than columns: full row rank, so every B is reached. The
    // order 170 shares its elimination between two threads.
    std::mt19937 engine(17);
    for (std::int32_t rows : {1, 2, 3, 5, 8, 170}) {
        for (std::int32_t extra : {0, 1, 4}) {
            for (bool complex : {false, true}) {
                const std::int32_t cols = rows + extra;
                const ComplexMatrix m = test::randomEntries(engine, rows, cols, complex);
                const ComplexMatrix b = test::randomEntries(engine, rows, 1, complex);
                LinearSolution s;
                ASSERT_EQ(solve(m, b, s), code::Ok);
                ASSERT_EQ(s.rank, rows);
                EXPECT_LT(relativeResidual(m, s.particular, 0, &b), 1e-12L) << rows << " " << cols;
                ASSERT_EQ(s.nullSpace.has_value(), extra > 0);
                if (extra == 0) continue;
                ASSERT_EQ(s.nullSpace->cols, extra);
                for (std::int32_t k = 0; k < extra; ++k)
                    EXPECT_LT(relativeResidual(m, *s.nullSpace, k, nullptr), 1e-12L);
            }
        }
    }
}

}  // namespace
}  // namespace lorvex
