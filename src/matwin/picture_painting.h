#pragma once

#include <QRectF>
#include <string>
#include <vector>

#include "engine/linear_map_picture.h"

class QPainter;

namespace lorvex {

// Draws the picture of a linear map into the area: the picture's window as
// the largest square that leaves room below for the statements, one line
// each, in the styles of picture_style.h scaled to the square.
void paintPicture(QPainter& painter, const QRectF& area, const LinearMapPicture& picture,
                  const std::vector<std::string>& statements);

}  // namespace lorvex
