#include "matwin/matrix_view.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "engine/result_codes.h"
#include "matwin/matrix_view_accessible.h"
#include "toolkit/qt_text.h"
#include "workspace/prompter.h"
#include "workspace/window_settings.h"

namespace lorvex {
namespace {

// The edit box's width classes: half the cell width below 60, 80, 100 and
// above, and how far left of the cell's right edge the box begins.
int editorWidthFor(int cellWidth) {
    const int half = cellWidth / 2;
    if (half < 60) return 88;
    if (half < 80) return 118;
    if (half < 100) return 147;
    return 177;
}

// The height class (RowHeight / 6) * 4, limited to 12 ... 24 dialog units,
// in pixels.
int editorHeightFor(int rowHeight) {
    const int units = std::clamp(rowHeight / 6 * 4, 12, 24);
    return units * 13 / 8;
}

// An entry as drawn: its text cut to the field width the window shows, so
// that it stays within its cell.
QString shownEntry(const MatrixDocument& document, std::int32_t row, std::int32_t col) {
    return toQString(document.entryText(row, col)).left(shownFieldWidth(document.displayWidth()));
}

void drawRightAligned(QPainter& painter, int right, int top, int height, const QString& text) {
    const int width = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(QRect(right - width, top, width, height), Qt::AlignRight | Qt::AlignTop, text);
}

}  // namespace

MatrixView::MatrixView(MatrixDocument& document, Prompter& prompter, QWidget* parent)
    : QWidget(parent),
      document_(document),
      prompter_(prompter),
      font_(QStringLiteral("Courier New"), 12),
      background_(Qt::white),
      entryColor_(Qt::black),
      highlightColor_(Qt::red),
      borderColor_(Qt::red),
      horizontalBar_(new QScrollBar(Qt::Horizontal, this)),
      verticalBar_(new QScrollBar(Qt::Vertical, this)),
      editor_(new QLineEdit(this)) {
    font_.setStyleHint(QFont::Monospace);
    const QScreen* screen = QApplication::primaryScreen();
    barSize_ = (screen != nullptr ? screen->geometry().width() : 1024) / 70;
    horizontalBar_->setObjectName("horizontalBar");
    verticalBar_->setObjectName("verticalBar");
    horizontalBar_->hide();
    verticalBar_->hide();
    // The keys stay with the grid when a bar is clicked.
    horizontalBar_->setFocusPolicy(Qt::NoFocus);
    verticalBar_->setFocusPolicy(Qt::NoFocus);
    connect(horizontalBar_, &QScrollBar::valueChanged, this, [this](int value) {
        firstCol_ = value;
        placeEditor();
        invalidate();
    });
    connect(verticalBar_, &QScrollBar::valueChanged, this, [this](int value) {
        firstRow_ = value;
        placeEditor();
        invalidate();
    });
    editor_->setObjectName("cellEditor");
    editor_->setAlignment(Qt::AlignRight);
    editor_->setMaxLength(255);
    editor_->hide();
    editor_->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    computeGeometry();
    static const bool accessible = (MatrixViewAccessible::install(), true);
    static_cast<void>(accessible);
}

QString MatrixView::shownText(std::int32_t row, std::int32_t col) const {
    return shownEntry(document_, row, col);
}

std::vector<MatrixDocument::Cell> MatrixView::markedCells() const {
    std::vector<MatrixDocument::Cell> marked;
    const auto exists = [this](MatrixDocument::Cell cell) {
        return cell.row >= 0 && cell.row < document_.Rows() && cell.col >= 0 &&
               cell.col < document_.Cols();
    };
    const MatrixDocument::Cell highlighted{document_.HiliteRow(), document_.HiliteCol()};
    if (exists(highlighted)) marked.push_back(highlighted);
    if (exists(current_) && current_ != highlighted) marked.push_back(current_);
    return marked;
}

bool MatrixView::isMarked(std::int32_t row, std::int32_t col) const {
    return std::ranges::count(markedCells(), MatrixDocument::Cell{row, col}) > 0;
}

void MatrixView::setEntryFont(const QFont& font) {
    font_ = font;
    relayout();
}

void MatrixView::setColors(QColor background, QColor entry, QColor highlight, QColor border) {
    background_ = background;
    entryColor_ = entry;
    highlightColor_ = highlight;
    borderColor_ = border;
    invalidate();
}

void MatrixView::resetView() {
    // The cell being edited may no longer exist.
    cancelEdit();
    firstRow_ = 0;
    firstCol_ = 0;
    // The current cell stays where the user left it, within the matrix.
    current_ = {std::min(current_.row, document_.Rows() - 1),
                std::min(current_.col, document_.Cols() - 1)};
    relayout();
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
}

void MatrixView::relayout() {
    computeGeometry();
    layoutGrid();
    invalidate();
}

void MatrixView::computeGeometry() {
    const QFontMetrics metrics(font_);
    const std::int32_t fieldWidth = shownFieldWidth(document_.displayWidth());
    const int eights = fieldWidth < 6 ? 8 : fieldWidth + 2;
    fieldCellWidth_ = metrics.horizontalAdvance(QString(eights, QLatin1Char('8')));
    textHeight_ = metrics.height();
    rowHeight_ = textHeight_ + 2 * (textHeight_ / 4);
    leftMargin_ = metrics.horizontalAdvance(QString::number(document_.Rows()) + "/");
    rightMargin_ = metrics.horizontalAdvance(QString::number(document_.Cols()) + "/");
}

void MatrixView::layoutGrid() {
    const int w = width();
    const int h = height();
    const int gridWidth = w - leftMargin_ - rightMargin_ - Gap - barSize_;
    // A cell wider than the grid would put every entry out of sight.
    cellWidth_ = std::clamp(fieldCellWidth_, 1, std::max(gridWidth, 1));
    visCols_ = gridWidth / cellWidth_;
    visRows_ = (h - barSize_ - Gap) / std::max(rowHeight_, 1) - 2 - (showsDenominator() ? 1 : 0);
    visCols_ = std::clamp(visCols_, 1, document_.Cols());
    visRows_ = std::clamp(visRows_, 1, document_.Rows());
    firstRow_ = std::clamp(firstRow_, 0, document_.Rows() - visRows_);
    firstCol_ = std::clamp(firstCol_, 0, document_.Cols() - visCols_);
    placeScrollBars();
}

// The inverse of layoutGrid, with room for the column count ("/20") after
// the last column's number.
QSize MatrixView::sizeShowing(std::int32_t columns, std::int32_t rows) const {
    const int lines = rows + 2 + (showsDenominator() ? 1 : 0);
    return {leftMargin_ + rightMargin_ + 3 * Gap + barSize_ + columns * fieldCellWidth_,
            barSize_ + Gap + lines * rowHeight_};
}

void MatrixView::invalidate() {
    cacheValid_ = false;
    update();
}

void MatrixView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutGrid();
    invalidate();
}

void MatrixView::paintEvent(QPaintEvent*) {
    if (!cacheValid_ || cache_.size() != size() * devicePixelRatioF()) renderCache();
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache_);
}

void MatrixView::renderCache() {
    const qreal ratio = devicePixelRatioF();
    cache_ = QPixmap(size() * ratio);
    cache_.setDevicePixelRatio(ratio);
    cache_.fill(background_);
    QPainter painter(&cache_);
    painter.setFont(font_);
    painter.setBackground(background_);
    painter.setBackgroundMode(Qt::OpaqueMode);

    const int w = width();
    const int h = height();
    const QPoint origin = gridOrigin();
    for (std::int32_t c = 0; c < visCols_; ++c) {
        const int x = (c + 1) * cellWidth_ + origin.x();
        painter.setPen(borderColor_);
        drawRightAligned(painter, x, h - rowHeight_ - barSize_, textHeight_,
                         QString::number(firstCol_ + c + 1));
        for (std::int32_t r = 0; r < visRows_; ++r) {
            const int y = r * rowHeight_ + origin.y();
            const std::int32_t row = firstRow_ + r;
            const std::int32_t col = firstCol_ + c;
            const bool highlighted = row == document_.HiliteRow() && col == document_.HiliteCol();
            painter.setPen(highlighted ? highlightColor_ : entryColor_);
            // In a cell narrowed to the grid an entry may be wider than its cell.
            painter.setClipRect(QRect(x - cellWidth_, y, cellWidth_, rowHeight_));
            painter.setClipping(cellWidth_ < fieldCellWidth_);
            drawRightAligned(painter, x, y, textHeight_, shownEntry(document_, row, col));
            painter.setClipping(false);
            if (c == 0) {
                painter.setPen(borderColor_);
                drawRightAligned(painter, leftMargin_, y, textHeight_,
                                 " " + QString::number(row + 1));
            }
        }
    }
    if (showsDenominator()) {
        painter.setPen(entryColor_);
        drawRightAligned(
            painter, visCols_ * cellWidth_ + origin.x(), visRows_ * rowHeight_ + origin.y(),
            textHeight_,
            uiString(strings::id::Denominator) + " " + shownEntry(document_, document_.Rows(), 0));
    }
    painter.setPen(borderColor_);
    if (visCols_ < document_.Cols()) {
        drawRightAligned(painter, w - barSize_ - Gap, h - barSize_ - rowHeight_, textHeight_,
                         "/" + QString::number(document_.Cols()));
    }
    if (visRows_ < document_.Rows()) {
        drawRightAligned(painter, leftMargin_, h - barSize_ - rowHeight_, textHeight_,
                         "/" + QString::number(document_.Rows()));
    }
    if (hasFocus()) drawCurrentCellFrame(painter);
    cacheValid_ = true;
}

void MatrixView::drawCurrentCellFrame(QPainter& painter) {
    const bool visible = current_.row >= firstRow_ && current_.row < firstRow_ + visRows_ &&
                         current_.col >= firstCol_ && current_.col < firstCol_ + visCols_;
    if (!visible) return;
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QPen(entryColor_, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    // The entry ends at the cell's right edge; the frame goes just past it.
    painter.drawRect(cellRect(current_.row, current_.col).adjusted(2, 0, 3, -1));
}

void MatrixView::placeScrollBars() {
    const int w = width();
    const int h = height();
    const auto place = [](QScrollBar* bar, bool needed, QRect rect, int count, int visible,
                          int first) {
        if (!needed) {
            bar->hide();
            return;
        }
        const QSignalBlocker quiet(bar);
        bar->setGeometry(rect);
        bar->setRange(0, count - visible);
        bar->setPageStep(std::max(visible - 1, 1));
        bar->setValue(std::clamp(first, 0, count - visible));
        bar->show();
    };
    place(horizontalBar_, visCols_ < document_.Cols(),
          QRect(0, h - barSize_, w - barSize_, barSize_), document_.Cols(), visCols_, firstCol_);
    place(verticalBar_, visRows_ < document_.Rows(), QRect(w - barSize_, 0, barSize_, h - barSize_),
          document_.Rows(), visRows_, firstRow_);
}

std::optional<MatrixDocument::Cell> MatrixView::cellAt(QPoint point) const {
    const QPoint origin = gridOrigin();
    const int c = point.x() >= origin.x() ? (point.x() - origin.x()) / cellWidth_ : -1;
    const int r = point.y() >= origin.y() ? (point.y() - origin.y()) / rowHeight_ : -1;
    if (showsDenominator() && r == visRows_ && c == visCols_ - 1) {
        return MatrixDocument::Cell{document_.Rows(), 0};
    }
    if (c < 0 || c >= visCols_ || r < 0 || r >= visRows_) return std::nullopt;
    return MatrixDocument::Cell{firstRow_ + r, firstCol_ + c};
}

QRect MatrixView::cellRect(std::int32_t row, std::int32_t col) const {
    const QPoint origin = gridOrigin();
    if (row == document_.Rows()) {
        return {visCols_ * cellWidth_ + origin.x() - cellWidth_, visRows_ * rowHeight_ + origin.y(),
                cellWidth_, rowHeight_};
    }
    return {(col - firstCol_) * cellWidth_ + origin.x(),
            (row - firstRow_) * rowHeight_ + origin.y(), cellWidth_, rowHeight_};
}

void MatrixView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
    const std::optional<MatrixDocument::Cell> cell = cellAt(event->position().toPoint());
    if (!cell) return;
    editCell(cell->row, cell->col, event->button() == Qt::RightButton);
}

void MatrixView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    invalidate();
}

void MatrixView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    invalidate();
}

void MatrixView::editCell(std::int32_t row, std::int32_t col, bool continuous) {
    const bool denominator = row == document_.Rows();
    const bool wasEditing = editing_;
    editing_ = continuous && !denominator;
    editCell_ = {row, col};
    if (wasEditing != editing_) emit editingChanged(editing_);
    if (!denominator) setCurrentCell(row, col);

    editor_->setFont(font_);
    placeEditor();
    editor_->setText(toQString(document_.entryText(row, col)));
    editor_->selectAll();
    editor_->show();
    editor_->setFocus();
}

// The box ends at the cell's right edge and moves with it.
void MatrixView::placeEditor() {
    const QRect cell = cellRect(editCell_.row, editCell_.col);
    const int editorWidth = editorWidthFor(cellWidth_);
    editor_->setGeometry(cell.x() + cell.width() - editorWidth, cell.y(), editorWidth,
                         editorHeightFor(rowHeight_));
}

// The keys go back to the grid; a hidden editor that kept the focus would
// take the window's shortcuts (Ctrl+Z) for itself.
void MatrixView::closeEditor() {
    const bool focused = editor_->hasFocus();
    editor_->hide();
    if (focused) setFocus();
}

void MatrixView::commitEdit(Step step) {
    closeEditor();
    const QString typed = editor_->text();
    const int rc = document_.setCellFromText(editCell_.row, editCell_.col, toStdString(typed));
    if (rc != code::Ok) {
        // The cell keeps its value and the editor comes back on what was
        // typed, for the user to correct it or leave with Esc.
        showError(prompter_, rc);
        activateWindow();
        editCell(editCell_.row, editCell_.col, editing_);
        editor_->setText(typed);
        return;
    }
    relayout();
    emit edited();
    if (editCell_.row == document_.Rows()) return;  // the denominator
    if (editing_ && step == Step::AutoAdvance) {
        const std::optional<MatrixDocument::Cell> next = document_.nextEditCell(editCell_);
        if (!next) {
            stopEditing();
            return;
        }
        scrollToCell(next->row, next->col);
        editCell(next->row, next->col, true);
        return;
    }
    const MatrixDocument::Cell next = stepped(editCell_, step);
    setCurrentCell(next.row, next.col);
    if (editing_) editCell(next.row, next.col, true);
}

void MatrixView::cancelEdit() {
    closeEditor();
    stopEditing();
}

void MatrixView::stopEditing() {
    if (!editing_) return;
    editing_ = false;
    emit editingChanged(false);
}

// The view follows the next cell a page at a time.
void MatrixView::scrollToCell(std::int32_t row, std::int32_t col) {
    if (col >= firstCol_ + visCols_) {
        firstCol_ = std::min(firstCol_ + visCols_, document_.Cols() - visCols_);
    } else if (col < firstCol_) {
        firstCol_ = col;
    }
    if (row >= firstRow_ + visRows_) {
        firstRow_ = std::min(firstRow_ + visRows_, document_.Rows() - visRows_);
    } else if (row < firstRow_) {
        firstRow_ = row;
    }
    placeScrollBars();
    invalidate();
}

}  // namespace lorvex
