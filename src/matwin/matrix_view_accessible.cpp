#include "matwin/matrix_view_accessible.h"

#include <QPointer>

#include "matwin/matrix_view.h"

namespace lorvex {
namespace {

class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CellAccessible(MatrixView* view, int row, int col) : view_(view), row_(row), col_(col) {}

    // A cell of a matrix since made smaller no longer exists.
    bool isValid() const override {
        return view_ != nullptr && row_ < view_->document().Rows() &&
               col_ < view_->document().Cols();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? view_->shownText(row_, col_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect cell = view_->cellRect(row_, col_);
        return cell.isEmpty() ? cell : cell.translated(view_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected = isSelected();
        state.focusable = true;
        state.focused = isCurrent() && view_->hasFocus();
        state.invisible = rect().isEmpty();
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return isValid() && view_->isMarked(row_, col_); }
    bool isCurrent() const {
        return isValid() && view_->currentCell() == MatrixDocument::Cell{row_, col_};
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }

  private:
    QPointer<MatrixView> view_;
    int row_;
    int col_;
};

QAccessibleInterface* makeAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(MatrixView::staticMetaObject.className())) return nullptr;
    return new MatrixViewAccessible(static_cast<MatrixView*>(object));
}

}  // namespace

MatrixViewAccessible::MatrixViewAccessible(MatrixView* view)
    : QAccessibleWidget(view, QAccessible::Table) {}

// Registered cells belong to Qt's cache; the table hands them back.
MatrixViewAccessible::~MatrixViewAccessible() {
    forgetCells();
}

void MatrixViewAccessible::install() {
    QAccessible::installFactory(makeAccessible);
}

MatrixView* MatrixViewAccessible::view() const {
    return static_cast<MatrixView*>(widget());
}

void* MatrixViewAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString MatrixViewAccessible::text(QAccessible::Text t) const {
    const QString text = QAccessibleWidget::text(t);
    return text.isEmpty() && t == QAccessible::Name ? view()->window()->windowTitle() : text;
}

int MatrixViewAccessible::rowCount() const {
    return view()->document().Rows();
}

int MatrixViewAccessible::columnCount() const {
    return view()->document().Cols();
}

QAccessibleInterface* MatrixViewAccessible::child(int index) const {
    const int cols = columnCount();
    return index >= 0 && index < childCount() ? cellAt(index / cols, index % cols) : nullptr;
}

int MatrixViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    QAccessibleTableCellInterface* cell =
        const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr || cell->table() != this) return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* MatrixViewAccessible::childAt(int x, int y) const {
    const auto cell = view()->cellAt(view()->mapFromGlobal(QPoint(x, y)));
    return cell && cell->row < rowCount() ? cellAt(cell->row, cell->col) : nullptr;
}

QAccessibleInterface* MatrixViewAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    auto [found, made] = cells_.try_emplace({row, column});
    if (made) {
        found->second =
            QAccessible::registerAccessibleInterface(new CellAccessible(view(), row, column));
    }
    return QAccessible::accessibleInterface(found->second);
}

QList<QAccessibleInterface*> MatrixViewAccessible::selectedCells() const {
    QList<QAccessibleInterface*> selected;
    for (const MatrixDocument::Cell cell : view()->markedCells()) {
        if (QAccessibleInterface* accessible = cellAt(cell.row, cell.col))
            selected.push_back(accessible);
    }
    return selected;
}

void MatrixViewAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    forgetCells();
}

void MatrixViewAccessible::forgetCells() {
    for (const auto& [cell, id] : cells_)
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

}  // namespace lorvex
