#pragma once

#include <string>
#include <vector>

#include "engine/linear_map_picture.h"

// The picture of a linear map as an SVG document, with the statements below
// it, for lorvex-cli: no Qt, only the items of the picture in the styles of
// picture_style.h.
namespace lorvex {

std::string svgPicture(const LinearMapPicture& picture, const std::vector<std::string>& statements);

}  // namespace lorvex
