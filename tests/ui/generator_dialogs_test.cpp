// The generator dialogs of the frame: each reads its fields, calls its
// operation and stores the result with its description.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "frame/formula_dialog.h"
#include "frame/integer_rotation_3d_dialog.h"
#include "frame/letter_list.h"
#include "frame/projection_dialog.h"
#include "frame/rotation_3d_dialog.h"
#include "frame/unitary_dialog.h"
#include "ui/frame_fixture.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;

using GeneratorDialogTest = test::FrameFixture;

// sin(iπ/(i+j)) is sin(π/2) = 1 on the diagonal; the label follows the letter.
TEST_F(GeneratorDialogTest, FormulaFillsEveryEntry) {
    auto* dialog = open<TFmlaDlg>(command::Formula);
    EXPECT_EQ(dialog->findChild<QLabel*>("231")->text(), "M(i,j) =");
    dialog->findChild<LetterList*>("296")->setLetter(6);
    EXPECT_EQ(dialog->findChild<QLabel*>("231")->text(), "F(i,j) =");
    press(dialog, "run");
    const MatrixDocument* stored = workspace.slot(6);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->notes(), " sin(i*pi/(i+j))");
    const auto& m = std::get<RealMatrix>(stored->matrixData());
    ASSERT_EQ(m.rows * m.cols, 9);
    EXPECT_NEAR(static_cast<double>(m.at(0, 0)), 1.0, 1e-15);  // sin(pi/2)
}

// With "matriz" the list replaces the component fields, and an empty
// letter is reported.
TEST_F(GeneratorDialogTest, RotationAboutAMissingAxisMatrixStoresNothing) {
    auto* dialog = open<TRot3Dlg>(command::Rotate3D);
    press(dialog, "252");
    EXPECT_FALSE(dialog->findChild<QLineEdit*>("211")->isVisible());
    EXPECT_TRUE(dialog->findChild<LetterList*>("295")->isVisible());
    prompter.expectError("matriz não encontrada");
    press(dialog, "run");
    EXPECT_EQ(workspace.slot(13), nullptr);
}

// Axis (3, 6, −2) and angle (4, 3): n = 7, r = 5; every column has length
// 245, and the numerators' determinant is 245^3, so the rotation's is 1.
TEST_F(GeneratorDialogTest, ExactRotationFromTheInitialData) {
    action(command::ModeInteger)->trigger();
    auto* dialog = open<TIRot3Dlg>(command::IntegerRotate3D);
    press(dialog, "run");
    expectStored(13, integerMatrix({{205, 60, 120}, {-24, 232, -75}, {-132, 51, 200}}, 245),
                 "rotação 3D");
    // With "vetor coluna" and no matrix at the letter nothing is stored.
    press(dialog, "254");
    prompter.expectError("matriz não encontrada");
    press(dialog, "run");
}

// I − v vᵀ/(vᵀv) and I − 2 v vᵀ/(vᵀv) for v = (1, 1), exact in integer mode.
TEST_F(GeneratorDialogTest, ProjectionAndReflectionAlongAColumn) {
    placeReal(1, realMatrix({{1}, {1}}));
    placeReal(2, realMatrix({{1, 2}, {3, 4}}));
    auto* dialog = open<TProRefDlg>(command::ProjectReflect);
    auto* result = dialog->findChild<LetterList*>("296");
    press(dialog, "run");
    expectStored(13, realMatrix({{0, -1}, {-1, 0}}), "reflexão");
    press(dialog, "251");
    result->setLetter(16);
    press(dialog, "run");
    expectStored(16, realMatrix({{0.5, -0.5}, {-0.5, 0.5}}), "projeção");
    dialog->findChild<LetterList*>("295")->setLetter(2);
    result->setLetter(17);
    prompter.expectError("dado inconsistente");
    press(dialog, "run");
    EXPECT_EQ(workspace.slot(17), nullptr);

    action(command::ModeInteger)->trigger();
    ASSERT_TRUE(
        workspace.PlaceMatrix(ElementKind::Integer, "", 2, integerMatrix({{1}, {1}})).stored);
    press(dialog, "run");
    expectStored(17, integerMatrix({{1, -1}, {-1, 1}}, 2), "projeção");
}

TEST_F(GeneratorDialogTest, UnitaryDialogHidesOutsideIntegerMode) {
    action(command::ModeInteger)->trigger();
    auto* dialog = open<TUniDlg>(command::Unitary);
    press(dialog, "run");
    const MatrixDocument* stored = workspace.slot(13);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->notes(), "unitária aleatória");
    action(command::ModeComplex)->trigger();
    EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace lorvex
