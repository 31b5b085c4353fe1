#include "expr/scalar_arithmetic.h"

#include <cmath>
#include <numbers>

#include "expr/function_library.h"

namespace lorvex::scalar {

const Constants& constants() {
    static const Constants values{
        .expLimit = std::exp(kExponentLimit),
        .expMinusLimit = std::exp(-kExponentLimit),
        .sqrtTwoPi = std::sqrt(2.0L * std::numbers::pi_v<long double>),
        .ln10 = std::log(10.0L),
        .goldenRatio = (1.0L + std::sqrt(5.0L)) / 2.0L,
    };
    return values;
}

int MagClass(Complex z) {
    const long double m = size(z);
    if (m < constants().expMinusLimit) return 1;
    if (m < kSmall) return 2;
    if (m > constants().expLimit) return 5;
    if (m > kLarge) return 4;
    return 3;
}

bool AsInteger(Complex z, std::int64_t& n) {
    if (!(std::fabs(z.re) < kIntegerLimit)) return false;
    const long double rounded = std::round(z.re);
    if (!(std::fabs(z.re - rounded) < kIntegerTolerance) || !(std::fabs(z.im) < kIntegerTolerance))
        return false;
    n = static_cast<std::int64_t>(rounded);
    return true;
}

long double Arg(long double x, long double y) {
    if (std::fabs(x) < kSmall) return y < 0 ? -kHalfPi : kHalfPi;
    const long double a = std::atan(y / x);
    if (x >= 0) return a;
    return y >= 0 ? a + kPi : a - kPi;
}

namespace {

// Real products of a small and a large factor go through logarithms, so that
// 10^-20 * 10^19 still has a value; every other large product fails.
bool realProduct(Complex left, Complex right, Complex& out) {
    const int a = MagClass(left);
    const int b = MagClass(right);
    if ((a < 4 && b < 4) || (a == 4 && b == 3) || (a == 3 && b == 4)) {
        out = Complex{left.re * right.re, 0.0L};
        return true;
    }
    const long double sign = (left.re > 0) == (right.re > 0) ? 1.0L : -1.0L;
    if ((a == 2 && b == 4) || (a == 4 && b == 2)) {
        const long double s = std::log(std::fabs(left.re)) + std::log(std::fabs(right.re));
        if (std::fabs(s) < 42.0L) {
            out = Complex{sign * std::exp(s), 0.0L};
            return true;
        }
    }
    out = Complex{sign * kLarge, 0.0L};
    return false;
}

bool complexProduct(Complex left, Complex right, Complex& out) {
    if (MagClass(left) > 3 || MagClass(right) > 3) {
        out = Complex{kLarge, kLarge};
        return false;
    }
    out = left * right;
    if (size(out) > kLarge) return false;
    if (size(out) < kSmall) out = ZERO;
    return true;
}

}  // namespace

bool product(Complex left, Complex right, bool complexMode, Complex& out) {
    return complexMode ? complexProduct(left, right, out) : realProduct(left, right, out);
}

bool quotient(Complex left, Complex right, bool complexMode, Complex& out) {
    // In real mode only the real parts take part, so only they are tested.
    const long double dividendSize = complexMode ? size(left) : std::fabs(left.re);
    const long double divisorSize = complexMode ? size(right) : std::fabs(right.re);
    if (dividendSize > kLarge || divisorSize < kSmall) {
        out = ONE;
        return false;
    }
    // The complex quotient divides by the divisor's squared modulus as it is
    // (see Complex's operator/): clamping it at 10^-18 would spoil every
    // divisor between 10^-18 and 10^-9 in size.
    out = complexMode ? left / right : Complex{left.re / right.re, 0.0L};
    if (size(out) > kLarge) return false;
    if (size(out) < kSmall) out = ZERO;
    return true;
}

bool integerPower(Complex base, std::int64_t exponent, bool complexMode, Complex& out) {
    Complex result = ONE;
    if (exponent < 0) {
        if (!quotient(ONE, base, complexMode, base)) return false;
        exponent = -exponent;
    }
    while (exponent > 0) {
        if (exponent % 2 == 1 && !product(result, base, complexMode, result)) return false;
        exponent /= 2;
        if (exponent > 0 && !product(base, base, complexMode, base)) return false;
    }
    out = result;
    return true;
}

bool power(Complex base, Complex exponent, bool complexMode, Complex& out) {
    std::int64_t n = 0;
    if (AsInteger(exponent, n)) return integerPower(base, n, complexMode, out);
    if (complexMode) {
        Complex logarithm;
        Complex t;
        return complexLn(base, logarithm) && product(exponent, logarithm, true, t) &&
               complexExp(t, out);
    }
    const long double x = base.re;
    if (x < 0) return false;
    const long double l = x < kSmall ? -kExponentLimit : std::log(x);
    const long double t = exponent.re * l;
    if (t > kExponentLimit) return false;
    out = Complex{t < -kExponentLimit ? 0.0L : std::exp(t), 0.0L};
    return true;
}

}  // namespace lorvex::scalar
