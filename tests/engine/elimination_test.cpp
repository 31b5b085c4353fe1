#include "engine/elimination.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numeric>
#include <random>
#include <string>

#include "engine/arithmetic.h"
#include "engine/gauss_jordan.h"
#include "engine/gauss_jordan_inverse.h"
#include "engine/integer_reduction.h"
#include "engine/matrix_builders.h"
#include "engine/modular_arithmetic.h"

namespace lorvex {
namespace {

using test::complexMatrix;
using test::integerMatrix;
using test::realMatrix;

TEST(ComplexElimination, InverseAndDeterminantOfSmallMatrices) {
    const struct {
        ComplexMatrix m;
        ComplexMatrix inverse;
        Complex determinant;
    } cases[] = {
        // One row exchange flips the sign.
        {realMatrix({{0, 1}, {1, 0}}), realMatrix({{0, 1}, {1, 0}}), Complex{-1, 0}},
        {complexMatrix({{Complex{0, 2}}}), complexMatrix({{Complex{0, -0.5L}}}), Complex{0, 2}},
        // 10^-19 counts as zero, so the rows are exchanged.
        {realMatrix({{1e-19L, 1}, {1, 0}}), realMatrix({{0, 1}, {1, -1e-19L}}), Complex{-1, 0}},
    };
    for (const auto& c : cases) {
        ComplexElimination elimination(c.m);
        const Outcome<ComplexMatrix> inverse = elimination.inverse();
        ASSERT_EQ(inverse.code, code::Ok);
        EXPECT_EQ(inverse.value, c.inverse);
        const Outcome<Complex> determinant = elimination.determinant();
        EXPECT_EQ(determinant.code, code::Ok);
        EXPECT_EQ(determinant.value, c.determinant);
    }

    // The first usable pivot 1 is taken although 1000 lies below it: after the
    // first step the second row is 2 - 1000 * 3 = -2998 and det = 1 * -2998.
    const ComplexMatrix firstPivot = realMatrix({{1, 3}, {1000, 2}});
    EXPECT_EQ(ComplexElimination(firstPivot).determinant().value, (Complex{-2998, 0}));
}

// Its inverse, 10^10 I, is a golden calculation case.
TEST(ComplexElimination, TinyRegularMatrixGetsItsTrueDeterminant) {
    const ComplexMatrix m = realMatrix({{1e-10L, 0}, {0, 1e-10L}});
    const long double determinant = ComplexElimination(m).determinant().value.re;
    EXPECT_NEAR(static_cast<double>(determinant / 1e-20L), 1.0, 1e-15);
}

TEST(ComplexElimination, Rank) {
    const struct {
        ComplexMatrix m;
        std::int32_t rank;
    } cases[] = {
        {ComplexMatrix(3, 4), 0},
        {realMatrix({{1, 2, 3, 4, 5}, {2, 4, 6, 8, 10}, {0, 0, 1, 0, 7}}), 2},
        {realMatrix({{1, 0, 0, 0, 1}, {0, 1, 0, 2, 0}, {0, 0, 1, 0, 3}}), 3},
        {realMatrix({{1}, {2}, {3}}), 1},
        // (1+i)(1-i) - 2*(2i) = 2 - 4i
        {complexMatrix({{Complex{1, 1}, Complex{2, 0}}, {Complex{0, 2}, Complex{1, -1}}}), 2},
    };
    for (const auto& c : cases) {
        const Outcome<std::int32_t> rank = ComplexElimination(c.m).rank();
        EXPECT_EQ(rank.code, code::Ok);
        EXPECT_EQ(rank.value, c.rank) << c.m.rows << " x " << c.m.cols;
    }
}

ComplexMatrix randomWellConditioned(std::mt19937& engine, std::int32_t n, bool complex) {
    ComplexMatrix m = test::randomEntries(engine, n, n, complex);
    for (std::int32_t i = 0; i < n; ++i)
        m.at(i, i) += Complex{static_cast<long double>(2 * n), 0.0L};
    return m;
}

TEST(ComplexElimination, InverseTimesMatrixIsTheIdentity) {
    std::mt19937 engine(3);
    for (std::int32_t n : {1, 2, 5, 12, 30, 171}) {
        for (bool complex : {false, true}) {
            const ComplexMatrix m = randomWellConditioned(engine, n, complex);
            const Outcome<ComplexMatrix> inverse = ComplexElimination(m).inverse();
            ASSERT_EQ(inverse.code, code::Ok);
            ComplexMatrix identity;
            ASSERT_EQ(product(inverse.value, m, identity), code::Ok);
            SCOPED_TRACE(std::to_string(n) + (complex ? " complex" : " real"));
            test::expectNear(identity, ComplexMatrix::identity(n), 1e-15L);
        }
    }
}

// The determinant alone, the one that comes with the inverse and the one the
// characteristic polynomial takes of its minors agree to the last bit, and so
// do their codes.
TEST(ComplexElimination, DeterminantWithoutInverseIsTheInversesToTheLastBit) {
    std::mt19937 engine(29);
    std::uniform_int_distribution<int> small(-3, 3);
    for (std::int32_t n : {1, 2, 4, 7, 12}) {
        for (bool complex : {false, true}) {
            for (int round = 0; round < 4; ++round) {
                ComplexMatrix m = randomWellConditioned(engine, n, complex);
                if (round == 1) m.at(0, 0) = ZERO;  // a row exchange on the way
                if (round == 2 && n > 1) {
                    // Small integers with the last row the sum of the first
                    // two: singular, whichever code rounding leads to.
                    for (Complex& c : m.cells)
                        c = Complex{static_cast<long double>(small(engine)),
                                    complex ? static_cast<long double>(small(engine)) : 0.0L};
                    for (std::int32_t j = 0; j < n; ++j)
                        m.at(n - 1, j) = m.at(0, j) + m.at(1 % n, j);
                }
                if (round == 3) {
                    for (std::int32_t i = 0; i < n; ++i)
                        m.at(i, n / 2) = ZERO;  // a column without a pivot
                }
                ComplexElimination withInverse(m);
                const int inverseCode = withInverse.inverse().code;
                const Outcome<Complex> expected = withInverse.determinant();
                EXPECT_EQ(expected.code, inverseCode);
                const Outcome<Complex> alone = ComplexElimination(m).determinant();
                EXPECT_EQ(alone.code, expected.code) << n << " " << round;
                EXPECT_EQ(alone.value, expected.value) << n << " " << round;
                gauss_jordan::Block<Complex> minor{n, n, m.cells};
                EXPECT_EQ(gauss_jordan::determinant(minor), expected.value) << n << " " << round;
                if (round == 3) {
                    EXPECT_EQ(expected.code, code::Singular);
                    EXPECT_EQ(expected.value, ZERO);
                }
            }
        }
    }
}

// The inverse polls once per pivot column: a stop halfway ends it with code
// -1, no matrix and no determinant kept, so the next ask computes afresh.
TEST(ComplexElimination, StopInTheMiddleOfTheInverseKeepsNothing) {
    std::mt19937 engine(43);
    for (const bool complex : {false, true}) {
        const ComplexMatrix m = randomWellConditioned(engine, 20, complex);
        int polls = 0;
        ComplexElimination counted(m);
        ASSERT_EQ(counted.inverse(StopCheck([&polls] { return ++polls < 0; })).code, code::Ok);
        EXPECT_GE(polls, 20);
        int left = polls / 2;
        ComplexElimination interrupted(m);
        const Outcome<ComplexMatrix> stopped =
            interrupted.inverse(StopCheck([&left] { return --left < 0; }));
        EXPECT_EQ(stopped.code, code::UserStop);
        EXPECT_EQ(stopped.value, ComplexMatrix{});
        EXPECT_EQ(interrupted.determinant().value, counted.determinant().value);
    }
}

// The inverse, the determinant alone and the row reduction with their steps
// in groups give, to the last bit, what they give step by step (groups of
// one), also when exact zeros from small integers bring row exchanges, zero
// pivots and free columns inside a group, when b's columns are touched by
// only some steps of a group, and for singular matrices.
bool identical(long double x, long double y) {
    return x == y && std::signbit(x) == std::signbit(y);
}
bool identical(const Complex& x, const Complex& y) {
    return identical(x.re, y.re) && identical(x.im, y.im);
}

template <class T>
void expectGroupsChangeNoBit(const gauss_jordan::Block<T>& m) {
    gauss_jordan::Block<T> grouped = m;
    gauss_jordan::Block<T> single = m;
    gauss_jordan::Block<T> inverse{m.rows, m.rows, std::vector<T>(m.cells.size())};
    for (std::int32_t i = 0; i < m.rows; ++i)
        inverse.at(i, i) = T{1};
    gauss_jordan::Block<T> expected = inverse;
    T determinant{};
    T expectedDeterminant{};
    const bool regular = gauss_jordan::invert(grouped, inverse, determinant);
    ASSERT_EQ(regular, (gauss_jordan::invert<T, 1>(single, expected, expectedDeterminant)));
    gauss_jordan::Block<T> alone = m;
    gauss_jordan::Block<T> aloneSingle = m;
    T aloneDeterminant{1};
    T aloneExpected{1};
    ASSERT_EQ(gauss_jordan::resumeDeterminant(alone, aloneDeterminant),
              (gauss_jordan::resumeDeterminant<T, 1>(aloneSingle, aloneExpected)));
    gauss_jordan::Block<T> reduced = m;
    gauss_jordan::Block<T> reducedSingle = m;
    std::vector<T> rhs(m.cells.begin(), m.cells.begin() + m.rows);
    std::vector<T> rhsSingle = rhs;
    ASSERT_EQ(gauss_jordan::reduceRows(reduced, rhs),
              (gauss_jordan::reduceRows<T, 1>(reducedSingle, rhsSingle)));
    for (std::size_t i = 0; i < rhs.size(); ++i)
        ASSERT_TRUE(identical(rhs[i], rhsSingle[i])) << i;
    for (std::size_t i = 0; i < reduced.cells.size(); ++i)
        ASSERT_TRUE(identical(reduced.cells[i], reducedSingle.cells[i])) << i;
    if (!regular) return;
    EXPECT_TRUE(identical(aloneDeterminant, aloneExpected));
    EXPECT_TRUE(identical(determinant, expectedDeterminant));
    for (std::size_t i = 0; i < inverse.cells.size(); ++i)
        ASSERT_TRUE(identical(inverse.cells[i], expected.cells[i])) << i;
}

TEST(ComplexElimination, InverseInGroupsOfStepsChangesNoBit) {
    std::mt19937 engine(41);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::uniform_int_distribution<int> small(-2, 2);
    for (std::int32_t n : {1, 3, 4, 5, 9, 30, 170}) {
        for (int kind = 0; kind < 3; ++kind) {
            SCOPED_TRACE(std::to_string(n) + " " + std::to_string(kind));
            // Uniform values; small integers (exact zeros on the way); the
            // latter with the last row the sum of the first two (singular).
            const auto entry = [&] {
                return kind == 0 ? value(engine) : static_cast<long double>(small(engine));
            };
            ComplexMatrix m(n, n);
            for (Complex& c : m.cells)
                c = Complex{entry(), entry()};
            if (kind == 2) {
                for (std::int32_t j = 0; j < n; ++j)
                    m.at(n - 1, j) = m.at(0, j) + m.at(1 % n, j);
            }
            expectGroupsChangeNoBit(gauss_jordan::Block<Complex>{n, n, m.cells});
            expectGroupsChangeNoBit(gauss_jordan::realPartsOf(n, n, m.cells));
        }
    }
}

TEST(IntegerElimination, InverseAndDeterminantAreExact) {
    const struct {
        IntegerMatrix m;
        Fraction determinant;
        IntegerMatrix inverse;
    } cases[] = {
        {integerMatrix({{1, 0}, {0, 1}}, 2), Fraction{BigInt(1), BigInt(4)},
         integerMatrix({{2, 0}, {0, 2}})},
        // The row exchange and the sign flips must cancel out correctly.
        {integerMatrix({{0, 2}, {3, 1}}), Fraction{BigInt(-6), BigInt(1)},
         integerMatrix({{-1, 2}, {3, 0}}, 6)},
        {integerMatrix({{0, 2}, {3, 1}}, 2), Fraction{BigInt(-3), BigInt(2)},
         integerMatrix({{-1, 2}, {3, 0}}, 3)},
        // [[2, 1], [1, 1]] / 3 has the inverse 3 * [[1, -1], [-1, 2]].
        {integerMatrix({{2, 1}, {1, 1}}, 3), Fraction{BigInt(1), BigInt(9)},
         integerMatrix({{3, -3}, {-3, 6}})},
    };
    for (const auto& c : cases) {
        IntegerElimination elimination(c.m);
        const Outcome<Fraction> determinant = elimination.determinant();
        EXPECT_EQ(determinant.code, code::Ok);
        EXPECT_EQ(determinant.value, c.determinant);
        const Outcome<IntegerMatrix> inverse = elimination.inverse();
        EXPECT_EQ(inverse.code, code::Ok);
        EXPECT_EQ(inverse.value, c.inverse);
    }
}

TEST(IntegerElimination, SingularMatrices) {
    // The last has a column without a pivot before two that have one.
    for (const IntegerMatrix& m :
         {integerMatrix({{0}}), integerMatrix({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}),
          integerMatrix({{0, 1, 2}, {0, 3, 5}, {0, 4, 4}})}) {
        IntegerElimination elimination(m);
        const Outcome<Fraction> determinant = elimination.determinant();
        EXPECT_EQ(determinant.code, code::Singular);
        EXPECT_EQ(determinant.value, (Fraction{BigInt(0), BigInt(1)}));
        EXPECT_EQ(elimination.inverse().code, code::Singular);
        EXPECT_EQ(IntegerElimination(m).inverse().code, code::Singular);
    }
}

TEST(IntegerElimination, TraceAndRank) {
    const Outcome<Fraction> t = trace(integerMatrix({{3, 9}, {1, 3}}, 4));
    EXPECT_EQ(t.code, code::Ok);
    EXPECT_EQ(t.value, (Fraction{BigInt(3), BigInt(2)}));
    EXPECT_EQ(trace(integerMatrix({{-3, 0}, {0, 3}}, 5)).value, (Fraction{BigInt(0), BigInt(1)}));

    const struct {
        IntegerMatrix m;
        std::int32_t rank;
    } cases[] = {
        {IntegerMatrix(3, 5), 0},
        {integerMatrix({{2, 4, 1}, {1, 2, 5}, {3, 6, 6}}), 2},
        {integerMatrix({{6, 4, 1, 0, 2}, {9, 6, 0, 1, 2}, {4, 3, 7, 7, 7}}), 3},
    };
    for (const auto& c : cases) {
        const Outcome<std::int32_t> rank = IntegerElimination(c.m).rank();
        EXPECT_EQ(rank.code, code::Ok);
        EXPECT_EQ(rank.value, c.rank) << c.m.rows << " x " << c.m.cols;
    }
}

IntegerMatrix randomIntegerMatrix(std::mt19937& engine, std::int32_t n, int bound) {
    IntegerMatrix m = test::randomIntegers(engine, n, n, bound);
    m.denominator = BigInt(std::uniform_int_distribution<int>(1, 6)(engine));
    return m;
}

// Entries of up to `digits` decimal digits, either sign.
IntegerMatrix randomWideMatrix(std::mt19937& engine, std::int32_t n, int digits) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, digits);
    IntegerMatrix m(n, n);
    for (BigInt& entry : m.numerators) {
        std::string text = digit(engine) < 5 ? "-" : "";
        for (int k = length(engine); k > 0; --k)
            text += static_cast<char>('0' + digit(engine));
        entry = test::big(text);
    }
    return m;
}

// The rank by the exact Euclid-style reduction, column by column.
std::int32_t reducedRank(const IntegerMatrix& m) {
    integer_reduction::Rows w{m.rows, m.cols, m.numerators};
    integer_reduction::Rows none{m.rows, 0, {}};
    int sign = 1;
    std::int32_t rank = 0;
    for (std::int32_t j = 0; j < m.cols && rank < m.rows; ++j) {
        if (integer_reduction::reduceColumn(w, none, rank, j, sign, StopCheck::never())) ++rank;
    }
    return rank;
}

// The rank from primes is the exact reduction's on singular and deficient
// matrices, square and not, with 2- and 30-digit entries: a zero row, a
// duplicated row, a lower half of sums of upper rows, and multiples of the
// first prime plus ones in the first column, whose rank modulo that prime is
// 1 (the check starts again from another prime's pivots).
TEST(IntegerElimination, RankFromPrimesIsTheExactReductions) {
    std::mt19937 engine(47);
    const BigInt firstPrime(static_cast<std::int64_t>(modular::PrimeSequence().next()));
    for (const auto& [rows, cols] : {std::pair(7, 7), std::pair(10, 6), std::pair(6, 10)}) {
        for (const int digits : {2, 30}) {
            for (int kind = 0; kind < 4; ++kind) {
                IntegerMatrix m = randomWideMatrix(engine, std::max(rows, cols), digits);
                m.rows = rows;
                m.cols = cols;
                m.numerators.resize(static_cast<std::size_t>(rows) * cols);
                for (std::int32_t j = 0; j < cols; ++j) {
                    if (kind == 0) m.at(rows / 2, j) = BigInt(0);
                    if (kind == 1) m.at(rows - 1, j) = m.at(1, j);
                    for (std::int32_t i = rows / 2; kind == 2 && i < rows; ++i)
                        m.at(i, j) = m.at(i % 3, j) + m.at(i % 2, j);
                }
                if (kind == 3) {
                    for (std::int32_t i = 0; i < rows; ++i) {
                        for (std::int32_t j = 0; j < cols; ++j)
                            m.at(i, j) = m.at(i, j) * firstPrime + BigInt(j == 0 ? 1 : 0);
                    }
                }
                const Outcome<std::int32_t> rank = IntegerElimination(m).rank();
                EXPECT_EQ(rank.code, code::Ok);
                EXPECT_EQ(rank.value, reducedRank(m))
                    << rows << "x" << cols << " " << digits << " digits, kind " << kind;
            }
        }
    }
}

// The determinant of the rows `rows` and the columns from `col` on, expanded
// along column `col`.
BigInt cofactorExpansion(const IntegerMatrix& m, const std::vector<std::int32_t>& rows,
                         std::int32_t col) {
    if (rows.empty()) return BigInt(1);
    BigInt sum;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        std::vector<std::int32_t> rest = rows;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(k));
        const BigInt term = m.at(rows[k], col) * cofactorExpansion(m, rest, col + 1);
        sum += k % 2 == 0 ? term : -term;
    }
    return sum;
}

// Small and 30-digit entries, over denominators, with a zero pivot on the
// way and singular and rank-deficient cases (a zero row, one or two rows
// combinations of the first two): the determinant is the cofactor expansion
// over d^n for small orders, and otherwise the inverse times the matrix is
// the identity and det(M) det(M^-1) = 1.
TEST(IntegerElimination, DeterminantAndInverseAgainstIndependentChecks) {
    std::mt19937 engine(37);
    for (std::int32_t n : {1, 2, 3, 5, 6, 12}) {
        for (int round = 0; round < 5; ++round) {
            IntegerMatrix m = randomWideMatrix(engine, n, round % 2 == 0 ? 2 : 30);
            m.denominator = BigInt(round + 1);
            std::int32_t rank = n;
            if (round == 2) {
                for (std::int32_t j = 0; j < n; ++j)
                    m.at(n / 2, j) = BigInt(0);
                rank = n - 1;
            }
            if (round == 4 && n > 1) m.at(0, 0) = BigInt(0);  // a row exchange on the way
            if (round == 3 && n >= 3) {
                for (std::int32_t i = 2; i < std::min(n, 4); ++i) {
                    for (std::int32_t j = 0; j < n; ++j)
                        m.at(i, j) = m.at(0, j) * BigInt(i) - m.at(1, j);
                }
                rank = n - (std::min(n, 4) - 2);
            }
            SCOPED_TRACE(std::to_string(n) + " " + std::to_string(round));
            IntegerElimination elimination(m);
            EXPECT_EQ(elimination.rank().value, rank);
            const Outcome<Fraction> determinant = elimination.determinant();
            const Outcome<IntegerMatrix> inverse = elimination.inverse();
            if (n <= 6) {
                std::vector<std::int32_t> rows(static_cast<std::size_t>(n));
                std::iota(rows.begin(), rows.end(), 0);
                const Fraction expected = reduce(
                    {cofactorExpansion(m, rows, 0), BigInt::power(m.denominator, n, {})}, {});
                EXPECT_EQ(determinant.value, expected);
            }
            if (rank < n) {
                EXPECT_EQ(determinant.code, code::Singular);
                EXPECT_EQ(determinant.value, (Fraction{BigInt(0), BigInt(1)}));
                EXPECT_EQ(inverse.code, code::Singular);
                continue;
            }
            ASSERT_EQ(inverse.code, code::Ok);
            EXPECT_FALSE(inverse.value.denominator.isNegative());
            IntegerMatrix identity;
            ASSERT_EQ(product(m, inverse.value, identity), code::Ok);
            EXPECT_EQ(identity, IntegerMatrix::identity(n));
            const Fraction inverseDeterminant =
                IntegerElimination(inverse.value).determinant().value;
            EXPECT_EQ(product(determinant.value, inverseDeterminant, {}),
                      (Fraction{BigInt(1), BigInt(1)}));
        }
    }
}

// c H with H the 16 x 16 Sylvester-Hadamard matrix meets Hadamard's bound
// exactly: det = c^16 16^8, and the inverse is H^T / (16 c).
TEST(IntegerElimination, MatrixOnHadamardsBound) {
    const BigInt c = test::big("999999999999999999999999999999");
    IntegerMatrix m(16, 16);
    IntegerMatrix expectedInverse(16, 16);
    for (std::int32_t i = 0; i < 16; ++i) {
        for (std::int32_t j = 0; j < 16; ++j) {
            const bool negative = std::popcount(static_cast<unsigned>(i & j)) % 2 == 1;
            m.at(i, j) = negative ? -c : c;
            expectedInverse.at(j, i) = BigInt(negative ? -1 : 1);
        }
    }
    expectedInverse.denominator = BigInt(16) * c;
    IntegerElimination elimination(m);
    EXPECT_EQ(elimination.determinant().value,
              (Fraction{BigInt::power(c, 16, {}) * BigInt::power(BigInt(16), 8, {}), BigInt(1)}));
    EXPECT_EQ(elimination.inverse().value, expectedInverse);
}

TEST(IntegerElimination, StopKeepsNothingAndTheNextAskComputesAfresh) {
    std::mt19937 engine(5);
    const IntegerMatrix m = randomIntegerMatrix(engine, 12, 99);
    const Outcome<Fraction> expected = IntegerElimination(m).determinant();
    ASSERT_EQ(expected.code, code::Ok);
    const StopCheck stopNow([] { return true; });

    IntegerElimination elimination(m);
    EXPECT_EQ(elimination.rank(stopNow).code, code::UserStop);
    EXPECT_EQ(elimination.determinant(stopNow).code, code::UserStop);
    EXPECT_EQ(elimination.inverse(stopNow).code, code::UserStop);
    EXPECT_EQ(elimination.determinant().value, expected.value);
    EXPECT_EQ(elimination.inverse().code, code::Ok);

    // A stop after a tenth, half or nearly all of the polls stops the work,
    // and the results asked for afterwards are whole.
    const IntegerMatrix wide = randomWideMatrix(engine, 20, 30);
    const Outcome<IntegerMatrix> whole = IntegerElimination(wide).inverse();
    for (bool inverse : {false, true}) {
        const auto run = [inverse](IntegerElimination& e, const StopCheck& check) {
            return inverse ? e.inverse(check).code : e.determinant(check).code;
        };
        int polls = 0;
        IntegerElimination counted(wide);
        ASSERT_EQ(run(counted, StopCheck([&polls] { return ++polls < 0; })), code::Ok);
        for (int share : {10, 50, 98}) {
            int left = polls * share / 100;
            IntegerElimination interrupted(wide);
            EXPECT_EQ(run(interrupted, StopCheck([&left] { return --left < 0; })), code::UserStop)
                << inverse << " " << share;
            EXPECT_EQ(interrupted.inverse().value, whole.value);
        }
    }
}

}  // namespace
}  // namespace lorvex
