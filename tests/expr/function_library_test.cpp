// The function library against the C++ standard library's long double
// functions, over grids of arguments in both modes. The complex grid keeps
// off the real and imaginary axes, where the branch cuts lie. The reciprocal
// functions (sec, csc, cot and their hyperbolic kin) are left to the golden
// cases.

#include "expr/function_library.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <vector>

#include "engine/stop_check.h"
#include "expr/gamma.h"
#include "expr/symbol_codes.h"

namespace lorvex {
namespace {

using namespace symbol;
using StdComplex = std::complex<long double>;

constexpr long double kTextbook = 1e-15L;
constexpr long double kHalfPi = 1.5707963267948966;  // the language's pi/2 (a double)

// from, from + step, ... below `to`.
std::vector<long double> grid(long double from, long double to, long double step) {
    std::vector<long double> points;
    for (long double x = from; x < to; x += step)
        points.push_back(x);
    return points;
}

struct RealFunction {
    int code;
    std::function<long double(long double)> reference;
    long double from;
    long double to;
};

TEST(FunctionLibrary, RealModeAgreesWithTheStandardLibrary) {
    const std::vector<RealFunction> functions{
        {SIN, [](long double x) { return std::sin(x); }, -9.9L, 9.9L},
        {COS, [](long double x) { return std::cos(x); }, -9.9L, 9.9L},
        {TAN, [](long double x) { return std::tan(x); }, -4.9L, 4.9L},
        {EXP, [](long double x) { return std::exp(x); }, -40.3L, 40.3L},
        {LN, [](long double x) { return std::log(x); }, 0.013L, 90.0L},
        {LOG, [](long double x) { return std::log10(x); }, 0.013L, 90.0L},
        {SQRT, [](long double x) { return std::sqrt(x); }, 0.0L, 90.0L},
        {SINH, [](long double x) { return std::sinh(x); }, -20.3L, 20.3L},
        {COSH, [](long double x) { return std::cosh(x); }, -20.3L, 20.3L},
        {TANH, [](long double x) { return std::tanh(x); }, -20.3L, 20.3L},
        {ARCSIN, [](long double x) { return std::asin(x); }, -0.99L, 0.995L},
        {ARCCOS, [](long double x) { return std::acos(x); }, -0.99L, 0.995L},
        {ARCTAN, [](long double x) { return std::atan(x); }, -20.3L, 20.3L},
        {ARCCOT, [](long double x) { return kHalfPi - std::atan(x); }, -20.3L, 20.3L},
        {ARGSINH, [](long double x) { return std::asinh(x); }, -20.3L, 20.3L},
        {ARGCOSH, [](long double x) { return std::acosh(x); }, 1.01L, 40.0L},
        {ARGTANH, [](long double x) { return std::atanh(x); }, -0.99L, 0.995L},
        {ARGCOTH, [](long double x) { return std::atanh(1 / x); }, 1.01L, 40.0L},
        {ARGCOTH, [](long double x) { return std::atanh(1 / x); }, -40.0L, -1.0L},
        {ABS, [](long double x) { return std::fabs(x); }, -9.9L, 9.9L},
        {INT, [](long double x) { return std::trunc(x); }, -9.9L, 9.9L},
        {FRAC, [](long double x) { return x - std::trunc(x); }, -9.9L, 9.9L},
        {FLOOR, [](long double x) { return std::floor(x); }, -9.9L, 9.9L},
        {CEIL, [](long double x) { return std::ceil(x); }, -9.9L, 9.9L},
    };
    for (const RealFunction& f : functions) {
        for (const long double x : grid(f.from, f.to, (f.to - f.from) / 97)) {
            Complex value;
            ASSERT_TRUE(scalar::applyRealFunction(f.code, Complex{x, 0.0L}, value))
                << "code " << f.code << " at " << static_cast<double>(x);
            const long double expected = f.reference(x);
            EXPECT_LE(std::fabs(value.re - expected), kTextbook * std::fabs(expected))
                << "code " << f.code << " at " << static_cast<double>(x);
            EXPECT_EQ(value.im, 0.0L);
        }
    }
}

struct ComplexFunction {
    int code;
    std::function<StdComplex(StdComplex)> reference;
};

TEST(FunctionLibrary, ComplexModeAgreesWithTheStandardLibraryOffTheAxes) {
    const StdComplex one(1.0L, 0.0L);
    const std::vector<ComplexFunction> functions{
        {SIN, [](StdComplex z) { return std::sin(z); }},
        {COS, [](StdComplex z) { return std::cos(z); }},
        {TAN, [](StdComplex z) { return std::tan(z); }},
        {SINH, [](StdComplex z) { return std::sinh(z); }},
        {COSH, [](StdComplex z) { return std::cosh(z); }},
        {TANH, [](StdComplex z) { return std::tanh(z); }},
        {EXP, [](StdComplex z) { return std::exp(z); }},
        {LN, [](StdComplex z) { return std::log(z); }},
        {LOG, [](StdComplex z) { return std::log10(z); }},
        {SQRT, [](StdComplex z) { return std::sqrt(z); }},
        {ARCSIN, [](StdComplex z) { return std::asin(z); }},
        {ARCCOS, [](StdComplex z) { return std::acos(z); }},
        {ARCTAN, [](StdComplex z) { return std::atan(z); }},
        {ARCCOT, [](StdComplex z) { return StdComplex(kHalfPi, 0.0L) - std::atan(z); }},
        {ARGSINH, [](StdComplex z) { return std::asinh(z); }},
        {ARGCOSH, [](StdComplex z) { return std::acosh(z); }},
        {ARGTANH, [](StdComplex z) { return std::atanh(z); }},
        {ARGCOTH, [&](StdComplex z) { return std::atanh(one / z); }},
        {ABS, [](StdComplex z) { return StdComplex(std::abs(z), 0.0L); }},
        {CONJ, [](StdComplex z) { return std::conj(z); }},
    };
    for (const ComplexFunction& f : functions) {
        for (const long double re : grid(-2.35L, 2.4L, 0.3L)) {
            for (const long double im : grid(-1.95L, 2.0L, 0.4L)) {
                Complex value;
                ASSERT_TRUE(scalar::applyComplexFunction(f.code, Complex{re, im}, value))
                    << "code " << f.code;
                const StdComplex expected = f.reference(StdComplex(re, im));
                const long double error = std::abs(StdComplex(value.re, value.im) - expected);
                EXPECT_LE(error, kTextbook * std::abs(expected))
                    << "code " << f.code << " at " << static_cast<double>(re) << ", "
                    << static_cast<double>(im);
            }
        }
    }
}

TEST(FunctionLibrary, PowersAndRootsOfTwoArguments) {
    const auto apply = [](int code, long double a, long double b) {
        Complex value;
        EXPECT_TRUE(scalar::applyTwoArgumentFunction(code, Complex{a, 0.0L}, Complex{b, 0.0L},
                                                     false, StopCheck::never(), value));
        return value.re;
    };
    for (const long double x : grid(-7.9L, 8.0L, 0.37L)) {
        EXPECT_LE(std::fabs(apply(ROOT, 3, x) - std::cbrt(x)), kTextbook * std::fabs(std::cbrt(x)));
        for (const long double n : {-3.0L, 2.0L, 5.0L}) {
            const long double expected = std::pow(x, n);
            EXPECT_LE(std::fabs(apply(POWER, n, x) - expected), kTextbook * std::fabs(expected));
        }
        const long double mod = apply(MOD, x, 2.5L);
        EXPECT_GE(mod, 0.0L);
        EXPECT_LT(mod, 2.5L);
        EXPECT_NEAR(static_cast<double>(std::remainder(mod - x, 2.5L)), 0.0, 1e-15);
    }
}

TEST(FunctionLibrary, GammaRoutineMatchesTgammaToItsOwnAccuracy) {
    // The routine's series is good to about 10^-13 relative near 0 and far
    // better for larger arguments.
    for (const long double x : grid(-4.45L, 40.0L, 0.1L)) {
        if (std::fabs(x - std::round(x)) < 0.01L && x < 0.5L) continue;
        long double value = 0;
        ASSERT_TRUE(scalar::gamma(x, value)) << static_cast<double>(x);
        const long double expected = std::tgamma(x);
        const long double tolerance = x > 3 ? 1e-15L : 5e-13L;
        EXPECT_LE(std::fabs(value - expected), tolerance * std::fabs(expected))
            << static_cast<double>(x);
    }
    long double value = 0;
    EXPECT_FALSE(scalar::gamma(0.0L, value));
    EXPECT_FALSE(scalar::gamma(-2.0005L, value));
    EXPECT_TRUE(scalar::gamma(-2.002L, value));
    EXPECT_FALSE(scalar::gamma(900.0L, value)) << "exp(w ln w - w) would pass exp(5000)";
}

TEST(FunctionLibrary, ComplexGammaKeepsTheFunctionalEquations) {
    const auto g = [](StdComplex z) {
        Complex value;
        EXPECT_TRUE(scalar::gamma(Complex{z.real(), z.imag()}, value));
        return StdComplex(value.re, value.im);
    };
    const StdComplex one(1.0L, 0.0L);
    const long double pi = std::numbers::pi_v<long double>;
    for (const long double re : grid(-3.35L, 6.0L, 0.7L)) {
        for (const long double im : grid(-2.45L, 2.5L, 0.7L)) {
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
