#include "engine/characteristic_polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/arithmetic.h"
#include "engine/elimination.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

std::vector<Complex> coefficientsOf(const ComplexMatrix& m) {
    std::vector<Complex> c;
    EXPECT_EQ(characteristicPolynomial(m, c), code::Ok);
    return c;
}

// Real matrices are checked against exact values below; the reports pin
// the identity, a rotation and a stop.
TEST(CharacteristicPolynomial, ComplexMatrixKeepsItsImaginaryParts) {
    // i I keeps its imaginary parts: (x - i)^2 = x^2 - 2i x - 1.
    const Complex i{0, 1};
    EXPECT_EQ(coefficientsOf(test::complexMatrix({{i, ZERO}, {ZERO, i}})),
              (std::vector<Complex>{ONE, Complex{0, -2}, Complex{-1, 0}}));
}

// The exact coefficients of det(x I - M) for an integer matrix, highest power
// first: its values at x = 0 ... n by the integer elimination, interpolated by
// the exact inverse of the Vandermonde matrix.
IntegerMatrix exactCoefficients(const IntegerMatrix& m) {
    const std::int32_t n = m.rows;
    IntegerMatrix vandermonde(n + 1, n + 1);
    IntegerMatrix values(n + 1, 1);
    for (std::int32_t t = 0; t <= n; ++t) {
        for (std::int32_t k = 0; k <= n; ++k)
            vandermonde.at(t, k) = BigInt::power(BigInt(t), n - k, StopCheck::never());
        IntegerMatrix shifted = m;
        for (std::int32_t i = 0; i < n; ++i) {
            for (std::int32_t j = 0; j < n; ++j)
                shifted.at(i, j) = (i == j ? BigInt(t) : BigInt(0)) - m.at(i, j);
        }
        // A singular matrix has the determinant 0/1.
        values.at(t, 0) = IntegerElimination(shifted).determinant().value.numerator;
    }
    const Outcome<IntegerMatrix> inverse = IntegerElimination(vandermonde).inverse();
    EXPECT_EQ(inverse.code, code::Ok);
    IntegerMatrix coefficients;
    EXPECT_EQ(product(inverse.value, values, coefficients), code::Ok);
    return coefficients;
}

TEST(CharacteristicPolynomial, AgreesWithExactInterpolation) {
    std::mt19937 engine(41);
    for (std::int32_t n = 1; n <= 7; ++n) {
        for (int round = 0; round < 4; ++round) {
            const IntegerMatrix exact = test::randomIntegers(engine, n, n);
            ComplexMatrix m(n, n);
            for (std::size_t i = 0; i < m.cells.size(); ++i)
                m.cells[i] = Complex{exact.numerators[i].toLongDouble(), 0.0L};
            const IntegerMatrix expected = exactCoefficients(exact);
            ASSERT_TRUE(expected.denominator.isOne());
            const std::vector<Complex> c = coefficientsOf(m);
            ASSERT_EQ(c.size(), static_cast<std::size_t>(n) + 1);
            for (std::int32_t k = 0; k <= n; ++k) {
                const long double want = expected.at(k, 0).toLongDouble();
                EXPECT_LE(std::fabs(c[k].re - want), 1e-12L * std::max(1.0L, std::fabs(want)))
                    << "n " << n << " k " << k;
                EXPECT_EQ(c[k].im, 0.0L);
            }
        }
    }
}

}  // namespace
}  // namespace lorvex

namespace lorvex {
namespace {

// Order 4: C(4,2) 2^3 + C(4,3) 3^3 + 4^3 = 48 + 108 + 64 units in 6 + 4 + 1
// minors; the last report is the whole work.
TEST(CharacteristicPolynomial, TellsItsProgressMinorByMinor) {
    EXPECT_EQ(characteristicPolynomialWork(3), 51.0);
    EXPECT_EQ(characteristicPolynomialWork(4), 220.0);
    EXPECT_EQ((std::vector{principalMinorCount(1), principalMinorCount(4), principalMinorCount(63),
                           principalMinorCount(64)}),
              (std::vector<std::uint64_t>{0, 11, (std::uint64_t{1} << 63) - 64, UINT64_MAX}));

    std::vector<ProgressReport> reports;
    const StopCheck watched([] { return false; },
                            [&reports](const ProgressReport& p) { reports.push_back(p); });
    std::vector<Complex> c;
    ASSERT_EQ(
        characteristicPolynomial(
            test::realMatrix({{1, 2, 0, 0}, {3, 4, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}), c, watched),
        code::Ok);
    ASSERT_EQ(reports.size(), 11U);
    EXPECT_EQ(std::pair(reports[5].done, reports[5].total),
              std::pair(std::uint64_t{6}, std::uint64_t{11}));
    EXPECT_DOUBLE_EQ(reports[5].workDone, 48.0 / 220.0);
    EXPECT_DOUBLE_EQ(reports.back().workDone, 1.0);
}

}  // namespace
}  // namespace lorvex
