#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

#include "engine/random_generator.h"

namespace lorvex {

// What decides where a dialog opens: its own size, the rectangle of the
// window it belongs to, the screen size, and the height of that window's
// caption and menu bar. Rectangles are in screen coordinates.
struct DialogGeometry {
    QSize dialog;
    QRect parent;
    QSize screen;
    int captionAndMenuHeight = 0;
};

// The top left corner of a dialog about to open: the dialog goes into the
// free space beside its parent: to the right when it fits there, else to the
// left, else below, else above, else just under the parent's menu bar; and
// then moves by `jitter` so that dialogs opened one after the other do not
// hide each other exactly.
QPoint dialogPosition(const DialogGeometry& geometry, QPoint jitter);

// A dialog's rectangle moved off the other dialogs on the screen: when it
// covers one, it goes right of that one, else left, else below, else above,
// the first place that lies on the screen and covers neither another dialog
// nor the parent; where there is none it stays.
QRect clearOfDialogs(const QRect& wanted, const std::vector<QRect>& dialogs, const QRect& parent,
                     const QRect& screen);

// The shift of each coordinate: 10 minus a random number 0 ... 19.
QPoint placementJitter(RandomGenerator& random);

// Moves a dialog about to open into the free space beside a window, as
// dialogPosition says: by default the window it belongs to (its parent's).
void placeBesideOwner(QWidget& dialog, RandomGenerator& random, const QWidget* beside = nullptr);

// No remembered position (a position with x >= 0 and y >= 0 is one).
inline constexpr QPoint kNoPosition{-1, -1};

}  // namespace lorvex
