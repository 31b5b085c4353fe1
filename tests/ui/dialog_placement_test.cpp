#include "toolkit/dialog_placement.h"

#include <gtest/gtest.h>

namespace lorvex {
namespace {

// A 1000 x 800 screen and a 200 x 100 dialog; the parent rectangles are
// (left, top, width, height).
DialogGeometry beside(QRect parent) {
    return {QSize(200, 100), parent, QSize(1000, 800), 45};
}

TEST(DialogPlacement, GoesIntoTheFreeSpaceBesideItsParent) {
    const QPoint still(0, 0);
    // Room on the right: centred there, two thirds down the free height.
    EXPECT_EQ(dialogPosition(beside({0, 0, 400, 300}), still), QPoint(600, 466));
    // The parent reaches the right edge: centred in the space on its left.
    EXPECT_EQ(dialogPosition(beside({500, 0, 500, 300}), still), QPoint(150, 466));
    // A parent as wide as the screen: below it when there is room ...
    EXPECT_EQ(dialogPosition(beside({0, 100, 1000, 300}), still), QPoint(10, 550));
    // ... else above it ...
    EXPECT_EQ(dialogPosition(beside({0, 500, 1000, 300}), still), QPoint(10, 200));
    // ... and only over a parent that fills the screen, under its menu bar.
    EXPECT_EQ(dialogPosition(beside({0, 0, 1000, 800}), still), QPoint(10, 45));
    // The random shift is added last.
    EXPECT_EQ(dialogPosition(beside({0, 0, 400, 300}), QPoint(-9, 10)), QPoint(591, 476));
}

TEST(DialogPlacement, TheShiftStaysWithinTenPixels) {
    RandomGenerator random(7);
    int smallest = 100, largest = -100;
    for (int draw = 0; draw < 2000; ++draw) {
        const QPoint shift = placementJitter(random);
        smallest = std::min({smallest, shift.x(), shift.y()});
        largest = std::max({largest, shift.x(), shift.y()});
    }
    EXPECT_EQ(std::pair(smallest, largest), std::pair(-9, 10));
}

}  // namespace
}  // namespace lorvex
