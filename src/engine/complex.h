#pragma once

#include <cmath>
#include <limits>

#include "engine/tolerances.h"

namespace lorvex {

// Element of real and complex matrices: two extended-precision reals.
// A real matrix is one whose imaginary parts are all zero.
struct Complex {
    long double re = 0.0L;
    long double im = 0.0L;

    friend constexpr bool operator==(const Complex&, const Complex&) = default;
};

inline constexpr Complex ZERO{0.0L, 0.0L};
inline constexpr Complex ONE{1.0L, 0.0L};

constexpr Complex operator+(Complex a, Complex b) {
    return {a.re + b.re, a.im + b.im};
}
constexpr Complex operator-(Complex a, Complex b) {
    return {a.re - b.re, a.im - b.im};
}
constexpr Complex operator-(Complex a) {
    return {-a.re, -a.im};
}
constexpr Complex operator*(Complex a, Complex b) {
    return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}
constexpr Complex conj(Complex a) {
    return {a.re, -a.im};
}

// a / b = a * conj(b) * (1 / |b|^2). The squared modulus is used as it is, so
// every quotient by a non-zero number is right; only when it is not a normal
// number (in practice a zero divisor) is it replaced by 10^-18, which makes a
// quotient by zero come out as zero instead of failing. Callers that must not
// divide by (near) zero test the divisor first.
inline Complex operator/(Complex a, Complex b) {
    long double squaredModulus = b.re * b.re + b.im * b.im;
    if (squaredModulus < std::numeric_limits<long double>::min()) squaredModulus = kZeroTolerance;
    const long double scale = 1.0L / squaredModulus;
    const Complex product = a * conj(b);
    return {product.re * scale, product.im * scale};
}

inline Complex& operator+=(Complex& a, Complex b) {
    return a = a + b;
}
inline Complex& operator-=(Complex& a, Complex b) {
    return a = a - b;
}
inline Complex& operator*=(Complex& a, Complex b) {
    return a = a * b;
}

// The measure of every zero test, pivot choice and overflow test: |re| + |im|.
inline long double size(Complex a) {
    return std::fabs(a.re) + std::fabs(a.im);
}
inline long double distance(Complex a, Complex b) {
    return size(a - b);
}
inline bool isZero(Complex a) {
    return size(a) <= kZeroTolerance;
}
inline bool exceedsOverflowLimit(Complex a) {
    return size(a) > kOverflowLimit;
}

}  // namespace lorvex
