// What the golden cases cannot pin of the gamma routine: the functional
// equations over a grid of complex arguments. The values of every function
// at chosen points, and where gamma refuses, are in the golden cases.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "expr/gamma.h"

namespace lorvex {
namespace {

using StdComplex = std::complex<long double>;

TEST(FunctionLibrary, ComplexGammaKeepsTheFunctionalEquations) {
    const auto g = [](StdComplex z) {
        Complex value;
        EXPECT_TRUE(scalar::gamma(Complex{z.real(), z.imag()}, value));
        return StdComplex(value.re, value.im);
    };
    const StdComplex one(1.0L, 0.0L);
    const long double pi = std::numbers::pi_v<long double>;
    for (long double re = -3.35L; re < 6.0L; re += 0.7L) {
        for (long double im = -2.45L; im < 2.5L; im += 0.7L) {
            const StdComplex z(re, im);
            // Gamma(z + 1) = z Gamma(z), Gamma(z) Gamma(1 - z) = pi / sin(pi z),
            // the conjugate of Gamma(z) is Gamma(conj z).
            const StdComplex recurrence = g(z + one) / (z * g(z));
            EXPECT_LE(std::abs(recurrence - one), 1e-12L)
                << static_cast<double>(re) << "," << static_cast<double>(im);
            const StdComplex reflection = g(z) * g(one - z) * std::sin(pi * z) / pi;
            EXPECT_LE(std::abs(reflection - one), 1e-12L);
            EXPECT_LE(std::abs(std::conj(g(z)) - g(std::conj(z))), 1e-15L * std::abs(g(z)));
        }
        Complex onAxis;
        ASSERT_TRUE(scalar::gamma(Complex{re + 0.05L, 0.0L}, onAxis));
        const long double expected = std::tgamma(re + 0.05L);
        EXPECT_LE(std::fabs(onAxis.re - expected), 5e-13L * std::fabs(expected));
    }
}

}  // namespace
}  // namespace lorvex
