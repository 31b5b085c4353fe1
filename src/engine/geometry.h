#pragma once

#include <array>
#include <optional>
#include <span>

#include "engine/bigint.h"
#include "engine/complex.h"
#include "engine/matrix_data.h"

// The standard matrices of plane and space geometry: rotations, also exact
// ones from Pythagorean data, and the projection onto and the reflection
// through the hyperplane orthogonal to a vector. Angles are in degrees. Every
// operation returns code::Ok, code::OutOfMemory or a code named below, and
// writes its output only on success.
namespace lorvex {

// The rotation of the plane by the angle: [cos, -sin; sin, cos];
// code::OutOfRange for an angle beyond the range of a long double, which has
// no sine or cosine.
[[nodiscard]] int planeRotation(long double degrees, ComplexMatrix& rotation);

// The rotation of space by the angle about the axis, counter-clockwise when
// the axis points at the viewer (the right-hand rule); only the axis'
// direction counts. code::OutOfRange when the axis' squared length or the
// angle is beyond the range of a long double, then code::Singular when that
// length is below 10^-18.
[[nodiscard]] int spaceRotation(const std::array<long double, 3>& axis, long double degrees,
                                ComplexMatrix& rotation);

// The rotation of spaceRotation about the axis (a, b, c) with cos = p / r and
// sin = q / r, from the angle data (p, q) = (r cos, r sin), in integers: the
// numerators over the denominator r N, where N = a² + b² + c² = n² and
// p² + q² = r², as computed, not reduced. Multiples of the axis or of the
// angle data give the same rotation. Codes, in the order checked:
// code::Singular when the axis or the angle data are zero,
// code::PythagoreanExpected when N or p² + q² is not a perfect square.
[[nodiscard]] int exactSpaceRotation(const std::array<BigInt, 3>& axis,
                                     const std::array<BigInt, 2>& angle, IntegerMatrix& rotation);

// The square root of a non-negative integer when it is a perfect square.
// Like BigInt's own operations it may throw std::bad_alloc.
std::optional<BigInt> exactSquareRoot(const BigInt& value);

enum class HyperplaneMap { Projection, Reflection };

// I - v vᵀ / (vᵀ v), the projection onto the hyperplane orthogonal to v, or
// I - 2 v vᵀ / (vᵀ v), the reflection through it: k x k for the k entries of
// v. The products take no conjugate. code::Singular when the size of vᵀ v is
// below 10^-18.
[[nodiscard]] int hyperplaneMatrix(std::span<const Complex> v, HyperplaneMap map,
                                   ComplexMatrix& result);
// The exact variant: the numerators N δij - v_i v_j (or - 2 v_i v_j) over the
// denominator N = vᵀ v, as computed, not reduced. code::Singular when N is 0.
[[nodiscard]] int hyperplaneMatrix(std::span<const BigInt> v, HyperplaneMap map,
                                   IntegerMatrix& result);

}  // namespace lorvex
