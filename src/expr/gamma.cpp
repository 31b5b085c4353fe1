#include "expr/gamma.h"

#include <array>
#include <cmath>
#include <complex>
#include <numbers>

#include "expr/scalar_arithmetic.h"

namespace lorvex::scalar {
namespace {

using ComplexValue = std::complex<long double>;

constexpr long double kPoleDistance = 0.001L;
// a_1 ... a_5 of the continued fraction c = 1 / (a_1 w + 1 / (a_2 w + ...)).
constexpr std::array<long double, 5> kFraction{0.7125185551707076L, 5.450392255494851L,
                                               0.3310636497758604L, 2.991421067864064L,
                                               0.21542756221506607L};

long double realPart(long double x) {
    return x;
}
long double realPart(ComplexValue z) {
    return z.real();
}
long double magnitude(long double x) {
    return std::fabs(x);
}
long double magnitude(ComplexValue z) {
    return std::fabs(z.real()) + std::fabs(z.imag());
}
// exp(lambda) must stay within exp(+-5000); for a complex lambda only the
// real part decides the size.
bool leavesRange(long double lambda) {
    return std::fabs(lambda) >= kExponentLimit;
}
bool leavesRange(ComplexValue lambda) {
    return std::fabs(lambda.real()) >= kExponentLimit;
}

// Gamma(x) = Gamma(x + 6) / (x (x+1) ... (x+5)), with Gamma(w + 1/2), w = x + 5.5,
// from Stirling's formula sqrt(2 pi) exp(w ln w - w) / f and the correction f
// from a continued fraction. Negative arguments are reflected:
// Gamma(x) = pi (1 - x) / (sin(pi x) Gamma(2 - x)).
template <class T>
bool gammaRoutine(T x, T& out) {
    constexpr long double pi = std::numbers::pi_v<long double>;
    const long double nearest = std::round(realPart(x));
    if (nearest < 1 && magnitude(x - T(nearest)) < kPoleDistance) return false;
    if (magnitude(x) < kSmall) return false;
    T reflection = 1;
    const bool reflected = realPart(x) < 0;
    if (reflected) {
        const T s = std::sin(pi * x);
        if (magnitude(s) < kSmall) return false;
        reflection = pi * (T(1) - x) / s;
        x = T(2) - x;
    }
    const T p = x * (x + T(1)) * (x + T(2)) * (x + T(3)) * (x + T(4)) * (x + T(5));
    const T w = x + T(5.5L);
    const T lambda = w * std::log(w) - w;
    if (leavesRange(lambda)) return false;
    T c = 0;
    for (std::size_t k = kFraction.size(); k-- > 0;)
        c = T(1) / (kFraction[k] * w + c);
    const T f = T(1) + T(1) / (T(24) * w + c - T(0.5L));
    const T value = constants().sqrtTwoPi * std::exp(lambda) / p / f;
    out = reflected ? reflection / value : value;
    return true;
}

}  // namespace

bool gamma(long double x, long double& out) {
    return gammaRoutine(x, out);
}

bool gamma(Complex z, Complex& out) {
    ComplexValue value;
    if (!gammaRoutine(ComplexValue(z.re, z.im), value)) return false;
    out = Complex{value.real(), value.imag()};
    return true;
}

}  // namespace lorvex::scalar
