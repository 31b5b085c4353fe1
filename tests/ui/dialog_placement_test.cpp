#include "toolkit/dialog_placement.h"

#include <gtest/gtest.h>

#include "toolkit/number_input.h"
#include "workspace/scripted_prompter.h"

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
    EXPECT_EQ(dialogPosition(beside({0, 0, 400, 300}), kNoPosition, still), QPoint(600, 466));
    // The parent reaches the right edge: centred in the space on its left.
    EXPECT_EQ(dialogPosition(beside({500, 0, 500, 300}), kNoPosition, still), QPoint(150, 466));
    // A parent as wide as the screen: below it when there is room ...
    EXPECT_EQ(dialogPosition(beside({0, 100, 1000, 300}), kNoPosition, still), QPoint(10, 550));
    // ... else above it ...
    EXPECT_EQ(dialogPosition(beside({0, 500, 1000, 300}), kNoPosition, still), QPoint(10, 200));
    // ... and only over a parent that fills the screen, under its menu bar.
    EXPECT_EQ(dialogPosition(beside({0, 0, 1000, 800}), kNoPosition, still), QPoint(10, 45));
    // The random shift is added last.
    EXPECT_EQ(dialogPosition(beside({0, 0, 400, 300}), kNoPosition, QPoint(-9, 10)),
              QPoint(591, 476));
}

TEST(DialogPlacement, ARememberedPositionIsTakenExactly) {
    EXPECT_EQ(dialogPosition(beside({0, 0, 400, 300}), QPoint(120, 80), QPoint(7, -3)),
              QPoint(120, 80));
    EXPECT_EQ(dialogPosition(beside({0, 0, 400, 300}), QPoint(0, 0), QPoint(7, -3)), QPoint(0, 0));
    // A position off the top or the left edge is no position.
    EXPECT_EQ(dialogPosition(beside({0, 0, 400, 300}), QPoint(-1, 50), QPoint(0, 0)),
              QPoint(600, 466));
}

TEST(DialogPlacement, TheShiftStaysWithinTenPixels) {
    RandomGenerator random(7);
    int smallest = 100;
    int largest = -100;
    for (int draw = 0; draw < 2000; ++draw) {
        const QPoint shift = placementJitter(random);
        smallest = std::min({smallest, shift.x(), shift.y()});
        largest = std::max({largest, shift.x(), shift.y()});
    }
    EXPECT_EQ(smallest, -9);
    EXPECT_EQ(largest, 10);
}

TEST(NumberInput, AcceptsRefusesAndCancels) {
    test::ScriptedPrompter prompter;
    std::int32_t value = 25;
    prompter.expectFields("entrada", std::vector<std::string>{"42"});
    EXPECT_EQ(askNumber(prompter, "entrada", "atraso de milisegundos", 1, 100, value), 0);
    EXPECT_EQ(prompter.lastFields().fields.at(0).text, "25");
    EXPECT_EQ(value, 42);

    prompter.expectFields("entrada", std::vector<std::string>{"300"});
    EXPECT_EQ(askNumber(prompter, "entrada", "atraso de milisegundos", 1, 100, value), 17);
    EXPECT_EQ(value, 300) << "the value stays as typed";

    prompter.expectFields("entrada", std::nullopt);
    EXPECT_EQ(askNumber(prompter, "entrada", "atraso de milisegundos", 1, 100, value), 12);
    EXPECT_EQ(value, 300);
}

}  // namespace
}  // namespace lorvex
