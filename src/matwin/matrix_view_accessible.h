#pragma once

#include <QAccessibleWidget>
#include <map>
#include <utility>

namespace lorvex {

class MatrixView;

// The grid of a matrix window as an accessible table over the whole matrix
// (not only the visible cells): each cell named by its entry as shown, the
// highlighted cell and the current one (which the keys move and the editor
// opens on) selected, the current one focused while the grid has the focus.
// Cells are made on first request and read the matrix as it is now: a cell
// beyond a smaller matrix is invalid, and all are forgotten when a listening
// tool is told the matrix was replaced.
class MatrixViewAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit MatrixViewAccessible(MatrixView* view);
    ~MatrixViewAccessible() override;

    // Makes matrix views accessible through this class; once is enough.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    // Named after its window ("A", "mat1.fma" ...) unless given a name.
    QString text(QAccessible::Text t) const override;
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override { return QString::number(column + 1); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    MatrixView* view() const;

  private:
    void forgetCells();

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

}  // namespace lorvex
