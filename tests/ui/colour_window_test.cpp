#include "toolkit/colour_window.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace lorvex {
namespace {

TEST(ColourWindow, ClicksSelectTheSwatchUnderThem) {
    // In an 800 x 800 area the grid cells are 100 pixels square.
    const QSize area(800, 800);
    EXPECT_EQ(TColWin::indexAt({150, 250}, area), 0);
    EXPECT_EQ(TColWin::indexAt({150, 350}, area), 1);
    EXPECT_EQ(TColWin::indexAt({699, 350}, area), 6);
    EXPECT_EQ(TColWin::indexAt({100, 400}, area), 7);
    EXPECT_EQ(TColWin::indexAt({650, 650}, area), 24);
    // Beside index 0, left and right of the grid, below it, and on the
    // large current colour: nothing.
    EXPECT_EQ(TColWin::indexAt({250, 250}, area), -1);
    EXPECT_EQ(TColWin::indexAt({50, 350}, area), -1);
    EXPECT_EQ(TColWin::indexAt({750, 350}, area), -1);
    EXPECT_EQ(TColWin::indexAt({350, 750}, area), -1);
    EXPECT_EQ(TColWin::indexAt({450, 150}, area), -1);

    EXPECT_EQ(TColWin::swatchRect(7, area), QRect(QPoint(100, 400), QPoint(200, 500)));
    EXPECT_EQ(TColWin::swatchRect(0, area), QRect(QPoint(100, 200), QPoint(200, 300)));
    EXPECT_EQ(TColWin::currentColourRect(area), QRect(QPoint(300, 100), QPoint(499, 199)));
    // Every swatch is found where it is drawn, in an area of any size.
    for (const QSize size : {QSize(800, 800), QSize(171, 133)}) {
        for (int index = 0; index < 25; ++index)
            EXPECT_EQ(TColWin::indexAt(TColWin::swatchRect(index, size).center(), size), index);
    }
}

TEST(ColourWindow, AClickBetweenSwatchesChangesNothing) {
    TColWin window;
    window.resize(400, 400);
    window.showForRole(9, "bordo", 4);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "bordo");
    QSignalSpy chosen(&window, &TColWin::colourChosen);
    QWidget* swatches = window.swatches();
    const QSize area = swatches->size();

    QTest::mouseClick(swatches, Qt::LeftButton, {},
                      TColWin::swatchRect(0, area).center() + QPoint(area.width() / 8, 0));
    QTest::mouseClick(swatches, Qt::LeftButton, {}, TColWin::currentColourRect(area).center());
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(window.currentIndex(), 4);

    QTest::mouseClick(swatches, Qt::LeftButton, {}, TColWin::swatchRect(17, area).center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 9);
    EXPECT_EQ(chosen.at(0).at(1).toInt(), 17);
    EXPECT_EQ(window.currentIndex(), 17);
}

}  // namespace
}  // namespace lorvex
