#include "toolkit/colour_window.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace lorvex {
namespace {

TEST(ColourWindow, ClicksSelectTheSwatchUnderThem) {
    // In an 800 x 800 area the grid cells are 100 pixels square. Beside
    // index 0, left and right of the grid, below it, and on the large current
    // colour there is no swatch.
    const QSize area(800, 800);
    const std::pair<QPoint, int> clicks[] = {
        {{150, 250}, 0},  {{150, 350}, 1}, {{699, 350}, 6},  {{100, 400}, 7},  {{650, 650}, 24},
        {{250, 250}, -1}, {{50, 350}, -1}, {{750, 350}, -1}, {{350, 750}, -1}, {{450, 150}, -1}};
    for (const auto& [point, index] : clicks)
        EXPECT_EQ(TColWin::indexAt(point, area), index) << point.x() << "," << point.y();

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
    EXPECT_EQ(chosen, (QList<QVariantList>{{9, 17}})) << "once, for role 9";
    EXPECT_EQ(window.currentIndex(), 17);
}

}  // namespace
}  // namespace lorvex
