// Rendered images of matrix windows at a fixed size and font, checked region
// by region: where entries, numbers, totals and the highlight must be drawn.

#include <QImage>
#include <QScrollBar>

#include "engine/result_codes.h"
#include "ui/ink_counts.h"
#include "ui/matrix_window_fixture.h"

namespace lorvex {
namespace {

using test::countInk;
using Counts = test::InkCounts;

class MatrixPaintingTest : public test::MatrixWindowFixture {
  protected:
    MatrixPaintingTest() { letter = 3; }
    QImage render(const MatrixData& contents, ElementKind kind, QSize size) {
        open(contents, kind, {}, size);
        view()->setEntryFont(QFont(QStringLiteral("Courier New"), 12));
        return view()->grab().toImage();
    }
    // The bottom line: the column numbers, and the row total at its left end.
    QRect totalsLine(const QImage& image) {
        const int y = image.height() - view()->BarSize() - view()->RowHeight();
        return {0, y, image.width(), view()->RowHeight()};
    }
    bool barShown(const char* name) { return view()->findChild<QScrollBar*>(name)->isVisible(); }
};

// The row total (/17 in the lower left corner) and the scroll bars show only
// when the matrix does not fit; the column numbers always.
TEST_F(MatrixPaintingTest, TotalsAndScrollBarsOnlyForAMatrixThatDoesNotFit) {
    using Case = std::tuple<std::int32_t, std::int32_t, QSize, bool>;  // rows, columns, size, fits
    for (const auto& [rows, cols, size, fits] :
         {Case{3, 3, {560, 300}, true}, Case{17, 20, {420, 260}, false}}) {
        SCOPED_TRACE(rows);
        const QImage image = render(ComplexMatrix(rows, cols), ElementKind::Real, size);
        EXPECT_EQ(view()->VisRows() < rows, !fits);
        EXPECT_EQ(view()->VisCols() < cols, !fits);
        EXPECT_EQ(barShown("horizontalBar"), !fits);
        EXPECT_EQ(barShown("verticalBar"), !fits);
        const QRect totals = totalsLine(image);
        const QRect rowTotal(0, totals.top(), view()->cellRect(0, 0).left() - 2, totals.height());
        EXPECT_EQ(countInk(image, rowTotal).red > 0, !fits);
        EXPECT_GT(countInk(image, totals).red, 0);
    }
}

TEST_F(MatrixPaintingTest, HighlightedEntryIsDrawnInTheHighlightColour) {
    const ComplexMatrix m = test::realMatrix({{-8.5L, -8.5L, -8.5L}, {-8.5L, -8.5L, -8.5L}});
    QImage image = render(m, ElementKind::Real, {560, 300});
    EXPECT_EQ(image.pixelColor(2, image.height() - 2), QColor(0xFFDE7E)) << "the colour of C";
    document->setHighlight(1, 2);
    view()->relayout();
    image = view()->grab().toImage();
    const Counts highlighted = countInk(image, view()->cellRect(1, 2));
    EXPECT_GT(highlighted.red, 10);
    EXPECT_EQ(highlighted.black, 0);
    const Counts plain = countInk(image, view()->cellRect(0, 2));
    EXPECT_GT(plain.black, 10);
    EXPECT_EQ(plain.red, 0);

    // A palette in the settings record replaces the named colours.
    document->settings().palette.assign(5, PaletteColour{});
    document->settings().palette[4] = {0, 255, 0};
    window->settingsChanged();
    image = view()->grab().toImage();
    EXPECT_GT(countInk(image, view()->cellRect(1, 2)).green, 10);
    EXPECT_EQ(countInk(image, view()->cellRect(1, 2)).red, 0);
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

}  // namespace
}  // namespace lorvex
