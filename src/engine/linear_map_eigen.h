#pragma once

#include <vector>

#include "engine/linear_map_picture.h"

// The real eigenvectors of a small real matrix for its picture. The matrix
// comes scaled so that its largest entry has size one, which lets every
// zero test be absolute; the eigenvalues come back for that scaled matrix.
namespace lorvex::picture_detail {

struct RealEigen {
    EigenDirections directions = EigenDirections::Separate;
    std::vector<EigenLine> lines;
    bool complexPair = false;
};

// Entries row by row, 4 or 9 of them.
RealEigen planeEigen(const std::vector<double>& scaled);
RealEigen spaceEigen(const std::vector<double>& scaled);

// Below this size a scaled quantity counts as zero.
inline constexpr double kZero = 1e-9;

}  // namespace lorvex::picture_detail
