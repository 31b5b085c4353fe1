#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/characteristic_polynomial.h"
#include "engine/polynomial_roots.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

// A matrix (whose characteristic polynomial is computed) or a polynomial,
// with its roots and their multiplicities worked out with mpmath at 40 digits
// by data/generate_root_cases.py.
struct RootCase {
    std::string name;
    std::int32_t order = 0;
    ComplexMatrix matrix;
    std::vector<Complex> coefficients;
    std::vector<PolynomialRoot> roots;
};

long double readNumber(std::istream& in) {
    std::string word;
    in >> word;
    return std::strtold(word.c_str(), nullptr);
}

std::vector<RootCase> readCases() {
    std::ifstream in(LORVEX_ENGINE_DATA_DIR "/root_cases.txt");
    EXPECT_TRUE(in) << "root_cases.txt";
    std::vector<RootCase> cases;
    std::string kind;
    while (in >> kind) {
        RootCase c;
        in >> c.name >> c.order;
        if (kind == "matrix") {
            c.matrix = ComplexMatrix(c.order, c.order);
            for (Complex& x : c.matrix.cells)
                x.re = readNumber(in);
        } else {
            c.coefficients.resize(static_cast<std::size_t>(c.order) + 1);
            for (Complex& x : c.coefficients)
                x.re = readNumber(in);
        }
        std::size_t count = 0;
        in >> kind >> count;
        c.roots.resize(count);
        for (PolynomialRoot& root : c.roots) {
            root.value.re = readNumber(in);
            root.value.im = readNumber(in);
            in >> root.multiplicity;
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

// Whether every reported root is one of the expected roots, within
// `relative` times its modulus, with the same multiplicity, each expected
// root reported exactly once.
::testing::AssertionResult sameRoots(const std::vector<PolynomialRoot>& found,
                                     const std::vector<PolynomialRoot>& expected,
                                     long double relative) {
    std::vector<int> hits(expected.size(), 0);
    for (const PolynomialRoot& root : found) {
        std::size_t nearest = 0;
        for (std::size_t i = 1; i < expected.size(); ++i) {
            if (distance(root.value, expected[i].value) <
                distance(root.value, expected[nearest].value))
                nearest = i;
        }
        const PolynomialRoot& match = expected[nearest];
        const long double error = std::abs(std::complex<long double>(
            root.value.re - match.value.re, root.value.im - match.value.im));
        const long double modulus =
            std::abs(std::complex<long double>(match.value.re, match.value.im));
        if (error > relative * modulus) {
            return ::testing::AssertionFailure()
                   << "root " << static_cast<double>(root.value.re) << " + "
                   << static_cast<double>(root.value.im) << "i is not a root";
        }
        if (root.multiplicity != match.multiplicity) {
            return ::testing::AssertionFailure()
                   << "root " << static_cast<double>(root.value.re) << " + "
                   << static_cast<double>(root.value.im) << "i has multiplicity "
                   << root.multiplicity << ", not " << match.multiplicity;
        }
        ++hits[nearest];
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (hits[i] != 1) {
            return ::testing::AssertionFailure()
                   << "root " << static_cast<double>(expected[i].value.re) << " + "
                   << static_cast<double>(expected[i].value.im) << "i reported " << hits[i]
                   << " times";
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(PolynomialRootsGolden, MatricesAndPolynomials) {
    const std::vector<RootCase> cases = readCases();
    ASSERT_GE(cases.size(), 30U);
    for (const RootCase& c : cases) {
        std::vector<Complex> coefficients = c.coefficients;
        if (coefficients.empty()) {
            ASSERT_EQ(characteristicPolynomial(c.matrix, coefficients), code::Ok) << c.name;
        }
        // A multiple root is known less closely than a simple one: a change
        // of the coefficients by e moves a k-fold root by about e^(1/k).
        std::int32_t highest = 1;
        for (const PolynomialRoot& root : c.roots)
            highest = std::max(highest, root.multiplicity);
        const long double relative = highest == 1 ? 1e-9L : 1e-5L;
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            RandomGenerator random(seed);
            PolynomialRoots found;
            ASSERT_EQ(findRoots(coefficients, {1e-7L, false}, random, found), code::Ok);
            EXPECT_TRUE(sameRoots(found.roots, c.roots, relative)) << c.name << " seed " << seed;
        }
    }
}

}  // namespace
}  // namespace lorvex
