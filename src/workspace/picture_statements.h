#pragma once

#include <string>
#include <vector>

#include "engine/linear_map_picture.h"

// The sentences written below the picture of a linear map: the determinant
// with what it does to orientation (or the collapse of a singular map), what
// the eigenvectors are when the picture cannot show them as separate lines,
// and the singular values of a 2 x 2 matrix.
namespace lorvex {

std::vector<std::string> pictureStatements(const LinearMapPicture& picture);

}  // namespace lorvex
