#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/arithmetic.h"
#include "engine/elimination.h"
#include "engine/gauss_jordan.h"
#include "engine/gauss_jordan_inverse.h"
#include "engine/matrix_builders.h"

namespace lorvex {
namespace {

using gauss_jordan::Block;

// The same number, zeros of either sign told apart.
bool sameBits(long double real, const Complex& complex) {
    return complex.im == 0 && real == complex.re && std::signbit(real) == std::signbit(complex.re);
}

// Entries in [-1, 1), some of them whole numbers and zeros so that exact
// cancellations happen; `singular` makes a column zero or the last row a
// copy of the first.
RealMatrix randomReal(std::mt19937& engine, std::int32_t rows, std::int32_t cols, int singular) {
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::uniform_int_distribution<int> small(-2, 2);
    RealMatrix m(rows, cols);
    for (long double& cell : m.cells)
        cell = value(engine) < -0.8 ? small(engine) : value(engine);
    for (std::int32_t k = 0; k < rows && singular == 1; ++k)
        m.at(k, cols / 2) = 0.0L;
    for (std::int32_t j = 0; j < cols && singular == 2 && rows > 1; ++j)
        m.at(rows - 1, j) = m.at(0, j);
    return m;
}

// The real path against the complex elimination itself (not its own real
// path) on the same entries with zero imaginary parts.
TEST(RealElimination, GivesTheComplexPathsValuesToTheLastBit) {
    std::mt19937 engine(2026);
    for (const std::int32_t n : {1, 2, 5, 24, 170}) {
        for (int singular = 0; singular <= 2; ++singular) {
            const RealMatrix m = randomReal(engine, n, n, singular);
            const ComplexMatrix c = complexMatrixOf(m);
            SCOPED_TRACE(testing::Message() << "n " << n << " singular " << singular);

            RealElimination real(m);
            const Outcome<RealMatrix> inverse = real.inverse();
            Block<Complex> a{n, n, c.cells};
            Block<Complex> b{n, n, ComplexMatrix::identity(n).cells};
            Complex determinant = ZERO;
            const bool regular = gauss_jordan::invert(a, b, determinant);
            ASSERT_EQ(inverse.code, regular ? code::Ok : code::Singular);
            if (singular == 1 || (singular == 2 && n > 1)) {
                EXPECT_FALSE(regular);
            }
            for (std::size_t k = 0; regular && k < b.cells.size(); ++k)
                ASSERT_TRUE(sameBits(inverse.value.cells[k], b.cells[k])) << k;

            Block<Complex> d{n, n, c.cells};
            const Outcome<long double> realDeterminant = real.determinant();
            EXPECT_TRUE(sameBits(realDeterminant.value, gauss_jordan::determinant(d)));

            const RealMatrix wide = randomReal(engine, n, n + 3, singular);
            Block<Complex> w{n, n + 3, complexMatrixOf(wide).cells};
            std::vector<Complex> rhs(static_cast<std::size_t>(n), ZERO);
            const auto rank = static_cast<std::int32_t>(gauss_jordan::reduceRows(w, rhs).size());
            EXPECT_EQ(RealElimination(wide).rank().value, rank);
            EXPECT_EQ(real.rank().value, ComplexElimination(c).rank().value);
        }
    }
}

// The elementwise kernels, whose complex forms have no real path of their
// own; a negative zero's imaginary part changes the sign of a zero product.
TEST(RealArithmetic, GivesTheComplexKernelsValuesToTheLastBit) {
    std::mt19937 engine(7);
    RealMatrix a = randomReal(engine, 4, 5, 0);
    const RealMatrix b = randomReal(engine, 4, 5, 0);
    a.at(0, 0) = 0.0L;
    a.at(0, 1) = -0.0L;
    const auto expectSame = [](const RealMatrix& real, const ComplexMatrix& complex) {
        ASSERT_EQ(real.cells.size(), complex.cells.size());
        for (std::size_t k = 0; k < real.cells.size(); ++k)
            EXPECT_TRUE(sameBits(real.cells[k], complex.cells[k])) << k;
    };
    for (const Complex factor : {Complex{-2, -0.0L}, Complex{-2, 0}, Complex{3, -0.0L}, ONE}) {
        RealMatrix real;
        ComplexMatrix complex;
        ASSERT_EQ(multiple(a, factor, real), code::Ok);
        ASSERT_EQ(multiple(complexMatrixOf(a), factor, complex), code::Ok);
        expectSame(real, complex);
    }
    RealMatrix real;
    ComplexMatrix complex;
    ASSERT_EQ(difference(a, b, real), code::Ok);
    ASSERT_EQ(difference(complexMatrixOf(a), complexMatrixOf(b), complex), code::Ok);
    expectSame(real, complex);
    ASSERT_EQ(sum(a, b, real), code::Ok);
    ASSERT_EQ(sum(complexMatrixOf(a), complexMatrixOf(b), complex), code::Ok);
    expectSame(real, complex);
}

}  // namespace
}  // namespace lorvex
