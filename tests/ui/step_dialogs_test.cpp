// The linear-programming and row-operations dialogs driving their step
// windows, and what every step window shows of its highlighted entry.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "frame/echelon_dialog.h"
#include "frame/letter_list.h"
#include "frame/linear_program_dialog.h"
#include "frame/row_operations_dialog.h"
#include "matwin/display_window.h"
#include "ui/frame_fixture.h"

namespace lorvex {
namespace {

using test::realMatrix;

class StepDialogsTest : public test::FrameFixture {
  protected:
    static void type(QWidget* dialog,
                     std::initializer_list<std::pair<const char*, const char*>> texts) {
        for (const auto& [field, text] : texts)
            dialog->findChild<QLineEdit*>(field)->setText(QString::fromUtf8(text));
    }
    static void choose(QWidget* dialog,
                       std::initializer_list<std::pair<const char*, int>> letters) {
        for (const auto& [list, letter] : letters)
            dialog->findChild<LetterList*>(list)->setLetter(letter);
    }
};

// Rows and columns of [1 2 3; 4 5 6; 7 8 10] operated on and undone again.
TEST_F(StepDialogsTest, RowOperationsAreShownAndUndoneInTurn) {
    EXPECT_FALSE(action(command::RowOperations)->isEnabled()) << "no matrix yet";
    const ComplexMatrix m = realMatrix({{1, 2, 3}, {4, 5, 6}, {7, 8, 10}});
    placeReal(13, m);
    auto* dialog = open<TOperDlg>(command::RowOperations);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(frame.stepWindow(StepDocument::Operations)->isVisible());
    QPushButton* undo = dialog->findChild<QPushButton*>("undo");
    EXPECT_FALSE(undo->isEnabled());
    press(dialog, "load");
    type(dialog, {{"211", "3"}, {"212", "2"}});
    press(dialog, "multiply");
    type(dialog, {{"211", "-2"}, {"212", "1"}, {"213", "3"}});
    press(dialog, "add");
    EXPECT_TRUE(undo->isEnabled());
    expectShown(StepDocument::Operations, realMatrix({{1, 2, 3}, {12, 15, 18}, {5, 4, 4}}));
    dialog->findChild<QRadioButton*>("252")->click();
    const QStringList names{"X coluna", "à coluna", "colunas", "e"};
    for (int i = 0; i < names.size(); ++i) {
        QLineEdit* field = dialog->findChild<QLineEdit*>(QString::number(212 + i));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name), names[i]);
    }
    type(dialog, {{"214", "1"}, {"215", "3"}});
    press(dialog, "swap");
    expectShown(StepDocument::Operations, realMatrix({{3, 2, 1}, {18, 15, 12}, {4, 4, 5}}));
    for (int i = 0; i < 3; ++i)
        press(dialog, "undo");
    EXPECT_FALSE(undo->isEnabled());
    const auto restored =
        std::get<ComplexMatrix>(workspace.stepDocument(StepDocument::Operations).matrixData());
    test::expectNear(restored, m, 1e-15L);

    // Column 4 of three columns, then a swap of column 1 with itself.
    prompter.expectError("fora dos limites ");
    type(dialog, {{"212", "4"}});
    press(dialog, "multiply");
    prompter.expectError("nada a fazer");
    type(dialog, {{"215", "1"}});
    press(dialog, "swap");
    type(dialog, {{"211", "0"}, {"212", "1"}});
    press(dialog, "multiply");
    expectShown(StepDocument::Operations, restored);
    EXPECT_FALSE(undo->isEnabled()) << "a product by 0 is not recorded";
}

// Maximise 3x + 2y with x + y <= 4 and x + 3y <= 6: each "passos" is one
// step, and x = 4, y = 0 after four.
TEST_F(StepDialogsTest, LinearProgramStepsToItsOptimumAndFailuresKeepTheWindow) {
    placeReal(6, realMatrix({{3, 2}}));
    placeReal(13, realMatrix({{1, 1}, {1, 3}}));
    placeReal(2, realMatrix({{4}, {6}}));
    frame.setMode(WorkspaceMode::Complex);
    EXPECT_TRUE(action(command::LinearProgramming)->isEnabled()) << "a real matrix is enough";
    EXPECT_FALSE(action(command::RowOperations)->isEnabled());
    frame.setMode(WorkspaceMode::Real);
    auto* dialog = open<TLPDlg>(command::LinearProgramming);
    ASSERT_NE(dialog, nullptr);
    const TDispWin* window = frame.stepWindow(StepDocument::LinearProgramming);
    EXPECT_TRUE(window->isVisible());

    const ComplexMatrix start = realMatrix({{1, 1, 1, 0, 4}, {1, 3, 0, 1, 6}, {3, 2, 0, 0, 0}});
    const ComplexMatrix optimum = realMatrix({{4}, {0}});
    press(dialog, "steps");
    expectShown(StepDocument::LinearProgramming, start);
    EXPECT_EQ(window->windowTitle(), "maximizar F*X [ M*X <= B ]");
    press(dialog, "steps");
    expectShown(StepDocument::LinearProgramming, start, 0, 0);
    // The second constraint row less the pivot row: (0, 2, -1, 1, 2).
    press(dialog, "steps");
    expectShown(StepDocument::LinearProgramming,
                realMatrix({{1, 1, 1, 0, 4}, {0, 2, -1, 1, 2}, {3, 2, 0, 0, 0}}), 0, 0);
    press(dialog, "steps");
    expectShown(StepDocument::LinearProgramming, optimum);
    const QString solved = "F*X = 12.000000 [ maximizar; M*X <= B ]";
    EXPECT_EQ(window->windowTitle(), solved);
    // The run has ended: the next "passos" starts again.
    press(dialog, "steps");
    expectShown(StepDocument::LinearProgramming, start);
    press(dialog, "run");
    press(dialog, "saveAs");
    expectStored(24, optimum, "dados de prog linear");

    // Maximise x with x <= -1, then with -x <= 1.
    placeReal(1, realMatrix({{1}}));
    placeReal(3, realMatrix({{-1}}));
    choose(dialog, {{"295", 1}, {"297", 1}, {"296", 3}});
    prompter.expectError("não há vetores prováveis");
    press(dialog, "run");
    choose(dialog, {{"297", 3}, {"296", 1}});
    prompter.expectError("problema ilimitado");
    press(dialog, "run");
    expectShown(StepDocument::LinearProgramming, optimum);
    EXPECT_EQ(window->windowTitle(), solved);

    dialog->findChild<QRadioButton*>("252")->click();
    EXPECT_EQ(dialog->findChild<QLabel*>("constraintsLabel")->text(), "* X   >");
}

// Closing a dialog hides its window; both come back where they were left.
TEST_F(StepDialogsTest, ClosingHidesTheWindowAndReopeningKeepsBothPlaces) {
    placeReal(13);
    for (const auto which :
         {StepDocument::LinearProgramming, StepDocument::Echelon, StepDocument::Operations}) {
        const int command = std::array{command::LinearProgramming, command::Echelon,
                                       command::RowOperations}[static_cast<std::size_t>(which)];
        action(command)->trigger();
        TDispWin* window = frame.stepWindow(which);
        QDialog* dialog = nullptr;
        for (QDialog* candidate : frame.findChildren<QDialog*>())
            if (candidate->isVisible()) dialog = candidate;
        ASSERT_NE(dialog, nullptr);
        window->move(40, 50);
        dialog->move(400, 300);
        press(dialog, "close");
        EXPECT_FALSE(dialog->isVisible() || window->isVisible());
        action(command)->trigger();
        EXPECT_TRUE(dialog->isVisible() && window->isVisible());
        EXPECT_EQ(window->pos(), QPoint(40, 50));
        EXPECT_EQ(dialog->pos(), QPoint(400, 300));
        press(dialog, "close");
    }
}

// The highlighted entry of an echelon step and of a simplex step is a selected
// cell of the accessible table (the painting tests pin how it is drawn).
TEST_F(StepDialogsTest, StepWindowsShowTheirHighlightedEntry) {
    placeReal(6, realMatrix({{3, 2}}));
    placeReal(13, realMatrix({{0, 1}, {1, 1}}));
    placeReal(3, realMatrix({{1, 1}, {1, 3}}));
    placeReal(2, realMatrix({{4}, {6}}));
    press(open<TEchDlg>(command::Echelon), "steps");
    auto* lp = open<TLPDlg>(command::LinearProgramming);
    choose(lp, {{"297", 3}});
    press(lp, "steps");
    press(lp, "steps");
    using Case = std::tuple<StepDocument, int, int>;
    for (const auto& [which, row, col] :
         {Case{StepDocument::Echelon, 1, 0}, Case{StepDocument::LinearProgramming, 0, 0}}) {
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(frame.stepWindow(which)->view())
                ->tableInterface();
        // The keyboard's current cell is selected too.
        std::vector<std::pair<int, int>> selected;
        for (QAccessibleInterface* cell : table->selectedCells()) {
            const QAccessibleTableCellInterface* at = cell->tableCellInterface();
            selected.emplace_back(at->rowIndex(), at->columnIndex());
        }
        EXPECT_NE(std::find(selected.begin(), selected.end(), std::pair(row, col)), selected.end());
    }
}

}  // namespace
}  // namespace lorvex
