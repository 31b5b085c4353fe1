#include "engine/characteristic_polynomial.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>

#include "engine/gauss_jordan.h"
#include "engine/matrix_builders.h"
#include "engine/principal_minors.h"
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

// Each principal minor eliminated on its own, the k x k ones summed in colex
// order, which is the increasing order of their index sets as bit masks.
template <class T>
std::vector<Complex> perMinorCoefficients(const gauss_jordan::Block<T>& a) {
    const std::int32_t n = a.rows;
    std::vector<Complex> c{ONE};
    T trace{};
    for (std::int32_t i = 0; i < n; ++i)
        trace = trace + a.cells[static_cast<std::size_t>(i * n + i)];
    c.push_back(Complex{-trace});
    for (std::int32_t k = 2; k <= n; ++k) {
        T sum{};
        for (std::uint32_t set = 0; set < (1U << n); ++set) {
            if (std::popcount(set) != k) continue;
            gauss_jordan::Block<T> minor{k, k, {}};
            for (std::int32_t i = 0; i < n; ++i) {
                for (std::int32_t j = 0; j < n; ++j) {
                    if ((set >> i & 1U) != 0 && (set >> j & 1U) != 0)
                        minor.cells.push_back(a.cells[static_cast<std::size_t>(i * n + j)]);
                }
            }
            sum = sum + gauss_jordan::determinant(minor);
        }
        c.push_back(Complex{k % 2 == 1 ? -sum : sum});
    }
    return c;
}

// Random entries, and small integers with many zeros (zero diagonals, and
// pivots that become zero on the way) that force row exchanges; the last
// order shares its minors between two threads.
TEST(CharacteristicPolynomial, SharedEliminationGivesEachMinorsOwnDeterminant) {
    std::mt19937 engine(11);
    std::uniform_real_distribution<double> real(-1.0, 1.0);
    std::uniform_int_distribution<int> small(-1, 1);
    for (const std::int32_t n : {1, 2, 3, 4, 5, 6, 7, 8, 9, principal_minors::kThreadedOrder}) {
        for (const bool complex : {false, true}) {
            for (const bool sparse : {false, true}) {
                ComplexMatrix m(n, n);
                for (Complex& cell : m.cells) {
                    cell = sparse ? Complex{static_cast<long double>(small(engine)), 0}
                                  : Complex{real(engine), complex ? real(engine) : 0.0};
                    if (sparse && complex) cell.im = small(engine);
                }
                if (sparse) m.at(0, 0) = m.at(n / 2, n / 2) = ZERO;
                const std::vector<Complex> expected =
                    complex ? perMinorCoefficients(gauss_jordan::Block<Complex>{n, n, m.cells})
                            : perMinorCoefficients(gauss_jordan::realPartsOf(n, n, m.cells));
                std::vector<Complex> c;
                ASSERT_EQ(characteristicPolynomial(m, c), code::Ok);
                EXPECT_EQ(c, expected) << n << complex << sparse;
            }
        }
    }
}

// Order 4: the minors of largest index 1, 2 and 3 weigh 3 x 3^2 + 12,
// 3 x 2^2 + 12 and 3 + 12: 1 x 39 + 3 x 24 + 7 x 15. They are done depth
// first: {0,1}, {0,1,2}, {0,1,2,3}, {0,1,3}, {0,2}, {0,2,3}, ... A stop in
// the middle keeps nothing.
TEST(CharacteristicPolynomial, TellsItsProgressMinorByMinor) {
    EXPECT_EQ(characteristicPolynomialWork(3), 69.0);
    EXPECT_EQ(characteristicPolynomialWork(4), 216.0);
    EXPECT_EQ((std::vector{principalMinorCount(1), principalMinorCount(4), principalMinorCount(63),
                           principalMinorCount(64)}),
              (std::vector<std::uint64_t>{0, 11, (std::uint64_t{1} << 63) - 64, UINT64_MAX}));

    const ComplexMatrix m =
        test::realMatrix({{0, 2, 0, 0}, {3, 4, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
    std::vector<ProgressReport> reports;
    const StopCheck watched([] { return false; },
                            [&reports](const ProgressReport& p) { reports.push_back(p); });
    std::vector<Complex> c;
    ASSERT_EQ(characteristicPolynomial(m, c, watched), code::Ok);
    ASSERT_EQ(reports.size(), 11U);
    EXPECT_EQ(std::pair(reports[5].done, reports[5].total),
              std::pair(std::uint64_t{6}, std::uint64_t{11}));
    EXPECT_DOUBLE_EQ(reports[5].workDone, 132.0 / 216.0);
    EXPECT_DOUBLE_EQ(reports.back().workDone, 1.0);

    int polls = 0;
    const StopCheck stopAtSixth([&polls] { return ++polls == 6; });
    std::vector<Complex> kept{ONE};
    EXPECT_EQ(characteristicPolynomial(m, kept, stopAtSixth), code::UserStop);
    EXPECT_EQ(kept, std::vector<Complex>{ONE});

    // Shared between two threads, with zero pivots: the reports never go
    // back and end at every minor and the whole work; a stop keeps nothing.
    const std::int32_t order = principal_minors::kThreadedOrder;
    ComplexMatrix large(order, order);
    for (std::size_t i = 0; i < large.cells.size(); ++i)
        large.cells[i] = Complex{static_cast<long double>(i % 7) - 3, 0};
    reports.clear();
    ASSERT_EQ(characteristicPolynomial(large, c, watched), code::Ok);
    EXPECT_EQ(std::adjacent_find(reports.begin(), reports.end(),
                                 [](const ProgressReport& a, const ProgressReport& b) {
                                     return a.done > b.done || a.workDone > b.workDone;
                                 }),
              reports.end());
    EXPECT_EQ(std::pair(reports.back().done, reports.back().workDone),
              std::pair(principalMinorCount(order), 1.0));
    // The first poll after the sets of one index, once the work is shared.
    polls = 0;
    const StopCheck stopInTheMiddle([&polls, order] { return ++polls == order + 1; });
    EXPECT_EQ(characteristicPolynomial(large, kept, stopInTheMiddle), code::UserStop);
    EXPECT_EQ(kept, std::vector<Complex>{ONE});
}

}  // namespace
}  // namespace lorvex
