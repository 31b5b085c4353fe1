#pragma once

#include <QAbstractButton>
#include <QTemporaryDir>

#include "frame/mat_frame.h"
#include "ui/matrix_window_fixture.h"

namespace lorvex::test {

// The frame over a workspace of its own, its settings in a fresh folder.
class FrameFixture : public ::testing::Test {
  protected:
    FrameFixture() {
        frame.setUp();
        frame.show();
    }

    QAction* action(int command) { return frame.action(command); }
    // The dialog of a command, opened from its menu item.
    template <class Dialog>
    Dialog* open(int command) {
        EXPECT_TRUE(action(command)->isEnabled());
        action(command)->trigger();
        auto* dialog = frame.findChild<Dialog*>();
        EXPECT_TRUE(dialog != nullptr && dialog->isVisible());
        return dialog;
    }
    static void press(QWidget* dialog, const char* button) {
        dialog->findChild<QAbstractButton*>(button)->click();
    }
    void placeReal(std::int32_t letter, const ComplexMatrix& m = realMatrix({{1, 2}})) {
        ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", letter, m).stored);
    }
    // `m` as a document holding `held` keeps it: a real one the real parts.
    static MatrixData heldAs(const MatrixData& held, const MatrixData& m) {
        const auto* complex = std::get_if<ComplexMatrix>(&m);
        if (complex && std::holds_alternative<RealMatrix>(held)) return realPartsOf(*complex);
        return m;
    }
    void expectStored(std::int32_t letter, const MatrixData& m, const char* notes = nullptr) {
        const MatrixDocument* stored = workspace.slot(letter);
        ASSERT_NE(stored, nullptr) << "nothing at " << letter;
        EXPECT_EQ(stored->matrixData(), heldAs(stored->matrixData(), m));
        if (notes) {
            EXPECT_EQ(stored->notes(), notes);
        }
    }

    // What a step window shows, and its highlighted entry.
    void expectShown(StepDocument which, const ComplexMatrix& m, std::int32_t row = -1,
                     std::int32_t col = -1) {
        const MatrixDocument& shown = workspace.stepDocument(which);
        EXPECT_EQ(shown.matrixData(), heldAs(shown.matrixData(), m));
        EXPECT_EQ(std::pair(shown.HiliteRow(), shown.HiliteCol()), std::pair(row, col));
    }

    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Workspace workspace{prompter};
    RandomGenerator random{7};
    FrameOperations operations{workspace, random};
    TMatFrame frame{operations, folder.path().toStdString()};
};

}  // namespace lorvex::test
