#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace lorvex {

// How far each new window moves from the one before it.
inline constexpr int kCascadeStep = 28;

// The top left corner of a new window of `size` (its frame included) among
// windows that cascade from the main frame: the first goes beside the frame
// (to its right when it fits there, else below it, else to its left, else
// below it as far as the screen allows), each later one `kCascadeStep` down
// and to the right of the `last` one, and back to the first place when the
// next would leave the screen. The window is kept within the screen.
// Rectangles are frame rectangles in screen coordinates.
QPoint cascadePosition(const QRect& frame, const std::optional<QRect>& last, QSize size,
                       const QRect& screen);

}  // namespace lorvex
