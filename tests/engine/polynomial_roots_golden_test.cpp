#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
        if (kind == "matrix") c.matrix = ComplexMatrix(c.order, c.order);
        if (kind != "matrix") c.coefficients.resize(static_cast<std::size_t>(c.order) + 1);
        for (Complex& x : kind == "matrix" ? c.matrix.cells : c.coefficients)
            x.re = readNumber(in);
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

std::string show(Complex z) {
    return std::to_string(static_cast<double>(z.re)) + " + " +
           std::to_string(static_cast<double>(z.im)) + "i";
}

// Whether every reported root is one of the expected roots, within
// `relative` times its modulus, with the same multiplicity, each expected
// root reported exactly once.
::testing::AssertionResult sameRoots(const std::vector<PolynomialRoot>& found,
                                     const std::vector<PolynomialRoot>& expected,
                                     long double relative) {
    std::vector<int> hits(expected.size(), 0);
    for (const PolynomialRoot& root : found) {
        const auto match =
            std::min_element(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
                return distance(root.value, a.value) < distance(root.value, b.value);
            });
        const Complex miss = root.value - match->value;
        if (std::hypot(miss.re, miss.im) >
            relative * std::hypot(match->value.re, match->value.im)) {
            return ::testing::AssertionFailure() << show(root.value) << " is not a root";
        }
        if (root.multiplicity != match->multiplicity) {
            return ::testing::AssertionFailure()
                   << show(root.value) << " has multiplicity " << root.multiplicity << ", not "
                   << match->multiplicity;
        }
        ++hits[static_cast<std::size_t>(match - expected.begin())];
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (hits[i] != 1) {
            return ::testing::AssertionFailure()
                   << show(expected[i].value) << " reported " << hits[i] << " times";
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
