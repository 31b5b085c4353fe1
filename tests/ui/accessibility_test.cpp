// What screen readers and GUI test tools read through Qt's accessibility
// interfaces: menu items, field names and the matrix grid.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "engine/result_codes.h"
#include "frame/command_dialog.h"
#include "ui/frame_fixture.h"

namespace lorvex {
namespace {

class AccessibleFrameTest : public test::FrameFixture {
  protected:
    // Each item of a menu as a screen reader reaches it: valid, inside that
    // menu, named by its text without the accelerator mark. An item that is
    // not valid reads as empty.
    static void expectItemsNamed(QMenu* menu) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(accessible, nullptr);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(accessible->childCount(), items.size());
        for (int i = 0; i < items.size(); ++i) {
            if (items[i]->isSeparator()) continue;
            QAccessibleInterface* item = accessible->child(i);
            const QString name = items[i]->text().remove(QLatin1Char('&'));
            EXPECT_TRUE(item->isValid()) << name.toStdString();
            EXPECT_EQ(item->parent(), accessible) << name.toStdString();
            EXPECT_EQ(item->text(QAccessible::Name), name);
        }
    }
};

// The three menu sets share the command actions; the items of the set shown
// last are still named after a round through another mode.
TEST_F(AccessibleFrameTest, MenuItemsKeepTheirNamesAcrossModeSwitches) {
    placeReal(1);
    for (const int mode : {command::ModeReal, command::ModeInteger, command::ModeReal}) {
        action(mode)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QAction* title : frame.menuBar()->actions())
            expectItemsNamed(title->menu());
    }
}

// Each field is named by the label that stands for it (the calculation's
// one unlabelled field by its dialog), and each dialog has a title.
TEST_F(AccessibleFrameTest, DialogFieldsAreNamedByTheirLabels) {
    placeReal(1);
    const auto commands = {command::NewMatrix, command::Calculate,     command::Solve,
                           command::Formula,   command::CopyColumn,    command::Rotate2D,
                           command::Rotate3D,  command::ProjectReflect};
    for (int command : commands)
        action(command)->trigger();
    const QList<CommandDialog*> dialogs = frame.findChildren<CommandDialog*>();
    EXPECT_EQ(dialogs.size(), static_cast<qsizetype>(commands.size()));
    for (const QDialog* dialog : dialogs) {
        EXPECT_FALSE(dialog->windowTitle().isEmpty());
        QList<QWidget*> fields;
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
            fields << field;
        for (QComboBox* field : dialog->findChildren<QComboBox*>())
            fields << field;
        for (QWidget* field : fields) {
            QString label = dialog->windowTitle();
            for (const QLabel* candidate : dialog->findChildren<QLabel*>()) {
                if (candidate->buddy() == field) label = candidate->text().remove(QLatin1Char('&'));
            }
            const std::string where =
                dialog->windowTitle().toStdString() + " " + field->objectName().toStdString();
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
            if (qobject_cast<QComboBox*>(field) != nullptr) {
                // On Linux a list is named by its current item; its label
                // comes as a relation.
                const auto labels = accessible->relations(QAccessible::Label);
                ASSERT_EQ(labels.size(), 1) << where;
                EXPECT_EQ(labels[0].first->text(QAccessible::Name), label) << where;
            } else {
                EXPECT_EQ(accessible->text(QAccessible::Name), label) << where;
            }
        }
    }
}

using AccessibleMatrixTest = test::MatrixWindowFixture;

// The whole matrix, visible or not, cell by cell as drawn; the highlighted
// cell and the current one are selected.
TEST_F(AccessibleMatrixTest, GridReadsAsATableOfTheEntriesShown) {
    open(test::realMatrix({{1, 2, 3}, {4, -5.5L, 6}, {7, 8, 9.25L}}), ElementKind::Real, {},
         {200, 120});
    ASSERT_EQ(document->setFormat(2, 8, false), code::Ok);
    document->setHighlight(1, 2);
    view()->relayout();
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(view());
    ASSERT_NE(grid, nullptr);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(grid->text(QAccessible::Name), window->windowTitle());
    EXPECT_FALSE(window->windowTitle().isEmpty());
    ASSERT_EQ(table->rowCount(), 3);
    ASSERT_EQ(table->columnCount(), 3);
    EXPECT_LT(view()->VisRows() * view()->VisCols(), 9) << "some cells out of sight";

    const QStringList shown{"1.00", "2.00", "3.00", "4.00", "-5.50",
                            "6.00", "7.00", "8.00", "9.25"};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            QAccessibleInterface* cell = table->cellAt(row, col);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Name), shown[row * 3 + col]);
            EXPECT_EQ(cell->tableCellInterface()->isSelected(),
                      (row == 1 && col == 2) || (row == 0 && col == 0));
            EXPECT_EQ(cell->parent(), grid);
            EXPECT_EQ(grid->child(row * 3 + col), cell);
        }
    }
    EXPECT_EQ(table->selectedCellCount(), 2);
    EXPECT_EQ(table->cellAt(3, 0), nullptr);
    // The keys move the current cell; the one edited is current.
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_Down);
    const QList<QAccessibleInterface*> selected = table->selectedCells();
    ASSERT_EQ(selected.size(), 2);
    EXPECT_EQ(selected[1]->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(selected[1]->tableCellInterface()->columnIndex(), 0);
    EXPECT_EQ(selected[1]->state().focused, view()->hasFocus());
    view()->editCell(2, 1, false);
    EXPECT_TRUE(table->cellAt(2, 1)->tableCellInterface()->isSelected()) << "the edited cell";
    EXPECT_FALSE(table->cellAt(1, 0)->tableCellInterface()->isSelected());

    const QAccessible::Id corner = QAccessible::uniqueId(table->cellAt(2, 2));
    ASSERT_EQ(document->removeRows(3, 3), code::Ok);
    ASSERT_EQ(document->removeColumns(3, 3), code::Ok);
    window->contentsReplaced();
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->cellAt(2, 2), nullptr);
    const QAccessibleInterface* gone = QAccessible::accessibleInterface(corner);
    EXPECT_TRUE(gone == nullptr || !gone->isValid()) << "a cell that no longer exists";
    EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name), "-5.50");
}

// [[1/2, 3], [-2/3, 4]] over 6: numerators over "denom 6", then with
// "Frações" each entry reduced and no denominator line; a new window starts
// with the choice made in the last one.
TEST_F(AccessibleMatrixTest, FractionsShowEachEntryReducedAndOutliveTheWindow) {
    const IntegerMatrix sixths = test::integerMatrix({{3, 18}, {-4, 24}}, 6);
    const auto cellTexts = [this] {
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(view())->tableInterface();
        QStringList texts;
        for (int cell = 0; cell < 4; ++cell)
            texts << table->cellAt(cell / 2, cell % 2)->text(QAccessible::Name);
        return texts;
    };
    open(sixths, ElementKind::Integer);
    EXPECT_EQ(cellTexts(), QStringList({"3", "18", "-4", "24"}));
    EXPECT_EQ(view()->shownText(2, 0), "6");
    const QSize withDenominator = view()->sizeShowing(2, 2);
    ASSERT_TRUE(action(command::Fractions)->isVisible());
    action(command::Fractions)->trigger();
    EXPECT_EQ(cellTexts(), QStringList({"1/2", "3", "-2/3", "4"}));
    EXPECT_LT(view()->sizeShowing(2, 2).height(), withDenominator.height()) << "no denom line";

    open(sixths, ElementKind::Integer);
    EXPECT_TRUE(action(command::Fractions)->isChecked());
    EXPECT_EQ(cellTexts(), QStringList({"1/2", "3", "-2/3", "4"}));
    action(command::Fractions)->trigger();
    EXPECT_EQ(cellTexts(), QStringList({"3", "18", "-4", "24"}));
    open(test::realMatrix({{0.5L}}));
    EXPECT_FALSE(action(command::Fractions)->isVisible()) << "a real matrix has no fractions";
}

}  // namespace
}  // namespace lorvex
