// The grid's keys and wheel: the current cell, the editor's keys that accept
// an entry and move on, and scrolling.

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <algorithm>

#include "matwin/matrix_view.h"

namespace lorvex {
namespace {

// One notch of a wheel (120) scrolls three lines.
constexpr int kWheelAnglePerLine = 40;

}  // namespace

void MatrixView::setCurrentCell(std::int32_t row, std::int32_t col) {
    current_ = {std::clamp(row, 0, document_.Rows() - 1), std::clamp(col, 0, document_.Cols() - 1)};
    ensureVisible(current_.row, current_.col);
    invalidate();
    if (QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(current_.row * document_.Cols() + current_.col);
        QAccessible::updateAccessibility(&focus);
    }
}

// The smallest scroll that brings a cell into sight.
void MatrixView::ensureVisible(std::int32_t row, std::int32_t col) {
    std::int32_t rows = 0;
    std::int32_t cols = 0;
    if (row < firstRow_) rows = row - firstRow_;
    if (row >= firstRow_ + visRows_) rows = row - (firstRow_ + visRows_ - 1);
    if (col < firstCol_) cols = col - firstCol_;
    if (col >= firstCol_ + visCols_) cols = col - (firstCol_ + visCols_ - 1);
    if (rows != 0 || cols != 0) scrollBy(rows, cols);
}

void MatrixView::scrollBy(std::int32_t rows, std::int32_t cols) {
    firstRow_ = std::clamp(firstRow_ + rows, 0, document_.Rows() - visRows_);
    firstCol_ = std::clamp(firstCol_ + cols, 0, document_.Cols() - visCols_);
    placeScrollBars();
    placeEditor();
    invalidate();
}

MatrixDocument::Cell MatrixView::stepped(MatrixDocument::Cell from, Step step) const {
    const std::int32_t lastRow = document_.Rows() - 1;
    const std::int32_t lastCol = document_.Cols() - 1;
    switch (step) {
        case Step::Down:
            return {std::min(from.row + 1, lastRow), from.col};
        case Step::Up:
            return {std::max(from.row - 1, 0), from.col};
        case Step::Right:
            return {from.row, std::min(from.col + 1, lastCol)};
        case Step::Left:
            return {from.row, std::max(from.col - 1, 0)};
        case Step::NextInRow:
            if (from.col < lastCol) return {from.row, from.col + 1};
            return from.row < lastRow ? MatrixDocument::Cell{from.row + 1, 0} : from;
        case Step::PreviousInRow:
            if (from.col > 0) return {from.row, from.col - 1};
            return from.row > 0 ? MatrixDocument::Cell{from.row - 1, lastCol} : from;
        case Step::AutoAdvance:
            break;
    }
    return document_.nextEditCell(from).value_or(from);
}

// Left and right move the caret within the text and leave the cell only at
// its ends (or when the whole text is still selected, as the editor opens).
std::optional<MatrixView::Step> MatrixView::editorStep(const QKeyEvent& key) const {
    const bool whole = editor_->selectedText() == editor_->text();
    const bool atStart = whole || (!editor_->hasSelectedText() && editor_->cursorPosition() == 0);
    const bool atEnd = whole || (!editor_->hasSelectedText() &&
                                 editor_->cursorPosition() == editor_->text().size());
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Step::AutoAdvance;
        case Qt::Key_Tab:
            return Step::NextInRow;
        case Qt::Key_Backtab:
            return Step::PreviousInRow;
        case Qt::Key_Down:
            return Step::Down;
        case Qt::Key_Up:
            return Step::Up;
        case Qt::Key_Right:
            if (atEnd) return Step::Right;
            break;
        case Qt::Key_Left:
            if (atStart) return Step::Left;
            break;
        default:
            break;
    }
    return std::nullopt;
}

bool MatrixView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            cancelEdit();
            return true;
        }
        if (const std::optional<Step> step = editorStep(*key)) {
            commitEdit(*step);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MatrixView::keyPressEvent(QKeyEvent* event) {
    const auto [row, col] = current_;
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
        case Qt::Key_Down:
            return setCurrentCell(row + 1, col);
        case Qt::Key_Up:
            return setCurrentCell(row - 1, col);
        case Qt::Key_Right:
            return setCurrentCell(row, col + 1);
        case Qt::Key_Left:
            return setCurrentCell(row, col - 1);
        case Qt::Key_PageDown:
            return setCurrentCell(row + visRows_, col);
        case Qt::Key_PageUp:
            return setCurrentCell(row - visRows_, col);
        case Qt::Key_Home:
            return setCurrentCell(control ? 0 : row, 0);
        case Qt::Key_End:
            return setCurrentCell(control ? document_.Rows() - 1 : row, document_.Cols() - 1);
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            return editCell(row, col, false);
        default:
            break;
    }
    // A character typed on the grid starts a new entry with it.
    const QString typed = event->text();
    if (!control && !typed.isEmpty() && typed.front().isPrint()) {
        editCell(row, col, false);
        editor_->setText(typed);
        return;
    }
    QWidget::keyPressEvent(event);
}

void MatrixView::wheelEvent(QWheelEvent* event) {
    QPoint angle = event->angleDelta();
    // Some platforms turn Shift+wheel sideways themselves.
    if (event->modifiers().testFlag(Qt::ShiftModifier) && angle.x() == 0) angle = {angle.y(), 0};
    wheelAngle_ += angle;
    const int rows = wheelAngle_.y() / kWheelAnglePerLine;
    const int cols = wheelAngle_.x() / kWheelAnglePerLine;
    wheelAngle_ -= QPoint(cols, rows) * kWheelAnglePerLine;
    if (rows != 0 || cols != 0) scrollBy(-rows, -cols);
    event->accept();
}

}  // namespace lorvex
