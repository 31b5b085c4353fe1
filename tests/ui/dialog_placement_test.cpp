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

// A 200 x 100 dialog wanted over another one at (400, 300, 300, 200).
TEST(DialogPlacement, MovesOffAnotherDialog) {
    const QRect screen(0, 0, 1000, 800);
    const QRect other(400, 300, 300, 200);
    const QRect parent(0, 0, 300, 100);
    const auto placed = [&](QRect wanted, std::vector<QRect> more = {}) {
        more.push_back(other);
        return clearOfDialogs(wanted, more, parent, screen).topLeft();
    };
    EXPECT_EQ(placed({450, 350, 200, 100}), QPoint(700, 350)) << "to its right";
    EXPECT_EQ(placed({450, 350, 200, 100}, {{700, 0, 300, 800}}), QPoint(200, 350)) << "left";
    EXPECT_EQ(placed({450, 350, 200, 100}, {{0, 0, 400, 800}, {700, 0, 300, 800}}),
              QPoint(450, 500))
        << "below";
    EXPECT_EQ(placed({100, 150, 200, 100}), QPoint(100, 150)) << "nothing covered";
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
