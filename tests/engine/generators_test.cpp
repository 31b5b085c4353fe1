#include "engine/generators.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/elimination.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

// The command-line scripts pin equal bounds, unit sums of random probability
// rows and columns and the exact determinant 1 of a small unitary matrix.
TEST(Generators, RandomEntriesLieBetweenTheBounds) {
    RandomGenerator random(7);
    RealMatrix m;
    ASSERT_EQ(randomMatrix(10, 10, -2.5L, 15, random, m), code::Ok);
    for (const long double entry : m.cells) {
        EXPECT_GE(entry, -2.5L);
        EXPECT_LT(entry, 15.0L);
    }

    IntegerMatrix exact;
    ASSERT_EQ(randomIntegerMatrix(10, 10, -3, 4, random, exact), code::Ok);
    for (const BigInt& entry : exact.numerators) {
        EXPECT_GE(entry, BigInt(-3));
        EXPECT_LE(entry, BigInt(4));
    }
}

TEST(Generators, ComplexRandomEntriesDrawTheImaginaryPartRightAfterTheRealPart) {
    RandomGenerator random(7);
    RandomGenerator twin(7);
    ComplexMatrix m;
    RealMatrix parts;
    ASSERT_EQ(randomMatrix(3, 3, -1, 3, random, m), code::Ok);
    ASSERT_EQ(randomMatrix(1, 18, -1, 3, twin, parts), code::Ok);
    for (std::size_t k = 0; k < m.cells.size(); ++k)
        EXPECT_EQ(m.cells[k], (Complex{parts.cells[2 * k], parts.cells[2 * k + 1]})) << k;
}

TEST(Generators, ComplexProbabilityLinesAreScaledByTheirComplexSums) {
    // The row (i, 1) over its complex sum 1 + i: ((1 + i) / 2, (1 - i) / 2).
    ComplexMatrix m(1, 2);
    m.cells = {Complex{0, 1}, ONE};
    scaleToUnitSums(m, UnitSums::Rows);
    EXPECT_EQ(m.cells, (std::vector<Complex>{{0.5L, 0.5L}, {0.5L, -0.5L}}));
}

// Every row (column) is a composition of one total T = t m, 15 <= t <= 26,
// m its length: non-negative integers summing to T. One entry per line takes
// the whole total; long rows put 99 cuts among at least 1500 positions.
TEST(Generators, IntegerProbabilityLinesAreCompositionsOfOneTotal) {
    RandomGenerator random(7);
    for (const auto& [rows, cols, lines] :
         {std::tuple{8, 3, UnitSums::Columns}, std::tuple{4, 1, UnitSums::Rows},
          std::tuple{3, 100, UnitSums::Rows}}) {
        IntegerMatrix m;
        ASSERT_EQ(integerProbabilityMatrix(rows, cols, lines, random, m), code::Ok);
        const bool alongRows = lines == UnitSums::Rows;
        const std::int32_t length = alongRows ? cols : rows;
        std::vector<std::int64_t> sums(static_cast<std::size_t>(alongRows ? rows : cols));
        for (std::int32_t i = 0; i < rows; ++i) {
            for (std::int32_t j = 0; j < cols; ++j) {
                EXPECT_GE(m.at(i, j), BigInt(0));
                sums[static_cast<std::size_t>(alongRows ? i : j)] += *m.at(i, j).toMachineInteger();
            }
        }
        EXPECT_EQ(sums, std::vector<std::int64_t>(sums.size(), sums[0]));
        EXPECT_EQ(sums[0] % length, 0);
        EXPECT_GE(sums[0] / length, 15);
        EXPECT_LE(sums[0] / length, 26);
        EXPECT_EQ(m.denominator, BigInt(1));
    }
}

TEST(Generators, UnitaryRandomMatricesHaveDeterminantOneAndNoZeroEntry) {
    RandomGenerator random(7);
    for (std::int32_t n : {2, 5, 20}) {
        IntegerMatrix m;
        ASSERT_EQ(unitaryRandomMatrix(n, random, m), code::Ok);
        for (const BigInt& entry : m.numerators)
            EXPECT_FALSE(entry.isZero());
        const Outcome<Fraction> value = IntegerElimination(m).determinant();
        ASSERT_EQ(value.code, code::Ok);
        EXPECT_EQ(value.value, (Fraction{BigInt(1), BigInt(1)}));
    }
}

}  // namespace
}  // namespace lorvex
