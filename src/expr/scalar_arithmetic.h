#pragma once

#include <cstdint>

#include "engine/complex.h"

// The guarded arithmetic of the scalar evaluator. Every operation returns
// true on success with its value in `out`, false when it fails; a failed
// value must not be used. Sizes are |Re| + |Im|.
namespace lorvex::scalar {

inline constexpr long double kLarge = 1e18L;   // beyond it products and quotients fail
inline constexpr long double kSmall = 1e-18L;  // below it divisors and logarithms fail
inline constexpr long double kExponentLimit = 5000.0L;
inline constexpr long double kTrigonometricLimit = 5e18L;
inline constexpr long double kIntegerLimit = 2147483647.0L;
inline constexpr long double kIntegerTolerance = 1e-9L;
inline constexpr long double kFactorialLimit = 32767.0L;
// Angles are measured with the double-precision value of pi.
inline constexpr long double kPi = 3.141592653589793;
inline constexpr long double kHalfPi = 1.5707963267948966;

// Computed once: exp(5000), exp(-5000), sqrt(2 pi), ln 10 and (1 + sqrt 5) / 2.
struct Constants {
    long double expLimit;
    long double expMinusLimit;
    long double sqrtTwoPi;
    long double ln10;
    long double goldenRatio;
};
const Constants& constants();

// 1: below exp(-5000); 2: below 10^-18; 5: above exp(5000); 4: above 10^18; 3: otherwise.
int MagClass(Complex z);

// The real part rounded to the nearest integer, when it is within 10^-9 of
// it, below 2147483647 in size and the imaginary part is within 10^-9 of 0.
bool AsInteger(Complex z, std::int64_t& n);

// The polar angle of (x, y) in (-pi, pi]; pi/2 or -pi/2 when |x| < 10^-18.
long double Arg(long double x, long double y);

// The "*" of formulas: large factors fail instead of overflowing.
bool product(Complex left, Complex right, bool complexMode, Complex& out);
// The "/" of formulas: fails for a dividend above 10^18 or a divisor below
// 10^-18 in size, and for a quotient above 10^18; a quotient below 10^-18 is 0.
bool quotient(Complex left, Complex right, bool complexMode, Complex& out);
// z^n by squaring with the guarded product; z^0 is 1, also for z = 0.
bool integerPower(Complex base, std::int64_t exponent, bool complexMode, Complex& out);
// The "^" of formulas: the integer power for an integral exponent, otherwise
// exp(exponent * ln base), which needs a base >= 0 in real mode.
bool power(Complex base, Complex exponent, bool complexMode, Complex& out);

}  // namespace lorvex::scalar
