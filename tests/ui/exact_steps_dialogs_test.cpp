// "exato" in the echelon and operations dialogs, and the operations dialog's
// "conferir", read through what the step windows show.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QPushButton>

#include "frame/echelon_dialog.h"
#include "frame/letter_list.h"
#include "frame/row_operations_dialog.h"
#include "matwin/display_window.h"
#include "matwin/matrix_view.h"
#include "toolkit/program_settings.h"
#include "ui/frame_fixture.h"

namespace lorvex {
namespace {

using test::integerMatrix;

class ExactStepsDialogsTest : public test::FrameFixture {
  protected:
    ExactStepsDialogsTest() {
        setProgramSettingsFolder(folder.path());
        frame.setMode(WorkspaceMode::Integer);
        place(13, integerMatrix({{2, 1}, {1, 1}}));
    }
    void place(std::int32_t letter, const IntegerMatrix& m) {
        ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Integer, "", letter, m).stored);
    }
    // The entries of a step window as its accessible table reads them, and
    // below them the denominator of an integer window.
    QStringList shown(StepDocument which) {
        const MatrixView* view = frame.stepWindow(which)->view();
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(frame.stepWindow(which)->view())
                ->tableInterface();
        QStringList cells;
        for (int row = 0; row < table->rowCount(); ++row)
            for (int col = 0; col < table->columnCount(); ++col)
                cells << table->cellAt(row, col)->text(QAccessible::Name).trimmed();
        if (workspace.stepDocument(which).isInteger())
            cells << "denom " + view->shownText(table->rowCount(), 0).trimmed();
        return cells;
    }
};

// Two "passos" find the pivot 2 and divide row 1 by it: [1 1/2; 1 1].
TEST_F(ExactStepsDialogsTest, ExatoGivesAnIntegerStepWindowAndIsRemembered) {
    auto* dialog = open<TEchDlg>(command::Echelon);
    auto* exact = dialog->findChild<QCheckBox*>("exact");
    ASSERT_TRUE(exact->isEnabled());
    EXPECT_FALSE(exact->isChecked());
    press(dialog, "steps");
    press(dialog, "steps");
    EXPECT_EQ(shown(StepDocument::Echelon),
              QStringList({"1.00000", "0.50000", "1.00000", "1.00000"}));

    exact->click();
    press(dialog, "rename");
    press(dialog, "steps");
    press(dialog, "steps");
    EXPECT_EQ(shown(StepDocument::Echelon), QStringList({"2", "1", "2", "2", "denom 2"}));
    EXPECT_TRUE(programSettings()->value("steps/exact").toBool());

    press(dialog, "close");
    frame.setMode(WorkspaceMode::Real);
    placeReal(13);
    action(command::Echelon)->trigger();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_FALSE(exact->isEnabled()) << "integer mode only";
    EXPECT_TRUE(exact->isChecked());
}

// From [2 1; 1 1]: a matrix of rank 1, the identity (row-equivalent, two
// steps away), then L2 ← L2 − (1/2)·L1 taken as the next step.
TEST_F(ExactStepsDialogsTest, ConferirAnswersAndTakesTheNextStep) {
    programSettings()->setValue("steps/exact", true);
    place(1, integerMatrix({{2, 1}, {4, 2}}));
    place(2, integerMatrix({{1, 0}, {0, 1}}));
    const IntegerMatrix next = integerMatrix({{4, 2}, {0, 1}}, 2);
    place(3, next);
    auto* dialog = open<TOperDlg>(command::RowOperations);
    press(dialog, "load");
    auto* checked = dialog->findChild<LetterList*>("checked");
    const std::string notElementary = "não é uma operação elementar";
    prompter.expect("conferir", notElementary, Prompter::Answer::Ok);
    checked->setLetter(1);
    press(dialog, "check");
    prompter.expect("conferir", notElementary + "\nequivalente por linhas, mas não em um passo",
                    Prompter::Answer::Ok);
    checked->setLetter(2);
    press(dialog, "check");
    prompter.expect("conferir", "L2 ← L2 − (1/2)·L1\n\ntomar como o próximo passo?",
                    Prompter::Answer::Yes);
    checked->setLetter(3);
    press(dialog, "check");
    EXPECT_EQ(shown(StepDocument::Operations), QStringList({"4", "2", "0", "1", "denom 2"}));
    EXPECT_TRUE(dialog->findChild<QPushButton*>("undo")->isEnabled());

    press(dialog, "multiply");
    EXPECT_EQ(shown(StepDocument::Operations), QStringList({"6", "3", "0", "1", "denom 2"}))
        << "the default factor 1.5 is offered as 3/2";
}

}  // namespace
}  // namespace lorvex
