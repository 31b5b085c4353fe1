#include "engine/geometry.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>
#include <vector>

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "engine/tolerances.h"

namespace lorvex {
namespace {

long double radians(long double degrees) {
    return (1.0L / 180.0L) * degrees * std::numbers::pi_v<long double>;
}

IntegerMatrix integerFromRows(const std::array<std::array<BigInt, 3>, 3>& rows) {
    IntegerMatrix m(3, 3);
    for (std::int32_t i = 0; i < 3; ++i)
        for (std::int32_t j = 0; j < 3; ++j)
            m.at(i, j) = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    return m;
}

ComplexMatrix realFromRows(const std::array<std::array<long double, 3>, 3>& rows) {
    ComplexMatrix m(3, 3);
    for (std::int32_t i = 0; i < 3; ++i)
        for (std::int32_t j = 0; j < 3; ++j)
            m.at(i, j).re = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    return m;
}

}  // namespace

int planeRotation(long double degrees, ComplexMatrix& rotation) {
    return runGuarded([&] {
        const long double theta = radians(degrees);
        if (!std::isfinite(theta)) return code::OutOfRange;
        const long double c = std::cos(theta);
        const long double s = std::sin(theta);
        ComplexMatrix m(2, 2);
        m.at(0, 0).re = c;
        m.at(0, 1).re = -s;
        m.at(1, 0).re = s;
        m.at(1, 1).re = c;
        rotation = std::move(m);
        return code::Ok;
    });
}

// Rodrigues' formula written out for the unit axis (x, y, z).
int spaceRotation(const std::array<long double, 3>& axis, long double degrees,
                  ComplexMatrix& rotation) {
    return runGuarded([&] {
        const long double lengthSquared = axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2];
        if (!std::isfinite(lengthSquared)) return code::OutOfRange;
        if (lengthSquared < kZeroTolerance) return code::Singular;
        const long double length = std::sqrt(lengthSquared);
        const long double x = axis[0] / length;
        const long double y = axis[1] / length;
        const long double z = axis[2] / length;

        const long double theta = radians(degrees);
        if (!std::isfinite(theta)) return code::OutOfRange;
        const long double c = std::cos(theta);
        const long double s = std::sin(theta);
        const long double t = 1.0L - c;
        using Row = std::array<long double, 3>;
        rotation = realFromRows({
            Row{x * x + c * (1.0L - x * x), t * y * x - s * z, s * y + t * z * x},
            Row{s * z + t * y * x, y * y + c * (1.0L - y * y), t * z * y - s * x},
            Row{t * z * x - s * y, s * x + t * z * y, z * z + c * (1.0L - z * z)},
        });
        return code::Ok;
    });
}

// Rodrigues' formula with cos = p / r, sin = q / r and the unit axis
// (a, b, c) / n, multiplied by r N so that every entry is an integer.
int exactSpaceRotation(const std::array<BigInt, 3>& axis, const std::array<BigInt, 2>& angle,
                       IntegerMatrix& rotation) {
    return runGuarded([&] {
        const auto& [a, b, c] = axis;
        const auto& [p, q] = angle;
        const BigInt aa = a * a;
        const BigInt bb = b * b;
        const BigInt cc = c * c;
        const BigInt bigN = aa + bb + cc;
        const BigInt bigM = p * p + q * q;
        if (bigN.isZero() || bigM.isZero()) return code::Singular;
        const std::optional<BigInt> n = exactSquareRoot(bigN);
        const std::optional<BigInt> r = exactSquareRoot(bigM);
        if (!n || !r) return code::PythagoreanExpected;

        const BigInt d = *r - p;
        const BigInt e = q * *n;
        const BigInt abd = a * b * d;
        const BigInt bcd = b * c * d;
        const BigInt cad = c * a * d;
        const BigInt ae = a * e;
        const BigInt be = b * e;
        const BigInt ce = c * e;
        using Row = std::array<BigInt, 3>;
        IntegerMatrix m = integerFromRows({
            Row{p * (bigN - aa) + *r * aa, abd - ce, cad + be},
            Row{abd + ce, p * (bigN - bb) + *r * bb, bcd - ae},
            Row{cad - be, bcd + ae, p * (bigN - cc) + *r * cc},
        });
        m.denominator = *r * bigN;
        rotation = std::move(m);
        return code::Ok;
    });
}

// Newton's iteration x := (x + value / x) / 2 in integers, started above the
// root (a power of the base with half the digits, rounded up), decreases
// strictly until it reaches the integer part of the root.
std::optional<BigInt> exactSquareRoot(const BigInt& value) {
    if (value.isNegative()) return std::nullopt;
    if (value.isZero()) return value;
    const auto halfDigits = static_cast<std::size_t>(value.top() / 2 + 1);
    std::vector<BigInt::Digit> start(halfDigits + 1, 0);
    start.back() = 1;
    BigInt x = BigInt::fromDigits(std::move(start), false);
    const BigInt two(2);
    const StopCheck& never = StopCheck::never();
    for (;;) {
        BigInt next =
            BigInt::divide(x + BigInt::divide(value, x, never).quotient, two, never).quotient;
        if (next >= x) break;
        x = std::move(next);
    }
    if (x * x != value) return std::nullopt;
    return x;
}

int hyperplaneMatrix(std::span<const Complex> v, HyperplaneMap map, ComplexMatrix& result) {
    return runGuarded([&] {
        Complex s = ZERO;
        for (const Complex& component : v)
            s += component * component;
        if (std::fabs(s.re) + std::fabs(s.im) < kZeroTolerance) return code::Singular;
        const Complex q = ONE / s;
        const Complex f{map == HyperplaneMap::Projection ? -1.0L : -2.0L, 0.0L};

        const auto k = static_cast<std::int32_t>(v.size());
        ComplexMatrix m(k, k);
        for (std::int32_t i = 0; i < k; ++i) {
            for (std::int32_t j = 0; j < k; ++j)
                m.at(i, j) =
                    f * q * (v[static_cast<std::size_t>(j)] * v[static_cast<std::size_t>(i)]);
            m.at(i, i) += ONE;
        }
        result = std::move(m);
        return code::Ok;
    });
}

int hyperplaneMatrix(std::span<const BigInt> v, HyperplaneMap map, IntegerMatrix& result) {
    return runGuarded([&] {
        BigInt sum;
        for (const BigInt& component : v)
            sum += component * component;
        if (sum.isZero()) return code::Singular;
        const BigInt factor(map == HyperplaneMap::Projection ? -1 : -2);

        const auto k = static_cast<std::int32_t>(v.size());
        IntegerMatrix m(k, k);
        for (std::int32_t i = 0; i < k; ++i) {
            for (std::int32_t j = 0; j < k; ++j)
                m.at(i, j) =
                    factor * v[static_cast<std::size_t>(i)] * v[static_cast<std::size_t>(j)];
            m.at(i, i) += sum;
        }
        m.denominator = std::move(sum);
        result = std::move(m);
        return code::Ok;
    });
}

}  // namespace lorvex
