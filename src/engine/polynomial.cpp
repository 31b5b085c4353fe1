#include "engine/polynomial.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/tolerances.h"

namespace lorvex::polynomial {

namespace {

// The radius, relative to |z|, of the disc around z in which roots count as
// one root of higher multiplicity. Rounding of the coefficients by 10^-19
// splits a k-fold root into k roots about 10^(-19/k) of its modulus apart
// (10^-10 for a double root); distinct eigenvalues of a matrix are rarely
// within 10^-6 of each other.
constexpr long double kClusterRadius = 1e-6L;

Coefficients scaledToUnitSize(Coefficients p) {
    const long double largest = largestModulus(p);
    if (largest > 0.0L) {
        for (Complex& c : p)
            c = Complex{c.re / largest, c.im / largest};
    }
    return p;
}

}  // namespace

long double modulus(Complex c) {
    return std::hypot(c.re, c.im);
}

long double largestModulus(const Coefficients& p) {
    long double largest = 0.0L;
    for (const Complex& c : p)
        largest = std::max(largest, modulus(c));
    return largest;
}

long double relativeResidual(const Coefficients& p, Complex z) {
    // Horner's rule on the moduli bounds every partial sum of p(z).
    const long double size = modulus(z);
    long double bound = 0.0L;
    for (const Complex& c : p)
        bound = bound * size + modulus(c);
    const long double value = modulus(evaluate(p, z));
    return bound > 0.0L ? value / bound : value;
}

Complex evaluate(const Coefficients& p, Complex z) {
    Complex value = p.front();
    for (std::size_t i = 1; i < p.size(); ++i)
        value = value * z + p[i];
    return value;
}

Coefficients derivative(const Coefficients& p) {
    const std::int32_t n = degree(p);
    if (n == 0) return Coefficients{ZERO};
    Coefficients result(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) {
        const auto exponent = static_cast<long double>(n - i);
        result[static_cast<std::size_t>(i)] = p[static_cast<std::size_t>(i)] * Complex{exponent};
    }
    return result;
}

std::optional<Division> divide(const Coefficients& dividend, const Coefficients& divisor) {
    const Complex leading = divisor.front();
    if (size(leading) < kZeroTolerance) return std::nullopt;
    const std::int32_t dividendDegree = degree(dividend);
    const std::int32_t divisorDegree = degree(divisor);
    if (dividendDegree < divisorDegree) return Division{Coefficients{ZERO}, dividend};

    Coefficients rest = dividend;
    Coefficients quotient(static_cast<std::size_t>(dividendDegree - divisorDegree) + 1);
    for (std::size_t i = 0; i < quotient.size(); ++i) {
        const Complex factor = rest[i] / leading;
        quotient[i] = factor;
        for (std::size_t j = 0; j < divisor.size(); ++j)
            rest[i + j] = rest[i + j] - divisor[j] * factor;
    }
    auto first = rest.begin() + static_cast<std::ptrdiff_t>(quotient.size());
    while (first != rest.end() && size(*first) <= kZeroTolerance)
        ++first;
    Coefficients remainder(first, rest.end());
    if (remainder.empty()) remainder.push_back(ZERO);
    return Division{std::move(quotient), std::move(remainder)};
}

Coefficients greatestCommonDivisor(const Coefficients& p, const Coefficients& q) {
    Coefficients a = p;
    Coefficients b = q;
    Coefficients result{ONE};
    const std::int32_t maximumDivisions = degree(p) + degree(q) + 1;
    for (std::int32_t count = 0; count < maximumDivisions; ++count) {
        std::optional<Division> division = divide(a, b);
        if (!division) break;
        Coefficients& remainder = division->remainder;
        // Rounding leaves a remainder of about 10^-19 times the dividend
        // where there should be none; an absolute test would instead take any
        // remainder of a polynomial with small coefficients for zero.
        if (largestModulus(remainder) < kPolynomialTolerance * largestModulus(a)) {
            result = std::move(b);
            break;
        }
        if (degree(remainder) < 1) break;
        a = std::move(b);
        b = scaledToUnitSize(std::move(remainder));
    }
    const Complex constant = result.back();
    if (constant.re * constant.re + constant.im * constant.im >= kZeroTolerance) {
        for (Complex& c : result)
            c = c / constant;
    }
    return result;
}

std::vector<Complex> taylorCoefficients(const Coefficients& p, Complex z) {
    // Repeated division by x - z: the remainders are p(z), p'(z), p''(z) / 2, ...
    Coefficients rest = p;
    std::vector<Complex> result;
    result.reserve(p.size());
    while (!rest.empty()) {
        for (std::size_t i = 1; i < rest.size(); ++i)
            rest[i] = rest[i] + rest[i - 1] * z;
        result.push_back(rest.back());
        rest.pop_back();
    }
    return result;
}

std::int32_t rootsNear(const Coefficients& p, Complex z) {
    const std::vector<Complex> taylor = taylorCoefficients(p, z);
    // The same expansion of sum |p_i| x^(n-i) at |z| bounds the terms that
    // make up each t_j; a t_j below 10^-13 of that bound is rounding and
    // counts as 0.
    Coefficients moduli;
    moduli.reserve(p.size());
    for (const Complex& c : p)
        moduli.push_back(Complex{modulus(c)});
    const std::vector<Complex> bounds = taylorCoefficients(moduli, Complex{modulus(z)});

    const long double radius = kClusterRadius * modulus(z);
    std::int32_t count = 0;
    long double largest = 0.0L;
    long double power = 1.0L;
    for (std::size_t j = 0; j < taylor.size(); ++j, power *= radius) {
        const long double size = modulus(taylor[j]);
        if (!(size > kPolynomialTolerance * bounds[j].re)) continue;
        // At z = 0 the disc is a point: the count is the order of the zero.
        if (radius == 0.0L) return static_cast<std::int32_t>(j);
        if (size * power > largest) {
            largest = size * power;
            count = static_cast<std::int32_t>(j);
        }
    }
    return count;
}

std::vector<std::int32_t> multiplicities(const Coefficients& p, const std::vector<Complex>& roots) {
    const std::int32_t n = degree(p);
    std::vector<std::int32_t> counts(roots.size(), 1);
    std::int32_t used = 0;
    for (std::size_t r = 0; r < roots.size(); ++r) {
        const auto later = static_cast<std::int32_t>(roots.size() - r - 1);
        counts[r] = std::max(1, std::min(rootsNear(p, roots[r]), n - used - later));
        used += counts[r];
    }
    return counts;
}

}  // namespace lorvex::polynomial
