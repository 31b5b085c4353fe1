#include "engine/elimination.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/arithmetic.h"
#include "engine/gauss_jordan.h"
#include "engine/matrix_builders.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;

TEST(ComplexElimination, RowExchangeFlipsTheDeterminantAndSingularGivesZero) {
    ComplexMatrix inverse;
    Complex determinant;
    ASSERT_EQ(invert(realMatrix({{0, 1}, {1, 0}}), inverse, determinant), code::Ok);
    EXPECT_EQ(determinant, (Complex{-1.0L, 0.0L}));
    EXPECT_EQ(inverse, realMatrix({{0, 1}, {1, 0}}));

    ComplexMatrix untouched = realMatrix({{9}});
    determinant = ONE;
    EXPECT_EQ(invert(realMatrix({{0}}), untouched, determinant), code::Singular);
    EXPECT_EQ(determinant, ZERO);

    ComplexMatrix complexOne(1, 1);
    complexOne.at(0, 0) = Complex{0.0L, 2.0L};
    ASSERT_EQ(invert(complexOne, inverse, determinant), code::Ok);
    EXPECT_EQ(inverse.at(0, 0), (Complex{0.0L, -0.5L}));
    EXPECT_EQ(determinant, (Complex{0.0L, 2.0L}));
}

TEST(ComplexElimination, FirstPivotAboveToleranceNotTheLargest) {
    // 10^-19 counts as zero, so rows 0 and 1 are exchanged: det = -(1 * 10^-19 ...).
    ComplexMatrix inverse;
    Complex determinant;
    ASSERT_EQ(invert(realMatrix({{1e-19L, 1}, {1, 0}}), inverse, determinant), code::Ok);
    EXPECT_EQ(determinant.re, -1.0L);
    EXPECT_EQ(inverse.at(0, 1), ONE);
    EXPECT_EQ(inverse.at(1, 0), ONE);

    // The first usable pivot 1 is taken although 1000 lies below it: after the
    // first step the second row is 2 - 1000 * 3 = -2998 and det = 1 * -2998.
    ASSERT_EQ(invert(realMatrix({{1, 3}, {1000, 2}}), inverse, determinant), code::Ok);
    EXPECT_EQ(determinant.re, -2998.0L);
}

TEST(ComplexElimination, TinyRegularMatrixGetsItsTrueInverse) {
    // The 2 x 2 matrix 10^-10 * I has the inverse 10^10 * I.
    ComplexMatrix inverse;
    Complex determinant;
    ASSERT_EQ(invert(realMatrix({{1e-10L, 0}, {0, 1e-10L}}), inverse, determinant), code::Ok);
    EXPECT_NEAR(static_cast<double>(inverse.at(0, 0).re / 1e10L), 1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(inverse.at(1, 1).re / 1e10L), 1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(determinant.re / 1e-20L), 1.0, 1e-15);
}

TEST(ComplexElimination, TraceAndRank) {
    EXPECT_EQ(trace(realMatrix({{1, 2}, {3, 4}})), (Complex{5.0L, 0.0L}));
    std::int32_t r = -1;
    ASSERT_EQ(rank(ComplexMatrix(3, 4), r), code::Ok);
    EXPECT_EQ(r, 0);
    ASSERT_EQ(rank(realMatrix({{1, 2, 3, 4, 5}, {2, 4, 6, 8, 10}, {0, 0, 1, 0, 7}}), r), code::Ok);
    EXPECT_EQ(r, 2);
    ASSERT_EQ(rank(realMatrix({{1, 0, 0, 0, 1}, {0, 1, 0, 2, 0}, {0, 0, 1, 0, 3}}), r), code::Ok);
    EXPECT_EQ(r, 3);
    ASSERT_EQ(rank(realMatrix({{1}, {2}, {3}}), r), code::Ok);
    EXPECT_EQ(r, 1);
    ComplexMatrix c(2, 2);
    c.at(0, 0) = Complex{1, 1};
    c.at(0, 1) = Complex{2, 0};
    c.at(1, 0) = Complex{0, 2};
    c.at(1, 1) = Complex{1, -1};  // (1+i)(1-i) - 2*(2i) = 2 - 4i: regular
    ASSERT_EQ(rank(c, r), code::Ok);
    EXPECT_EQ(r, 2);
}

ComplexMatrix randomWellConditioned(std::mt19937& engine, std::int32_t n, bool complex) {
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    ComplexMatrix m(n, n);
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j) {
            m.at(i, j) = Complex{value(engine), complex ? value(engine) : 0.0};
        }
        m.at(i, i) = m.at(i, i) + Complex{static_cast<long double>(2 * n), 0.0L};
    }
    return m;
}

TEST(ComplexElimination, InverseTimesMatrixIsTheIdentity) {
    std::mt19937 engine(3);
    for (std::int32_t n : {1, 2, 5, 12, 30, 171}) {
        for (bool complex : {false, true}) {
            const ComplexMatrix m = randomWellConditioned(engine, n, complex);
            ComplexMatrix inverse;
            Complex determinant;
            ASSERT_EQ(invert(m, inverse, determinant), code::Ok);
            ComplexMatrix identity;
            ASSERT_EQ(product(inverse, m, identity), code::Ok);
            for (std::int32_t i = 0; i < n; ++i) {
                for (std::int32_t j = 0; j < n; ++j) {
                    EXPECT_LT(distance(identity.at(i, j), i == j ? ONE : ZERO), 1e-15L)
                        << n << (complex ? " complex" : " real");
                }
            }
        }
    }
}

TEST(ComplexElimination, RealPathGivesTheComplexPathsValues) {
    std::mt19937 engine(11);
    const std::int32_t n = 9;
    const ComplexMatrix m = randomWellConditioned(engine, n, false);

    gauss_jordan::Block<Complex> a{n, n, m.cells};
    gauss_jordan::Block<Complex> b{n, n, ComplexMatrix::identity(n).cells};
    Complex complexDeterminant;
    ASSERT_TRUE(gauss_jordan::invert(a, b, complexDeterminant));

    ComplexMatrix inverse;
    Complex determinant;
    ASSERT_EQ(invert(m, inverse, determinant), code::Ok);
    EXPECT_EQ(determinant.re, complexDeterminant.re);
    for (std::size_t i = 0; i < b.cells.size(); ++i) {
        EXPECT_EQ(inverse.cells[i].re, b.cells[i].re) << i;
        EXPECT_EQ(b.cells[i].im, 0.0L);
    }
}

TEST(ComplexElimination, DeterminantWithoutInverseIsTheInversesToTheLastBit) {
    std::mt19937 engine(19);
    for (std::int32_t n : {1, 2, 5, 9}) {
        for (bool complex : {false, true}) {
            ComplexMatrix m = randomWellConditioned(engine, n, complex);
            m.at(0, 0) = ZERO;  // a row exchange on the way
            ComplexMatrix inverse;
            Complex expected;
            invert(m, inverse, expected);
            gauss_jordan::Block<Complex> a{n, n, m.cells};
            EXPECT_EQ(gauss_jordan::determinant(a), expected) << n;
            gauss_jordan::Block<long double> real = gauss_jordan::realPartsOf(n, n, m.cells);
            if (!complex) {
                EXPECT_EQ(gauss_jordan::determinant(real), expected.re) << n;
            }
        }
    }
    gauss_jordan::Block<Complex> singular{2, 2, realMatrix({{1, 2}, {2, 4}}).cells};
    EXPECT_EQ(gauss_jordan::determinant(singular), ZERO);
}

TEST(ComplexElimination, DeterminantFunctionGivesTheInversesValueAndCode) {
    std::mt19937 engine(29);
    std::uniform_int_distribution<int> small(-3, 3);
    for (std::int32_t n : {1, 2, 4, 7, 12}) {
        for (bool complex : {false, true}) {
            for (int round = 0; round < 3; ++round) {
                ComplexMatrix m = randomWellConditioned(engine, n, complex);
                if (round == 1 && n > 1) {
                    // Small integers with the last row the sum of the first
                    // two: singular, whichever code rounding leads to.
                    for (Complex& c : m.cells)
                        c = Complex{static_cast<long double>(small(engine)),
                                    complex ? static_cast<long double>(small(engine)) : 0.0L};
                    for (std::int32_t j = 0; j < n; ++j)
                        m.at(n - 1, j) = m.at(0, j) + m.at(1 % n, j);
                }
                if (round == 2) {
                    for (std::int32_t i = 0; i < n; ++i)
                        m.at(i, n / 2) = ZERO;  // a column without a pivot
                }
                ComplexMatrix inverse;
                Complex expected;
                const int expectedCode = invert(m, inverse, expected);
                Complex value{7.0L, 7.0L};
                EXPECT_EQ(determinant(m, value), expectedCode) << n << " " << round;
                EXPECT_EQ(value, expected) << n << " " << round;
                if (round == 2) {
                    EXPECT_EQ(expectedCode, code::Singular);
                    EXPECT_EQ(value, ZERO);
                }
            }
        }
    }
    Complex value;
    ASSERT_EQ(determinant(realMatrix({{0, 2}, {3, 1}}), value), code::Ok);
    EXPECT_EQ(value, (Complex{-6.0L, 0.0L}));
}

TEST(IntegerElimination, InverseAndDeterminantAreExact) {
    IntegerMatrix inverse;
    Fraction determinant;
    ASSERT_EQ(invert(integerMatrix({{4, 7}, {2, 6}}), inverse, determinant), code::Ok);
    EXPECT_EQ(determinant, (Fraction{BigInt(10), BigInt(1)}));
    EXPECT_EQ(inverse, integerMatrix({{6, -7}, {-2, 4}}, 10));

    ASSERT_EQ(invert(integerMatrix({{1, 0}, {0, 1}}, 2), inverse, determinant), code::Ok);
    EXPECT_EQ(determinant, (Fraction{BigInt(1), BigInt(4)}));
    EXPECT_EQ(inverse, integerMatrix({{2, 0}, {0, 2}}, 1));

    // det [[0, 2], [3, 1]] = -6; the row exchange and the sign flips must
    // cancel out correctly.
    ASSERT_EQ(invert(integerMatrix({{0, 2}, {3, 1}}), inverse, determinant), code::Ok);
    EXPECT_EQ(determinant, (Fraction{BigInt(-6), BigInt(1)}));
    EXPECT_EQ(inverse, integerMatrix({{-1, 2}, {3, 0}}, 6));

    // det of [[2, 1], [1, 1]] / 3 is 1/9; its inverse is 3 * [[1, -1], [-1, 2]].
    ASSERT_EQ(invert(integerMatrix({{2, 1}, {1, 1}}, 3), inverse, determinant), code::Ok);
    EXPECT_EQ(determinant, (Fraction{BigInt(1), BigInt(9)}));
    EXPECT_EQ(inverse, integerMatrix({{3, -3}, {-3, 6}}, 1));
}

TEST(IntegerElimination, SingularMatrices) {
    IntegerMatrix inverse;
    Fraction determinant{BigInt(5), BigInt(7)};
    EXPECT_EQ(invert(integerMatrix({{0}}), inverse, determinant), code::Singular);
    EXPECT_EQ(determinant, (Fraction{BigInt(0), BigInt(1)}));
    determinant = Fraction{BigInt(5), BigInt(7)};
    EXPECT_EQ(invert(integerMatrix({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}), inverse, determinant),
              code::Singular);
    EXPECT_EQ(determinant, (Fraction{BigInt(0), BigInt(1)}));
}

TEST(IntegerElimination, TraceAndRank) {
    Fraction t;
    ASSERT_EQ(trace(integerMatrix({{3, 9}, {1, 3}}, 4), t), code::Ok);
    EXPECT_EQ(t, (Fraction{BigInt(3), BigInt(2)}));
    ASSERT_EQ(trace(integerMatrix({{-3, 0}, {0, 3}}, 5), t), code::Ok);
    EXPECT_EQ(t, (Fraction{BigInt(0), BigInt(1)}));

    std::int32_t r = -1;
    ASSERT_EQ(rank(IntegerMatrix(3, 5), r), code::Ok);
    EXPECT_EQ(r, 0);
    ASSERT_EQ(rank(integerMatrix({{2, 4, 1}, {1, 2, 5}, {3, 6, 6}}), r), code::Ok);
    EXPECT_EQ(r, 2);
    ASSERT_EQ(rank(integerMatrix({{6, 4, 1, 0, 2}, {9, 6, 0, 1, 2}, {4, 3, 7, 7, 7}}), r),
              code::Ok);
    EXPECT_EQ(r, 3);
}

IntegerMatrix randomIntegerMatrix(std::mt19937& engine, std::int32_t n, int bound) {
    std::uniform_int_distribution<int> value(-bound, bound);
    IntegerMatrix m(n, n);
    for (BigInt& entry : m.numerators)
        entry = BigInt(value(engine));
    m.denominator = BigInt(std::uniform_int_distribution<int>(1, 6)(engine));
    return m;
}

TEST(IntegerElimination, InverseTimesMatrixIsTheIdentity) {
    std::mt19937 engine(23);
    int checked = 0;
    for (std::int32_t n = 1; n <= 8; ++n) {
        for (int round = 0; round < 6; ++round) {
            const IntegerMatrix m = randomIntegerMatrix(engine, n, round % 2 == 0 ? 9 : 99);
            IntegerMatrix inverse;
            Fraction determinant;
            const int rc = invert(m, inverse, determinant);
            if (rc == code::Singular) continue;
            ASSERT_EQ(rc, code::Ok);
            EXPECT_FALSE(inverse.denominator.isNegative());
            IntegerMatrix identity;
            ASSERT_EQ(product(inverse, m, identity), code::Ok);
            EXPECT_EQ(identity, IntegerMatrix::identity(n));
            ASSERT_EQ(product(m, inverse, identity), code::Ok);
            EXPECT_EQ(identity, IntegerMatrix::identity(n));
            ++checked;
        }
    }
    EXPECT_GT(checked, 40);
}

TEST(IntegerElimination, DeterminantFunctionGivesTheInversesValueAndCode) {
    std::mt19937 engine(31);
    int singular = 0;
    for (std::int32_t n = 1; n <= 7; ++n) {
        for (int round = 0; round < 6; ++round) {
            IntegerMatrix m = randomIntegerMatrix(engine, n, round % 2 == 0 ? 9 : 99);
            if (round >= 4 && n > 1) {
                for (std::int32_t j = 0; j < n; ++j)
                    m.at(n - 1, j) = m.at(0, j) * BigInt(round - 6);
            }
            IntegerMatrix inverse;
            Fraction expected;
            const int expectedCode = invert(m, inverse, expected);
            Fraction value{BigInt(5), BigInt(7)};
            EXPECT_EQ(determinant(m, value), expectedCode) << n << " " << round;
            EXPECT_EQ(value, expected) << n << " " << round;
            if (expectedCode == code::Singular) ++singular;
        }
    }
    EXPECT_GE(singular, 12);

    // det [[0, 2], [3, 1]] / 2 = -6 / 4 = -3/2.
    Fraction value;
    ASSERT_EQ(determinant(integerMatrix({{0, 2}, {3, 1}}, 2), value), code::Ok);
    EXPECT_EQ(value, (Fraction{BigInt(-3), BigInt(2)}));

    value = Fraction{BigInt(3), BigInt(4)};
    const StopCheck stopNow([] { return true; });
    EXPECT_EQ(determinant(randomIntegerMatrix(engine, 12, 99), value, stopNow), code::UserStop);
    EXPECT_EQ(value, (Fraction{BigInt(3), BigInt(4)}));
}

TEST(IntegerElimination, StopDuringAnInverseKeepsNothing) {
    std::mt19937 engine(5);
    const IntegerMatrix m = randomIntegerMatrix(engine, 12, 99);
    IntegerMatrix inverse = integerMatrix({{42}});
    Fraction determinant{BigInt(3), BigInt(4)};
    const StopCheck stopNow([] { return true; });
    EXPECT_EQ(invert(m, inverse, determinant, stopNow), code::UserStop);
    EXPECT_EQ(inverse, integerMatrix({{42}}));
    EXPECT_EQ(determinant, (Fraction{BigInt(3), BigInt(4)}));
}

}  // namespace
}  // namespace lorvex
