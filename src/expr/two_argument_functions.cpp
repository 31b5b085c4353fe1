#include <cmath>
#include <cstdint>
#include <numeric>

#include "expr/function_library.h"
#include "expr/scalar_arithmetic.h"
#include "expr/symbol_codes.h"

namespace lorvex::scalar {
namespace {

using namespace symbol;

Complex real(long double x) {
    return Complex{x, 0.0L};
}

bool modulo(long double x, long double y, Complex& out) {
    const long double d = std::fabs(y);
    if (d < constants().expMinusLimit) {
        out = ZERO;
        return false;
    }
    out = real(x - d * std::floor(x / d));
    return true;
}

bool greatestCommonDivisor(long double a, long double b, Complex& out) {
    if (std::fabs(a) > kIntegerLimit || std::fabs(b) > kIntegerLimit) return false;
    if (std::fabs(a) < 0.5L || std::fabs(b) < 0.5L) {
        out = ZERO;
        return true;
    }
    const auto x = static_cast<std::int64_t>(std::llround(std::fabs(a)));
    const auto y = static_cast<std::int64_t>(std::llround(std::fabs(b)));
    out = real(static_cast<long double>(std::gcd(x, y)));
    return true;
}

// The n-th root: real roots keep the sign of x (odd n only), complex ones
// are the principal root |z|^(1/n) (cos(phi/n), sin(phi/n)).
bool root(Complex degree, Complex z, bool complexMode, Complex& out) {
    std::int64_t n = 0;
    if (!AsInteger(degree, n) || n == 0) return false;
    const auto inverse = 1.0L / static_cast<long double>(n);
    if (complexMode) {
        const long double m = std::sqrt(z.re * z.re + z.im * z.im);
        // A negative root of 0 has no value.
        if (size(z) < kSmall && n < 0) return false;
        const long double angle = Arg(z.re, z.im) * inverse;
        const long double r = std::pow(m, inverse);
        out = Complex{r * std::cos(angle), r * std::sin(angle)};
        return true;
    }
    const long double x = z.re;
    if (std::fabs(x) < kSmall) {
        if (n < 0) return false;
        out = ZERO;
        return true;
    }
    if (n % 2 == 0 && x < 0) return false;
    const long double value = std::exp(std::log(std::fabs(x)) * inverse);
    out = real(x < 0 ? -value : value);
    return true;
}

// binom(x, r) = prod over k < r of (x - k) / (r - k), one factor at a time.
bool binomial(Complex x, Complex r, const StopCheck& stop, Complex& out) {
    std::int64_t count = 0;
    if (!AsInteger(r, count)) return false;
    long double value = 1.0L;
    for (std::int64_t k = 0; k < count; ++k) {
        stop.poll();
        value *= (x.re - static_cast<long double>(k)) / static_cast<long double>(count - k);
        if (std::fabs(value) > kLarge) return false;
    }
    out = real(value);
    return true;
}

}  // namespace

bool applyTwoArgumentFunction(int code, Complex left, Complex right, bool complexMode,
                              const StopCheck& stop, Complex& out) {
    switch (code) {
        case ABS2:
            out = real(std::sqrt(left.re * left.re + right.re * right.re));
            return true;
        case ARG2:
            out = real(Arg(left.re, right.re));
            return true;
        case MOD:
            return modulo(left.re, right.re, out);
        case GCD:
            return greatestCommonDivisor(left.re, right.re, out);
        case MAX:
            out = real(right.re > left.re ? right.re : left.re);
            return true;
        case MIN:
            out = real(right.re < left.re ? right.re : left.re);
            return true;
        case ROOT:
            return root(left, right, complexMode, out);
        case POWER: {
            std::int64_t n = 0;
            return AsInteger(left, n) && integerPower(right, n, complexMode, out);
        }
        case BINOM:
            return binomial(left, right, stop, out);
        default:
            out = ZERO;
            return true;
    }
}

}  // namespace lorvex::scalar
