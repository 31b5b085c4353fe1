// The geometric generators of the frame: rotations in the plane and in
// space (also exact, from Pythagorean data), and the projection onto and the
// reflection through the hyperplane orthogonal to a vector.

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "workspace/described_placement.h"
#include "workspace/frame_operations.h"
#include "workspace/matrix_limits.h"
#include "workspace/strings.h"
#include "workspace/text_numbers.h"

namespace lorvex {
namespace {

constexpr std::string_view kPlaneSuffix = " 2D";
constexpr std::string_view kSpaceSuffix = " 3D";

// The angle of a degrees field, in radians. A number beyond the range of a
// long double reads as an infinity, which has no sine or cosine: the
// rotations refuse it as out of range.
long double radians(std::string_view degrees) {
    return (1.0L / 180.0L) * leadingDecimal(degrees) * std::numbers::pi_v<long double>;
}

std::string rotationDescription(std::string_view suffix) {
    return std::string(strings::byId(207)) + std::string(suffix);
}

std::string projectionDescription(bool projection) {
    return std::string(strings::byId(projection ? 220 : 221));
}

std::int64_t entryCount(const MatrixDocument& document) {
    return static_cast<std::int64_t>(document.Rows()) * document.Cols();
}

// An axis vector is a row or a column of at least two entries.
bool isVector(const MatrixDocument& document) {
    return entryCount(document) >= 2 && (document.Rows() == 1 || document.Cols() == 1);
}

// The integers of the exact rotation: read from the texts (code::NotUnderstood
// when one is not an integer), or the first numerators of the integer matrix
// at the letter (code::MatrixNotFound, code::InconsistentData when it has too
// few entries); its denominator does not matter, the rotation being the same
// for multiples of the data.
template <std::size_t N>
int readIntegerData(const Workspace& workspace, std::int32_t letter,
                    const std::array<std::string_view, N>& texts, std::array<BigInt, N>& values) {
    if (letter < 1) {
        for (std::size_t k = 0; k < N; ++k)
            if (BigInt::fromText(texts[k], values[k]) != code::Ok) return code::NotUnderstood;
        return code::Ok;
    }
    const MatrixDocument* document = workspace.Slots(WorkspaceMode::Integer, letter);
    if (document == nullptr) return code::MatrixNotFound;
    if (entryCount(*document) < static_cast<std::int64_t>(N)) return code::InconsistentData;
    for (std::size_t k = 0; k < N; ++k)
        values[k] = document->ICells()[k];
    return code::Ok;
}

// The square root of a positive integer when it is a perfect square. Newton's
// iteration x := (x + value / x) / 2 in integers, started above the root (a
// power of the base with half the digits, rounded up), decreases strictly
// until it reaches the integer part of the root.
bool exactSquareRoot(const BigInt& value, BigInt& root) {
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
    if (x * x != value) return false;
    root = std::move(x);
    return true;
}

}  // namespace

int FrameOperations::Rotate2D(std::int32_t letter, std::string_view degrees) {
    return runGuarded([&] {
        const long double theta = radians(degrees);
        if (!std::isfinite(theta)) return code::OutOfRange;
        const long double c = std::cos(theta);
        const long double s = std::sin(theta);
        ComplexMatrix block(2, 2);
        block.at(0, 0).re = c;
        block.at(0, 1).re = -s;
        block.at(1, 0).re = s;
        block.at(1, 1).re = c;
        return placeDescribed(workspace_, ElementKind::Real, letter, block,
                              rotationDescription(kPlaneSuffix));
    });
}

// The rotation by theta about the unit axis (x, y, z), counter-clockwise
// when the axis points at the viewer (Rodrigues' formula written out).
int FrameOperations::Rotate3D(std::int32_t axisLetter, std::int32_t letter, std::string_view x,
                              std::string_view y, std::string_view z, std::string_view degrees) {
    return runGuarded([&] {
        std::array<long double, 3> axis{};
        if (axisLetter < 1) {
            axis = {leadingDecimal(x), leadingDecimal(y), leadingDecimal(z)};
        } else {
            const MatrixDocument* document = workspace_.Slots(WorkspaceMode::Real, axisLetter);
            if (document == nullptr) return code::MatrixNotFound;
            if (entryCount(*document) < 3) return code::InconsistentData;
            for (std::size_t k = 0; k < 3; ++k)
                axis[k] = document->Cells()[k].re;
        }
        const long double lengthSquared = axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2];
        if (!std::isfinite(lengthSquared)) return code::OutOfRange;
        if (lengthSquared < kZeroTolerance) return code::Singular;
        const long double length = std::sqrt(lengthSquared);
        const long double ux = axis[0] / length;
        const long double uy = axis[1] / length;
        const long double uz = axis[2] / length;

        const long double theta = radians(degrees);
        if (!std::isfinite(theta)) return code::OutOfRange;
        const long double c = std::cos(theta);
        const long double s = std::sin(theta);
        const long double t = 1.0L - c;
        using Row = std::array<long double, 3>;
        const std::array<Row, 3> rows = {
            Row{ux * ux + c * (1.0L - ux * ux), t * uy * ux - s * uz, s * uy + t * uz * ux},
            Row{s * uz + t * uy * ux, uy * uy + c * (1.0L - uy * uy), t * uz * uy - s * ux},
            Row{t * uz * ux - s * uy, s * ux + t * uz * uy, uz * uz + c * (1.0L - uz * uz)},
        };
        ComplexMatrix block(3, 3);
        for (std::int32_t i = 0; i < 3; ++i)
            for (std::int32_t j = 0; j < 3; ++j)
                block.at(i, j).re = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        return placeDescribed(workspace_, ElementKind::Real, letter, block,
                              rotationDescription(kSpaceSuffix));
    });
}

// The rotation of Rotate3D with cos = p / r and sin = q / r about the axis
// (a, b, c) / n, where N = a² + b² + c² = n² and M = p² + q² = r², multiplied
// by r N so that every entry is an integer; stored over the denominator r N
// as computed, not reduced.
int FrameOperations::IntRotate3D(std::int32_t axisLetter, std::int32_t angleLetter,
                                 std::int32_t letter, std::string_view x, std::string_view y,
                                 std::string_view z, std::string_view rCos, std::string_view rSin) {
    return runGuarded([&] {
        std::array<BigInt, 3> axis;
        if (const int rc = readIntegerData(workspace_, axisLetter,
                                           std::array<std::string_view, 3>{x, y, z}, axis);
            rc != code::Ok)
            return rc;
        std::array<BigInt, 2> angle;
        if (const int rc = readIntegerData(workspace_, angleLetter,
                                           std::array<std::string_view, 2>{rCos, rSin}, angle);
            rc != code::Ok)
            return rc;
        const BigInt& a = axis[0];
        const BigInt& b = axis[1];
        const BigInt& c = axis[2];
        const BigInt& p = angle[0];
        const BigInt& q = angle[1];

        const BigInt aa = a * a;
        const BigInt bb = b * b;
        const BigInt cc = c * c;
        const BigInt bigN = aa + bb + cc;
        const BigInt bigM = p * p + q * q;
        if (bigN.isZero() || bigM.isZero()) return code::Singular;
        BigInt n;
        BigInt r;
        if (!exactSquareRoot(bigN, n) || !exactSquareRoot(bigM, r))
            return code::PythagoreanExpected;

        const BigInt d = r - p;
        const BigInt e = q * n;
        const BigInt abd = a * b * d;
        const BigInt bcd = b * c * d;
        const BigInt cad = c * a * d;
        const BigInt ae = a * e;
        const BigInt be = b * e;
        const BigInt ce = c * e;
        using Row = std::array<BigInt, 3>;
        const std::array<Row, 3> rows = {
            Row{p * (bigN - aa) + r * aa, abd - ce, cad + be},
            Row{abd + ce, p * (bigN - bb) + r * bb, bcd - ae},
            Row{cad - be, bcd + ae, p * (bigN - cc) + r * cc},
        };
        IntegerMatrix block(3, 3);
        for (std::int32_t i = 0; i < 3; ++i)
            for (std::int32_t j = 0; j < 3; ++j)
                block.at(i, j) = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        block.denominator = r * bigN;
        return placeDescribed(workspace_, ElementKind::Integer, letter, block,
                              rotationDescription(kSpaceSuffix));
    });
}

// P = I - v vᵀ / (vᵀ v) projects onto the hyperplane orthogonal to v, and
// R = I - 2 v vᵀ / (vᵀ v) reflects through it; the products take no
// conjugate.
int FrameOperations::ProjectReflect(std::int32_t axisLetter, std::int32_t letter, bool projection) {
    return runGuarded([&] {
        const MatrixDocument* document = workspace_.Slots(WorkspaceMode::Real, axisLetter);
        if (document == nullptr) return code::MatrixNotFound;
        if (!isVector(*document)) return code::InconsistentData;
        const std::vector<Complex>& v = document->Cells();
        const auto k = static_cast<std::int32_t>(v.size());
        if (sizeOutOfRange(k, k)) return code::OutOfRange;

        Complex s = ZERO;
        for (const Complex& component : v)
            s += component * component;
        if (std::fabs(s.re) + std::fabs(s.im) < kZeroTolerance) return code::Singular;
        const Complex q = ONE / s;
        const Complex f{projection ? -1.0L : -2.0L, 0.0L};

        ComplexMatrix block(k, k);
        for (std::int32_t i = 0; i < k; ++i) {
            for (std::int32_t j = 0; j < k; ++j) {
                block.at(i, j) =
                    f * q * (v[static_cast<std::size_t>(j)] * v[static_cast<std::size_t>(i)]);
            }
            block.at(i, i) += ONE;
        }
        return placeDescribed(workspace_, ElementKind::Real, letter, block,
                              projectionDescription(projection));
    });
}

// The exact variant: numerators N δij - v_i v_j (or - 2 v_i v_j) over the
// denominator N = vᵀ v, as computed, not reduced.
int FrameOperations::IntProjectReflect(std::int32_t axisLetter, std::int32_t letter,
                                       bool projection) {
    return runGuarded([&] {
        const MatrixDocument* document = workspace_.Slots(WorkspaceMode::Integer, axisLetter);
        if (document == nullptr) return code::MatrixNotFound;
        if (!isVector(*document)) return code::InconsistentData;
        const std::vector<BigInt>& cells = document->ICells();
        const auto k = static_cast<std::int32_t>(cells.size() - 1);
        if (sizeOutOfRange(k, k)) return code::OutOfRange;
        const auto v = [&](std::int32_t i) -> const BigInt& {
            return cells[static_cast<std::size_t>(i)];
        };

        BigInt sum;
        for (std::int32_t i = 0; i < k; ++i)
            sum += v(i) * v(i);
        if (sum.isZero()) return code::Singular;
        const BigInt factor(projection ? -1 : -2);

        IntegerMatrix block(k, k);
        for (std::int32_t i = 0; i < k; ++i) {
            for (std::int32_t j = 0; j < k; ++j)
                block.at(i, j) = factor * v(i) * v(j);
            block.at(i, i) += sum;
        }
        block.denominator = sum;
        return placeDescribed(workspace_, ElementKind::Integer, letter, block,
                              projectionDescription(projection));
    });
}

}  // namespace lorvex
