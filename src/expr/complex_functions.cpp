#include <cmath>
#include <optional>

#include "expr/function_library.h"
#include "expr/gamma.h"
#include "expr/scalar_arithmetic.h"
#include "expr/symbol_codes.h"

// The function library in complex arithmetic. The trigonometric and
// hyperbolic functions and their inverses are built from EXP, LN, SQRT and
// the guarded quotient and product, so they fail where those fail.
namespace lorvex::scalar {
namespace {

using namespace symbol;

Complex timesI(Complex z) {
    return Complex{-z.im, z.re};
}
Complex timesMinusI(Complex z) {
    return Complex{z.im, -z.re};
}
Complex real(long double x) {
    return Complex{x, 0.0L};
}

// e^z and e^-z, the pieces of every trigonometric and hyperbolic function.
struct Exponentials {
    Complex up;
    Complex down;
};

// Nothing when either one overflows.
std::optional<Exponentials> exponentials(Complex z) {
    Exponentials e;
    if (!complexExp(z, e.up) || !complexExp(-z, e.down)) return std::nullopt;
    return e;
}

bool sine(Complex z, Complex& out) {
    const std::optional<Exponentials> e = exponentials(timesI(z));
    return e && quotient(e->up - e->down, Complex{0.0L, 2.0L}, true, out);
}

bool cosine(Complex z, Complex& out) {
    const std::optional<Exponentials> e = exponentials(timesI(z));
    return e && quotient(e->up + e->down, real(2.0L), true, out);
}

bool hyperbolicSine(Complex z, Complex& out) {
    const std::optional<Exponentials> e = exponentials(z);
    return e && quotient(e->up - e->down, real(2.0L), true, out);
}

bool hyperbolicCosine(Complex z, Complex& out) {
    const std::optional<Exponentials> e = exponentials(z);
    return e && quotient(e->up + e->down, real(2.0L), true, out);
}

bool hyperbolicTangent(Complex z, Complex& out) {
    Complex e2;
    return complexExp(z + z, e2) && quotient(e2 - ONE, e2 + ONE, true, out);
}

bool tangent(Complex z, Complex& out) {
    Complex t;
    if (!hyperbolicTangent(timesI(z), t)) return false;
    out = timesMinusI(t);
    return true;
}

// -i ln(i z + sqrt(1 - z^2))
bool arcSine(Complex z, Complex& out) {
    Complex square;
    Complex logarithm;
    if (!product(z, z, true, square) ||
        !complexLn(timesI(z) + complexSqrt(ONE - square), logarithm))
        return false;
    out = timesMinusI(logarithm);
    return true;
}

// pi/2 - arcsin(z): the principal value everywhere. The textbook
// -i ln(z + sqrt(z^2 - 1)) gives the negated value in the quadrants where
// Re z and Im z have opposite signs.
bool arcCosine(Complex z, Complex& out) {
    Complex a;
    if (!arcSine(z, a)) return false;
    out = Complex{kHalfPi, 0.0L} - a;
    return true;
}

// -(i/2) ln((1 + i z) / (1 - i z))
bool arcTangent(Complex z, Complex& out) {
    Complex ratio;
    Complex logarithm;
    const Complex iz = timesI(z);
    if (!quotient(ONE + iz, ONE - iz, true, ratio) || !complexLn(ratio, logarithm)) return false;
    out = timesMinusI(Complex{logarithm.re / 2.0L, logarithm.im / 2.0L});
    return true;
}

bool arcCotangent(Complex z, Complex& out) {
    Complex a;
    if (!arcTangent(z, a)) return false;
    out = real(kHalfPi) - a;
    return true;
}

bool reciprocal(bool (*function)(Complex, Complex&), Complex z, Complex& out) {
    Complex value;
    return function(z, value) && quotient(ONE, value, true, out);
}

// The principal values of the inverse hyperbolic functions. ARGCOSH is
// ln(z + sqrt(z + 1) sqrt(z - 1)) and ARGCOTH artanh(1 / z): i arccos(z) and
// i arccot(i z) miss the principal value in half of the plane.
bool inverseHyperbolic(int code, Complex z, Complex& out) {
    Complex value;
    switch (code) {
        case ARGSINH:  // -i arcsin(i z)
            if (!arcSine(timesI(z), value)) return false;
            out = timesMinusI(value);
            return true;
        case ARGCOSH: {
            Complex root;
            if (!product(complexSqrt(z + ONE), complexSqrt(z - ONE), true, root)) return false;
            return complexLn(z + root, out);
        }
        case ARGTANH:  // -i arctan(i z)
            if (!arcTangent(timesI(z), value)) return false;
            out = timesMinusI(value);
            return true;
        default: {  // ARGCOTH
            Complex inverse;
            return quotient(ONE, z, true, inverse) && inverseHyperbolic(ARGTANH, inverse, out);
        }
    }
}

bool sign(Complex z, Complex& out) {
    const long double squared = z.re * z.re + z.im * z.im;
    const long double m = squared < kSmall ? 0.0L : std::sqrt(squared);
    if (m < kSmall) return false;
    out = Complex{z.re / m, z.im / m};
    return true;
}

}  // namespace

bool complexExp(Complex z, Complex& out) {
    if (size(z) > kLarge || z.re >= kExponentLimit) return false;
    if (z.re <= -kExponentLimit) {
        out = ZERO;
        return true;
    }
    const long double r = std::exp(z.re);
    out = Complex{r * std::cos(z.im), r * std::sin(z.im)};
    return true;
}

bool complexLn(Complex z, Complex& out) {
    const long double squared = z.re * z.re + z.im * z.im;
    if (squared < kSmall) return false;
    out = Complex{0.5L * std::log(squared), Arg(z.re, z.im)};
    return true;
}

Complex complexSqrt(Complex z) {
    const long double squared = z.re * z.re + z.im * z.im;
    if (squared < kSmall) return ZERO;
    const long double root = std::sqrt(std::sqrt(squared));
    const long double half = Arg(z.re, z.im) / 2.0L;
    return Complex{root * std::cos(half), root * std::sin(half)};
}

bool applyComplexFunction(int code, Complex z, Complex& out) {
    switch (code) {
        case ABS:
            return applyRealFunction(ABS, z, out);
        case INT:
        case FRAC:
        case FLOOR:
        case CEIL:
        case FACT:
            return applyRealFunction(code, real(z.re), out);
        case ARG:
            out = real(Arg(z.re, z.im));
            return true;
        case SGN:
            return sign(z, out);
        case RE:
            out = real(z.re);
            return true;
        case IM:
            out = real(z.im);
            return true;
        case CONJ:
            out = Complex{z.re, -z.im};
            return true;
        case CIS:
            if (std::fabs(z.im) < kSmall) return applyRealFunction(CIS, z, out);
            return complexExp(timesI(z), out);
        case EXP:
            return complexExp(z, out);
        case LN:
        case LOG:
            if (!complexLn(z, out)) return false;
            if (code == LOG) out = Complex{out.re / constants().ln10, out.im / constants().ln10};
            return true;
        case SQRT:
            out = complexSqrt(z);
            return true;
        case GAMMA:
            return gamma(z, out);
        case SIN:
            return sine(z, out);
        case COS:
            return cosine(z, out);
        case TAN:
            return tangent(z, out);
        case SEC:
            return reciprocal(cosine, z, out);
        case CSC:
            return reciprocal(sine, z, out);
        case COT:
            return reciprocal(tangent, z, out);
        case ARCSIN:
            return arcSine(z, out);
        case ARCCOS:
            return arcCosine(z, out);
        case ARCTAN:
            return arcTangent(z, out);
        case ARCCOT:
            return arcCotangent(z, out);
        case SINH:
            return hyperbolicSine(z, out);
        case COSH:
            return hyperbolicCosine(z, out);
        case TANH:
            return hyperbolicTangent(z, out);
        case SECH:
            return reciprocal(hyperbolicCosine, z, out);
        case COTH:
            return reciprocal(hyperbolicTangent, z, out);
        case CSCH:
            return reciprocal(hyperbolicSine, z, out);
        case ARGSINH:
        case ARGCOSH:
        case ARGTANH:
        case ARGCOTH:
            return inverseHyperbolic(code, z, out);
        default:
            out = ZERO;
            return true;
    }
}

}  // namespace lorvex::scalar
