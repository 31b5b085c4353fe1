#include "toolkit/window_cascade.h"

#include <algorithm>

namespace lorvex {
namespace {

QPoint firstPosition(const QRect& frame, QSize size, const QRect& screen) {
    const int right = frame.x() + frame.width();
    const int below = frame.y() + frame.height();
    if (right + size.width() <= screen.x() + screen.width()) return {right, frame.y()};
    if (below + size.height() <= screen.y() + screen.height()) return {frame.x(), below};
    if (frame.x() - size.width() >= screen.x()) return {frame.x() - size.width(), frame.y()};
    return {frame.x(), below};
}

bool fits(QPoint corner, QSize size, const QRect& screen) {
    return corner.x() + size.width() <= screen.x() + screen.width() &&
           corner.y() + size.height() <= screen.y() + screen.height();
}

}  // namespace

QPoint cascadePosition(const QRect& frame, const std::optional<QRect>& last, QSize size,
                       const QRect& screen) {
    const QPoint first = firstPosition(frame, size, screen);
    QPoint corner = first;
    if (last) {
        corner = last->topLeft() + QPoint(kCascadeStep, kCascadeStep);
        const bool overFrame =
            QRect(corner, size).intersects(frame) && !QRect(first, size).intersects(frame);
        if (!fits(corner, size, screen) || overFrame) corner = first;
    }
    const int x = std::clamp(corner.x(), screen.x(),
                             std::max(screen.x(), screen.x() + screen.width() - size.width()));
    const int y = std::clamp(corner.y(), screen.y(),
                             std::max(screen.y(), screen.y() + screen.height() - size.height()));
    return {x, y};
}

}  // namespace lorvex
