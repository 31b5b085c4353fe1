#include "engine/characteristic_polynomial.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

// The golden root cases pin the polynomials of real matrices of every order
// through their roots; the reports pin the identity, a rotation and a stop.
TEST(CharacteristicPolynomial, ComplexMatrixKeepsItsImaginaryParts) {
    // i I keeps its imaginary parts: (x - i)^2 = x^2 - 2i x - 1.
    const Complex i{0, 1};
    std::vector<Complex> c;
    ASSERT_EQ(characteristicPolynomial(test::complexMatrix({{i, ZERO}, {ZERO, i}}), c), code::Ok);
    EXPECT_EQ(c, (std::vector<Complex>{ONE, Complex{0, -2}, Complex{-1, 0}}));
}

}  // namespace
}  // namespace lorvex
