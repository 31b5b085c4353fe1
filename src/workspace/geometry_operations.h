#pragma once

#include <cstdint>
#include <string_view>

#include "workspace/operation_context.h"

namespace lorvex {

// The geometric generators: rotations in the plane and in space (also exact,
// from Pythagorean data), and the projection onto and the reflection through
// the hyperplane orthogonal to a vector. Each reads the raw texts of its
// dialog's fields, stores its matrix through PlaceMatrix with a description
// in the notes and returns a result code; nothing is stored on failure.
class GeometryOperations {
  public:
    explicit GeometryOperations(const OperationContext& context) : context_(context) {}

    const OperationContext& context() const { return context_; }

    // The real ones always use the real array; an axis letter of 0 takes the
    // components from the texts. Codes besides code::OutOfMemory: Rotate3D
    // code::MatrixNotFound, code::InconsistentData (an axis matrix of fewer
    // than 3 entries), code::Singular (a zero axis).
    [[nodiscard]] int Rotate2D(std::int32_t letter, std::string_view degrees);
    [[nodiscard]] int Rotate3D(std::int32_t axisLetter, std::int32_t letter, std::string_view x,
                               std::string_view y, std::string_view z, std::string_view degrees);
    // Exact rotation from Pythagorean data; an angle letter of 0 takes r cos and
    // r sin from the texts. Codes: code::NotUnderstood (a text that is not an
    // integer), code::MatrixNotFound, code::InconsistentData (too few
    // entries), code::Singular (zero data), code::PythagoreanExpected when
    // a² + b² + c² or p² + q² is not a perfect square.
    [[nodiscard]] int IntRotate3D(std::int32_t axisLetter, std::int32_t angleLetter,
                                  std::int32_t letter, std::string_view x, std::string_view y,
                                  std::string_view z, std::string_view rCos, std::string_view rSin);
    // Projection onto (reflection through) the hyperplane orthogonal to the
    // row or column at the axis letter; the integer variant in integer mode.
    // Codes: code::MatrixNotFound, code::InconsistentData (not a row or
    // column of at least 2 entries), code::Singular (vᵀv zero),
    // code::OutOfRange when the square would hold more than 1 000 000 entries.
    [[nodiscard]] int ProjectReflect(std::int32_t axisLetter, std::int32_t letter, bool projection);
    [[nodiscard]] int IntProjectReflect(std::int32_t axisLetter, std::int32_t letter,
                                        bool projection);

  private:
    OperationContext context_;
};

}  // namespace lorvex
