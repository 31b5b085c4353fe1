#include "expr/function_library.h"

#include <cmath>

#include "expr/gamma.h"
#include "expr/scalar_arithmetic.h"
#include "expr/symbol_codes.h"

namespace lorvex::scalar {
namespace {

using namespace symbol;

Complex real(long double x) {
    return Complex{x, 0.0L};
}

// sqrt(re^2 + im^2), taken as 0 when re^2 + im^2 < 10^-18.
long double modulus(Complex z) {
    const long double squared = z.re * z.re + z.im * z.im;
    return squared < kSmall ? 0.0L : std::sqrt(squared);
}

bool realTrigonometric(int code, long double x, Complex& out) {
    if (std::fabs(x) > kTrigonometricLimit) return false;
    switch (code) {
        case SIN:
            out = real(std::sin(x));
            return true;
        case COS:
            out = real(std::cos(x));
            return true;
        default: {
            const long double c = std::cos(x);
            if (std::fabs(c) < kSmall) return false;
            out = real(std::sin(x) / c);
            return true;
        }
    }
}

bool realHyperbolic(int code, long double x, Complex& out) {
    const bool inRange = std::fabs(x) < kExponentLimit;
    const long double sign = x < 0 ? -1.0L : 1.0L;
    switch (code) {
        case SINH:
        case COSH:
            if (!inRange) return false;
            out = real(code == SINH ? std::sinh(x) : std::cosh(x));
            return true;
        case TANH:
            out = real(inRange ? std::tanh(x) : sign);
            return true;
        case SECH:
            out = real(inRange ? 1.0L / std::cosh(x) : 0.0L);
            return true;
        default: {
            // COTH and CSCH: 1 / tanh x and 1 / sinh x, +-10^18 for a tiny divisor.
            if (std::fabs(x) <= kSmall) return false;
            if (code == CSCH && !inRange) {
                out = ZERO;
                return true;
            }
            const long double divisor =
                code == COTH ? (inRange ? std::tanh(x) : sign) : std::sinh(x);
            out = real(std::fabs(divisor) < kSmall ? sign * kLarge : 1.0L / divisor);
            return true;
        }
    }
}

bool realInverse(int code, Complex z, Complex& out) {
    const long double x = z.re;
    if (z.im != 0 && code != ARCTAN && code != ARCCOT) return false;
    switch (code) {
        case ARCSIN:
        case ARCCOS:
            if (std::fabs(x) > 1) return false;
            out = real(code == ARCSIN ? std::asin(x) : std::acos(x));
            return true;
        case ARCTAN:
            out = real(std::atan(x));
            return true;
        case ARCCOT:
            out = real(kHalfPi - std::atan(x));
            return true;
        case ARGSINH: {
            // ln(x + sqrt(x^2 + 1)) cancels for negative x; the function is odd.
            const long double a = std::fabs(x);
            const long double value = std::log(a + std::sqrt(a * a + 1.0L));
            out = real(x < 0 ? -value : value);
            return true;
        }
        case ARGCOSH:
            if (x < 1) return false;
            out = real(std::log(x + std::sqrt(x * x - 1.0L)));
            return true;
        case ARGTANH:
            if (std::fabs(x) + kSmall > 1) return false;
            out = real(0.5L * std::log((1.0L + x) / (1.0L - x)));
            return true;
        default:
            if (std::fabs(x) < 1.0L + kSmall) return false;
            out = real(0.5L * std::log((x + 1.0L) / (x - 1.0L)));
            return true;
    }
}

bool realLogarithm(int code, Complex z, Complex& out) {
    if (z.im != 0 || z.re < kSmall) return false;
    const long double ln = std::log(z.re);
    out = real(code == LN ? ln : ln / constants().ln10);
    return true;
}

}  // namespace

bool applyRealFunction(int code, Complex argument, Complex& out) {
    const long double x = argument.re;
    switch (code) {
        case ABS:
            out = real(modulus(argument));
            return true;
        case SGN:
            out = real(x >= 0 ? 1.0L : -1.0L);
            return true;
        case INT:
            out = real(std::trunc(x));
            return true;
        case FRAC:
            out = real(x - std::trunc(x));
            return true;
        case FLOOR:
            out = real(std::floor(x));
            return true;
        case CEIL:
            out = real(std::ceil(x));
            return true;
        case CIS:
            out = Complex{std::cos(x), std::sin(x)};
            return true;
        case EXP:
            if (x >= kExponentLimit) return false;
            out = real(x <= -kExponentLimit ? 0.0L : std::exp(x));
            return true;
        case LN:
        case LOG:
            return realLogarithm(code, argument, out);
        case SQRT:
            if (x < 0) return false;
            out = real(std::sqrt(x));
            return true;
        case FACT: {
            long double value = 0;
            if (std::fabs(x) > kFactorialLimit || !gamma(x + 1.0L, value)) return false;
            out = real(value);
            return true;
        }
        case GAMMA: {
            long double value = 0;
            if (!gamma(x, value)) return false;
            out = real(value);
            return true;
        }
        case SIN:
        case COS:
        case TAN:
            return realTrigonometric(code, x, out);
        case SEC:
        case CSC:
        case COT: {
            const int divisorCode = code == SEC ? COS : (code == CSC ? SIN : TAN);
            Complex divisor;
            return realTrigonometric(divisorCode, x, divisor) && quotient(ONE, divisor, false, out);
        }
        case ARCSIN:
        case ARCCOS:
        case ARCTAN:
        case ARCCOT:
        case ARGSINH:
        case ARGCOSH:
        case ARGTANH:
        case ARGCOTH:
            return realInverse(code, argument, out);
        case SINH:
        case COSH:
        case TANH:
        case SECH:
        case COTH:
        case CSCH:
            return realHyperbolic(code, x, out);
        case ARG:
        case RE:
        case IM:
        case CONJ:
            // Names of complex mode only; a tree compiled there means the same here.
            return applyComplexFunction(code, argument, out);
        default:
            out = ZERO;
            return true;
    }
}

bool applyFunction(int code, Complex argument, bool complexMode, Complex& out) {
    return complexMode ? applyComplexFunction(code, argument, out)
                       : applyRealFunction(code, argument, out);
}

}  // namespace lorvex::scalar
