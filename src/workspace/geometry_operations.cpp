// The geometric generators of the frame: rotations in the plane and in
// space (also exact, from Pythagorean data), and the projection onto and the
// reflection through the hyperplane orthogonal to a vector. The fields and
// letters are read and checked here, the matrices come from the engine.

#include "workspace/geometry_operations.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/geometry.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "workspace/described_placement.h"
#include "workspace/matrix_limits.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"
#include "workspace/text_numbers.h"

namespace lorvex {
namespace {

HyperplaneMap hyperplaneMap(bool projection) {
    return projection ? HyperplaneMap::Projection : HyperplaneMap::Reflection;
}

std::string projectionDescription(bool projection) {
    return std::string(
        strings::byId(projection ? strings::id::Projection : strings::id::Reflection));
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
    const MatrixDocument* document = workspace.slot(WorkspaceMode::Integer, letter);
    if (document == nullptr) return code::MatrixNotFound;
    if (entryCount(*document) < static_cast<std::int64_t>(N)) return code::InconsistentData;
    for (std::size_t k = 0; k < N; ++k)
        values[k] = document->ICells()[k];
    return code::Ok;
}

}  // namespace

int GeometryOperations::Rotate2D(std::int32_t letter, std::string_view degrees) {
    return runGuarded([&] {
        ComplexMatrix rotation;
        if (const int rc = planeRotation(leadingDecimal(degrees), rotation); rc != code::Ok)
            return rc;
        return placeDescribed(context_.workspace, ElementKind::Real, letter, rotation,
                              std::string(strings::byId(strings::id::PlaneRotation)));
    });
}

int GeometryOperations::Rotate3D(std::int32_t axisLetter, std::int32_t letter, std::string_view x,
                                 std::string_view y, std::string_view z, std::string_view degrees) {
    return runGuarded([&] {
        std::array<long double, 3> axis{};
        if (axisLetter < 1) {
            axis = {leadingDecimal(x), leadingDecimal(y), leadingDecimal(z)};
        } else {
            const MatrixDocument* document =
                context_.workspace.slot(WorkspaceMode::Real, axisLetter);
            if (document == nullptr) return code::MatrixNotFound;
            if (entryCount(*document) < 3) return code::InconsistentData;
            for (std::size_t k = 0; k < 3; ++k)
                axis[k] = document->RCells()[k];
        }
        ComplexMatrix rotation;
        if (const int rc = spaceRotation(axis, leadingDecimal(degrees), rotation); rc != code::Ok)
            return rc;
        return placeDescribed(context_.workspace, ElementKind::Real, letter, rotation,
                              std::string(strings::byId(strings::id::SpaceRotation)));
    });
}

int GeometryOperations::IntRotate3D(std::int32_t axisLetter, std::int32_t angleLetter,
                                    std::int32_t letter, std::string_view x, std::string_view y,
                                    std::string_view z, std::string_view rCos,
                                    std::string_view rSin) {
    return runGuarded([&] {
        std::array<BigInt, 3> axis;
        if (const int rc = readIntegerData(context_.workspace, axisLetter,
                                           std::array<std::string_view, 3>{x, y, z}, axis);
            rc != code::Ok)
            return rc;
        std::array<BigInt, 2> angle;
        if (const int rc = readIntegerData(context_.workspace, angleLetter,
                                           std::array<std::string_view, 2>{rCos, rSin}, angle);
            rc != code::Ok)
            return rc;
        IntegerMatrix rotation;
        if (const int rc = exactSpaceRotation(axis, angle, rotation); rc != code::Ok) return rc;
        return placeDescribed(context_.workspace, ElementKind::Integer, letter, rotation,
                              std::string(strings::byId(strings::id::SpaceRotation)));
    });
}

int GeometryOperations::ProjectReflect(std::int32_t axisLetter, std::int32_t letter,
                                       bool projection) {
    return runGuarded([&] {
        const MatrixDocument* document = context_.workspace.slot(WorkspaceMode::Real, axisLetter);
        if (document == nullptr) return code::MatrixNotFound;
        if (!isVector(*document)) return code::InconsistentData;
        const std::vector<long double>& entries = document->RCells();
        const auto k = static_cast<std::int32_t>(entries.size());
        if (sizeOutOfRange(k, k)) return code::OutOfRange;
        std::vector<Complex> v;
        for (const long double entry : entries)
            v.push_back(Complex{entry, 0.0L});
        ComplexMatrix map;
        if (const int rc = hyperplaneMatrix(v, hyperplaneMap(projection), map); rc != code::Ok)
            return rc;
        return placeDescribed(context_.workspace, ElementKind::Real, letter, map,
                              projectionDescription(projection));
    });
}

// The numerators are the vector; its denominator does not change the map.
int GeometryOperations::IntProjectReflect(std::int32_t axisLetter, std::int32_t letter,
                                          bool projection) {
    return runGuarded([&] {
        const MatrixDocument* document =
            context_.workspace.slot(WorkspaceMode::Integer, axisLetter);
        if (document == nullptr) return code::MatrixNotFound;
        if (!isVector(*document)) return code::InconsistentData;
        const std::span<const BigInt> v(document->ICells());
        const auto k = static_cast<std::int32_t>(v.size());
        if (sizeOutOfRange(k, k)) return code::OutOfRange;
        IntegerMatrix map;
        if (const int rc = hyperplaneMatrix(v, hyperplaneMap(projection), map); rc != code::Ok)
            return rc;
        return placeDescribed(context_.workspace, ElementKind::Integer, letter, map,
                              projectionDescription(projection));
    });
}

}  // namespace lorvex
