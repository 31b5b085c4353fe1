#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <optional>
#include <vector>

#include "workspace/matrix_document.h"

class QLineEdit;
class QScrollBar;
class QKeyEvent;
class QPainter;

namespace lorvex {

class Prompter;

// The grid of a matrix window: right-aligned entries with the row numbers on
// the left and the column numbers below, scroll bars when the grid does not
// fit, the "denom" line of integer matrices (unless they are shown in
// fractions), the highlighted entry, and the
// in-place cell editor. Painting goes through a cached image that only a
// change rebuilds, so its cost does not depend on the matrix size.
//
// Besides the clicks, the grid answers the keys of a spreadsheet: the arrows,
// Page Up/Down, Home/End and Ctrl+Home/End move the current cell (framed
// while the grid has the focus) and keep it in sight; Enter, F2 or a typed
// character open the editor on it; in the editor Enter, Tab, Shift+Tab, the
// up and down arrows, and the left and right arrows at the ends of the text
// accept the entry and move on. The wheel scrolls, sideways with Shift.
class MatrixView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Gap = 4;

    MatrixView(MatrixDocument& document, Prompter& prompter, QWidget* parent = nullptr);

    // The document changed size or contents from outside: back to the first
    // row and column, laid out again and redrawn.
    void resetView();
    // Something shown changed (format, font, colours): laid out again.
    void relayout();

    void setEntryFont(const QFont& font);
    const QFont& entryFont() const { return font_; }
    void setColors(QColor background, QColor entry, QColor highlight, QColor border);

    // Opens the cell editor on a cell (row Rows, column 0: the denominator);
    // `continuous` walks on through the matrix after each accepted entry.
    void editCell(std::int32_t row, std::int32_t col, bool continuous);
    bool Editing() const { return editing_; }

    // The cell the keys act on; made current, a cell is scrolled into sight.
    MatrixDocument::Cell currentCell() const { return current_; }
    void setCurrentCell(std::int32_t row, std::int32_t col);

    // The grid cell under a point, if any (the denominator: row Rows).
    std::optional<MatrixDocument::Cell> cellAt(QPoint point) const;
    // The rectangle of a visible cell, for tests and the editor.
    QRect cellRect(std::int32_t row, std::int32_t col) const;

    const MatrixDocument& document() const { return document_; }
    // An entry as drawn: its text cut to the field width the window shows.
    QString shownText(std::int32_t row, std::int32_t col) const;
    // The highlighted cell and the current one (the one being edited), those
    // that exist.
    std::vector<MatrixDocument::Cell> markedCells() const;
    bool isMarked(std::int32_t row, std::int32_t col) const;

    std::int32_t FirstRow() const { return firstRow_; }
    std::int32_t FirstCol() const { return firstCol_; }
    std::int32_t VisRows() const { return visRows_; }
    std::int32_t VisCols() const { return visCols_; }
    int CellWidth() const { return cellWidth_; }
    int RowHeight() const { return rowHeight_; }
    int BarSize() const { return barSize_; }
    // The smallest size at which the grid shows that many columns and rows
    // at the field width.
    QSize sizeShowing(std::int32_t columns, std::int32_t rows) const;

  signals:
    // An entry was accepted (the window sets its title and menus).
    void edited();
    // Continuous editing started or ended.
    void editingChanged(bool editing);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where the current cell goes once an entry is accepted.
    enum class Step { Down, Up, Right, Left, NextInRow, PreviousInRow, AutoAdvance };
    MatrixDocument::Cell stepped(MatrixDocument::Cell from, Step step) const;
    // The step an editor key asks for, if it is one.
    std::optional<Step> editorStep(const QKeyEvent& key) const;
    void ensureVisible(std::int32_t row, std::int32_t col);
    void scrollBy(std::int32_t rows, std::int32_t cols);
    void placeEditor();
    void closeEditor();
    void drawCurrentCellFrame(QPainter& painter);
    void computeGeometry();
    void layoutGrid();
    void invalidate();
    void renderCache();
    void placeScrollBars();
    void commitEdit(Step step);
    void cancelEdit();
    void stopEditing();
    void scrollToCell(std::int32_t row, std::int32_t col);
    QPoint gridOrigin() const { return {leftMargin_ + Gap, Gap + rowHeight_}; }
    // The "denom" line: integer matrices not shown in fractions.
    bool showsDenominator() const { return document_.isInteger() && !document_.showsFractions(); }

    MatrixDocument& document_;
    Prompter& prompter_;
    QFont font_;
    QColor background_;
    QColor entryColor_;
    QColor highlightColor_;
    QColor borderColor_;

    std::int32_t firstRow_ = 0;
    std::int32_t firstCol_ = 0;
    std::int32_t visRows_ = 1;
    std::int32_t visCols_ = 1;
    int cellWidth_ = 0;
    // The width the field asks for; cellWidth_ is no wider than the grid.
    int fieldCellWidth_ = 0;
    int rowHeight_ = 0;
    int textHeight_ = 0;
    int leftMargin_ = 0;
    int rightMargin_ = 0;
    int barSize_ = 0;

    QPixmap cache_;
    bool cacheValid_ = false;
    QScrollBar* horizontalBar_;
    QScrollBar* verticalBar_;

    QLineEdit* editor_;
    bool editing_ = false;
    MatrixDocument::Cell editCell_{0, 0};
    MatrixDocument::Cell current_{0, 0};
    // Wheel turns not yet worth a line (fine-grained wheels and touchpads).
    QPoint wheelAngle_;
};

}  // namespace lorvex
