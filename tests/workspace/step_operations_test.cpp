// The command-line scripts pin the step procedures' matrices, titles, notes
// and refusals; here what they cannot show: the highlighted pivot and the
// checks no script reaches.

#include <gtest/gtest.h>

#include "engine/echelon.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/generator_fixture.h"
#include "workspace/check_answer.h"

namespace lorvex {
namespace {

using test::realMatrix;

constexpr std::int32_t S = 19;
constexpr std::int32_t X = 24;

using StepOperationsTest = test::GeneratorTest;

TEST_F(StepOperationsTest, TheEnteringColumnIsHighlightedUntilTheEnd) {
    // Maximise 3x + 2y with x + y <= 4 and x + 3y <= 6: x enters first.
    place(A, realMatrix({{3, 2}}));
    place(B, realMatrix({{1, 1}, {1, 3}}));
    place(C, realMatrix({{4}, {6}}));
    const MatrixDocument& lp = workspace.stepDocument(StepDocument::LinearProgramming);
    StepProgress progress = operations.steps().linearProgram(A, B, C, Goal::Maximise, 0);
    ASSERT_EQ(progress.code, code::Ok);
    EXPECT_FALSE(progress.finished);
    EXPECT_EQ(lp.HiliteRow(), -1);
    ASSERT_EQ(operations.steps().linearProgram(A, B, C, Goal::Maximise, 1).code, code::Ok);
    EXPECT_EQ(lp.HiliteCol(), 0);
    progress = operations.steps().linearProgram(A, B, C, Goal::Maximise, kAllSimplexSteps);
    ASSERT_EQ(progress.code, code::Ok);
    EXPECT_TRUE(progress.finished);
    EXPECT_EQ(lp.HiliteRow(), -1);
}

TEST_F(StepOperationsTest, RowOperationsNeedTwoRowsAndAMatrix) {
    place(M, realMatrix({{1, 2, 3}, {4, 5, 6}}));
    ASSERT_EQ(operations.steps().OperLoad(M), code::Ok);
    EXPECT_EQ(operations.steps().OperAdd("1", "1", "1", false), code::NothingToDo);
    EXPECT_FALSE(operations.steps().OperCanUndo());
    EXPECT_EQ(operations.steps().OperLoad(X), code::MatrixNotFound);
}

// The window shows real parts, but a complex factor's imaginary part is kept
// for undo: 1 / (2 + 3i) times (2 + 3i) x row 1 is row 1 again.
TEST_F(StepOperationsTest, UndoingAComplexFactorRestoresTheRow) {
    place(M, realMatrix({{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}));
    ASSERT_EQ(operations.steps().OperLoad(M), code::Ok);
    ASSERT_EQ(operations.steps().OperMultiply("1", "2+3i", false), code::Ok);
    const MatrixDocument& shown = workspace.stepDocument(StepDocument::Operations);
    EXPECT_EQ(shown.entryText(0, 1), "4.00000");
    ASSERT_TRUE(operations.steps().OperUndo());
    const double expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 10};
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_NEAR(static_cast<double>(shown.Cells()[k].re), expected[k], 1e-15);
        EXPECT_NEAR(static_cast<double>(shown.Cells()[k].im), 0.0, 1e-15);
    }
}

// L2 <- L2 - (1/2) L1 turns [3 4] into [2.5 3]; taken, it is undone like
// any operation.
TEST_F(StepOperationsTest, ACheckedStepIsDescribedAndTaken) {
    place(M, realMatrix({{1, 2}, {3, 4}}));
    place(S, realMatrix({{1, 2}, {2.5L, 3}}));
    ASSERT_EQ(operations.steps().OperLoad(M), code::Ok);
    ElementaryStep step;
    ASSERT_EQ(operations.steps().OperCheck(S, step), code::Ok);
    EXPECT_EQ(checkAnswerText(step), "L2 ← L2 − (1/2)·L1");
    ASSERT_EQ(operations.steps().OperTake(step.operation), code::Ok);
    const MatrixDocument& shown = workspace.stepDocument(StepDocument::Operations);
    EXPECT_EQ(shown.entryText(1, 0), "2.50000");
    ASSERT_TRUE(operations.steps().OperUndo());
    EXPECT_EQ(shown.entryText(1, 0), "3.00000");
    EXPECT_EQ(operations.steps().OperCheck(X, step), code::MatrixNotFound);
}

TEST(StepDescription, OperationsInTheUsualNotation) {
    using Kind = OperationKind;
    const struct {
        RowColumnOperation operation;
        const char* text;
    } cases[] = {
        {{Kind::ExchangeRows, 0, 2, ONE}, "L1 ↔ L3"},
        {{Kind::ExchangeColumns, 0, 2, ONE}, "C1 ↔ C3"},
        {{Kind::ScaleRow, 1, 1, {0.5L, 0}}, "L2 ← (1/2)·L2"},
        {{Kind::ScaleColumn, 0, 0, {-2.0L / 3, 0}}, "C1 ← (−2/3)·C1"},
        {{Kind::ScaleRow, 0, 0, {-3, 0}}, "L1 ← −3·L1"},
        {{Kind::AddRowMultiple, 0, 2, {2, 0}}, "L3 ← L3 + 2·L1"},
        {{Kind::AddRowMultiple, 0, 1, {0.25L, 0}}, "L2 ← L2 + (1/4)·L1"},
        {{Kind::AddColumnMultiple, 1, 0, {-1, 0}}, "C1 ← C1 − C2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describeOperation(c.operation), c.text);
    ElementaryStep twoSteps;
    twoSteps.rowEquivalent = true;
    EXPECT_EQ(checkAnswerText(twoSteps),
              "não é uma operação elementar\nequivalente por linhas, mas não em um passo");
}

}  // namespace
}  // namespace lorvex
