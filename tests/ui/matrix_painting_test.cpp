// Rendered images of matrix windows at a fixed size and font, checked region
// by region: where entries, numbers, totals and the highlight must be drawn.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "matwin/matrix_view.h"
#include "matwin/matrix_window.h"
#include "workspace/scripted_prompter.h"

namespace lorvex {
namespace {

struct Counts {
    int black = 0;
    int red = 0;
};

Counts countInk(const QImage& image, QRect area) {
    Counts counts;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() < 90 && pixel.green() < 90 && pixel.blue() < 90) ++counts.black;
            if (pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80) ++counts.red;
        }
    }
    return counts;
}

class MatrixPaintingTest : public ::testing::Test {
  protected:
    QImage render(const MatrixData& contents, ElementKind kind, QSize size) {
        window.reset();
        document = std::make_unique<MatrixDocument>(3, kind, contents);
        window = std::make_unique<TMatWin>(*document, prompter);
        window->resize(size);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        view()->setEntryFont(QFont(QStringLiteral("Courier New"), 12));
        return view()->grab().toImage();
    }
    MatrixView* view() { return window->view(); }
    // The bottom line: the column numbers, and the row total at its left end.
    QRect totalsLine(const QImage& image) {
        const int y = image.height() - view()->BarSize() - view()->RowHeight();
        return {0, y, image.width(), view()->RowHeight()};
    }

    test::ScriptedPrompter prompter;
    std::unique_ptr<MatrixDocument> document;
    std::unique_ptr<TMatWin> window;
};

TEST_F(MatrixPaintingTest, SmallRealMatrixFitsWithoutTotalsOrScrollBars) {
    const QImage image =
        render(test::realMatrix({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}), ElementKind::Real, {560, 300});
    EXPECT_EQ(image.pixelColor(2, image.height() - 2), QColor(0xFFDE7E)) << "the colour of C";
    for (std::int32_t row = 0; row < 3; ++row) {
        for (std::int32_t col = 0; col < 3; ++col) {
            const Counts ink = countInk(image, view()->cellRect(row, col));
            EXPECT_GT(ink.black, 10) << row << "," << col;
            EXPECT_EQ(ink.red, 0);
        }
    }
    EXPECT_FALSE(view()->findChild<QScrollBar*>("horizontalBar")->isVisible());
    EXPECT_FALSE(view()->findChild<QScrollBar*>("verticalBar")->isVisible());
    const QRect totals = totalsLine(image);
    EXPECT_EQ(
        countInk(image, QRect(0, totals.top(), view()->cellRect(0, 0).left() - 2, totals.height()))
            .red,
        0);
    EXPECT_GT(countInk(image, totals).red, 0) << "the column numbers";
}

TEST_F(MatrixPaintingTest, HighlightedEntryIsDrawnInTheHighlightColour) {
    ComplexMatrix m(2, 3);
    for (Complex& c : m.cells)
        c = Complex{-8.5L, 0.0L};
    QImage image = render(m, ElementKind::Real, {560, 300});
    document->setHighlight(1, 2);
    view()->relayout();
    image = view()->grab().toImage();
    const Counts highlighted = countInk(image, view()->cellRect(1, 2));
    EXPECT_GT(highlighted.red, 10);
    EXPECT_EQ(highlighted.black, 0);
    const Counts plain = countInk(image, view()->cellRect(0, 2));
    EXPECT_GT(plain.black, 10);
    EXPECT_EQ(plain.red, 0);
}

TEST_F(MatrixPaintingTest, IntegerMatrixShowsItsDenominatorLine) {
    const QImage image =
        render(test::integerMatrix({{1, 2}, {3, 4}}, 12), ElementKind::Integer, {520, 300});
    const QRect lastCell = view()->cellRect(1, 1);
    const QRect denominatorLine(lastCell.left() - lastCell.width(), lastCell.bottom() + 1,
                                2 * lastCell.width(), view()->RowHeight());
    EXPECT_GT(countInk(image, denominatorLine).black, 20);
    EXPECT_EQ(view()->cellAt(view()->cellRect(2, 0).center())->row, 2) << "the denominator";
}

TEST_F(MatrixPaintingTest, AFieldWiderThanTheWindowStillShowsItsEntries) {
    render(test::realMatrix({{1, 2}, {3, 4}}), ElementKind::Real, {560, 300});
    ASSERT_EQ(document->setFormat(5, 32767, false), code::Ok);
    view()->relayout();
    const QImage image = view()->grab().toImage();
    EXPECT_EQ(view()->VisCols(), 1);
    EXPECT_LE(view()->cellRect(0, 0).right(), image.width());
    EXPECT_GT(countInk(image, view()->cellRect(0, 0)).black, 10);
    EXPECT_GT(countInk(image, view()->cellRect(1, 0)).black, 10);
}

TEST_F(MatrixPaintingTest, LargerMatrixShowsTotalsAndScrollBars) {
    const QImage image = render(ComplexMatrix(17, 20), ElementKind::Real, {420, 260});
    EXPECT_LT(view()->VisRows(), 17);
    EXPECT_LT(view()->VisCols(), 20);
    EXPECT_TRUE(view()->findChild<QScrollBar*>("horizontalBar")->isVisible());
    EXPECT_TRUE(view()->findChild<QScrollBar*>("verticalBar")->isVisible());
    const QRect totals = totalsLine(image);
    EXPECT_GT(
        countInk(image, QRect(0, totals.top(), view()->cellRect(0, 0).left() - 2, totals.height()))
            .red,
        0)
        << "/17 in the lower left corner";
    EXPECT_EQ(view()->findChild<QScrollBar*>("verticalBar")->maximum(), 17 - view()->VisRows());
}

}  // namespace
}  // namespace lorvex
