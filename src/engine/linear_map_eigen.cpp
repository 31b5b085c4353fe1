#include "engine/linear_map_eigen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lorvex::picture_detail {
namespace {

// Two roots closer than this are one repeated root: rounding moves a double
// root by about the square root of the rounding error.
constexpr double kSameRoot = 1e-6;

double length(const SpaceVector& v) {
    return std::hypot(v[0], v[1], v[2]);
}

SpaceVector cross(const SpaceVector& u, const SpaceVector& v) {
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

// The unit vector along v, its first non-zero component positive, so that a
// direction is written the same way whichever vector found it.
SpaceVector direction(SpaceVector v) {
    const double size = length(v);
    for (double& component : v)
        component /= size;
    const auto leading =
        std::find_if(v.begin(), v.end(), [](double c) { return std::abs(c) > kZero; });
    if (leading != v.end() && *leading < 0.0) {
        for (double& component : v)
            component = -component;
    }
    return v;
}

// The directions of the null space of the 2 x 2 matrix M that is not zero:
// perpendicular to its longer row.
SpaceVector planeNullDirection(double p, double q, double r, double s) {
    const bool first = std::hypot(p, q) >= std::hypot(r, s);
    return direction({first ? -q : -s, first ? p : r, 0.0});
}

struct Root {
    double value;
    int multiplicity;
};

// The real roots of t³ + p t + q, from the sign of its discriminant.
std::vector<Root> depressedCubicRoots(double p, double q) {
    const double d = q * q / 4.0 + p * p * p / 27.0;
    if (std::abs(d) <= kZero * kZero) {
        if (std::abs(p) <= kSameRoot) return {{0.0, 3}};
        return {{3.0 * q / p, 1}, {-3.0 * q / (2.0 * p), 2}};
    }
    if (d > 0.0) {
        const double root = std::sqrt(d);
        return {{std::cbrt(-q / 2.0 + root) + std::cbrt(-q / 2.0 - root), 1}};
    }
    const double m = 2.0 * std::sqrt(-p / 3.0);
    const double angle = std::acos(std::clamp(3.0 * q / (p * m), -1.0, 1.0)) / 3.0;
    std::vector<Root> roots;
    for (int k = 0; k < 3; ++k)
        roots.push_back({m * std::cos(angle - 2.0 * std::numbers::pi * k / 3.0), 1});
    return roots;
}

// The directions of the null space of the 3 x 3 matrix M: one from the
// longest cross product of two rows when M has rank 2, two spanning the
// plane orthogonal to its longest row when it has rank 1, the three axes
// when it is zero.
std::vector<SpaceVector> spaceNullDirections(const std::array<SpaceVector, 3>& rows) {
    SpaceVector best{};
    for (int i = 0; i < 3; ++i) {
        const SpaceVector candidate =
            cross(rows[static_cast<std::size_t>(i)], rows[static_cast<std::size_t>((i + 1) % 3)]);
        if (length(candidate) > length(best)) best = candidate;
    }
    if (length(best) > kSameRoot) return {direction(best)};
    const auto longest = std::max_element(
        rows.begin(), rows.end(),
        [](const SpaceVector& u, const SpaceVector& v) { return length(u) < length(v); });
    if (length(*longest) <= kSameRoot) return {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};
    const SpaceVector normal = direction(*longest);
    // The axis least along the normal gives a vector well inside the plane.
    std::size_t axis = 0;
    for (std::size_t k = 1; k < 3; ++k) {
        if (std::abs(normal[k]) < std::abs(normal[axis])) axis = k;
    }
    SpaceVector unit{};
    unit[axis] = 1.0;
    const SpaceVector first = direction(cross(normal, unit));
    return {first, direction(cross(normal, first))};
}

}  // namespace

RealEigen planeEigen(const std::vector<double>& m) {
    const double a = m[0], b = m[1], c = m[2], d = m[3];
    const double half = (a + d) / 2.0;
    // (a - d)² / 4 + b c, free of the cancellation in half² - det.
    const double discriminant = (a - d) * (a - d) / 4.0 + b * c;
    RealEigen eigen;
    if (discriminant < -kSameRoot * kSameRoot) {
        eigen.directions = EigenDirections::NoneReal;
        eigen.complexPair = true;
        return eigen;
    }
    if (discriminant <= kSameRoot * kSameRoot) {
        const double p = a - half, q = b, r = c, s = d - half;
        if (std::max({std::abs(p), std::abs(q), std::abs(r), std::abs(s)}) <= kSameRoot) {
            eigen.directions = EigenDirections::EveryDirection;
            for (int k = 0; k < 6; ++k) {
                const double angle = std::numbers::pi * k / 6.0;
                eigen.lines.push_back({half, {std::cos(angle), std::sin(angle), 0.0}});
            }
            return eigen;
        }
        eigen.directions = EigenDirections::OneDirection;
        eigen.lines.push_back({half, planeNullDirection(p, q, r, s)});
        return eigen;
    }
    const double root = std::sqrt(discriminant);
    for (const double value : {half + root, half - root})
        eigen.lines.push_back({value, planeNullDirection(a - value, b, c, d - value)});
    return eigen;
}

RealEigen spaceEigen(const std::vector<double>& m) {
    const double trace = m[0] + m[4] + m[8];
    const double minors =
        m[0] * m[4] - m[1] * m[3] + m[0] * m[8] - m[2] * m[6] + m[4] * m[8] - m[5] * m[7];
    const double determinant = m[0] * (m[4] * m[8] - m[5] * m[7]) -
                               m[1] * (m[3] * m[8] - m[5] * m[6]) +
                               m[2] * (m[3] * m[7] - m[4] * m[6]);
    // λ = t + trace / 3 turns λ³ - trace λ² + minors λ - det into t³ + p t + q.
    const double shift = trace / 3.0;
    const double p = minors - trace * trace / 3.0;
    const double q = -2.0 * trace * trace * trace / 27.0 + trace * minors / 3.0 - determinant;
    RealEigen eigen;
    const std::vector<Root> roots = depressedCubicRoots(p, q);
    eigen.complexPair = roots.size() == 1 && roots.front().multiplicity == 1;
    for (const Root& root : roots) {
        const double value = root.value + shift;
        const std::array<SpaceVector, 3> rows = {SpaceVector{m[0] - value, m[1], m[2]},
                                                 SpaceVector{m[3], m[4] - value, m[5]},
                                                 SpaceVector{m[6], m[7], m[8] - value}};
        const std::vector<SpaceVector> found = spaceNullDirections(rows);
        if (found.size() == 3) eigen.directions = EigenDirections::EveryDirection;
        if (static_cast<int>(found.size()) < root.multiplicity)
            eigen.directions = EigenDirections::OneDirection;
        for (const SpaceVector& v : found)
            eigen.lines.push_back({value, v});
    }
    return eigen;
}

}  // namespace lorvex::picture_detail
