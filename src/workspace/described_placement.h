#pragma once

#include <cstdint>
#include <string>

#include "engine/matrix_data.h"
#include "workspace/workspace.h"

namespace lorvex {

// The common ending of the generators: stores the matrix through PlaceMatrix
// in the array of `kind` and, when it was stored (the overwrite question may
// refuse it), writes how it was made into its notes. Returns PlaceMatrix's
// code: code::Ok also when the overwrite was refused, or code::NoMoreRoom.
[[nodiscard]] inline int placeDescribed(Workspace& workspace, ElementKind kind, std::int32_t letter,
                                        const MatrixData& matrix, std::string description) {
    const Workspace::Placement placement = workspace.PlaceMatrix(kind, "", letter, matrix);
    if (placement.stored) placement.document->setNotes(std::move(description));
    return placement.code;
}

}  // namespace lorvex
