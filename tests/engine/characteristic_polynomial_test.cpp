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
