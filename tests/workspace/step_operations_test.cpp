#include <gtest/gtest.h>

#include "engine/echelon.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/frame_operations.h"
#include "workspace/scripted_prompter.h"

namespace lorvex {
namespace {

using test::realMatrix;

constexpr std::int32_t A = 1, B = 2, C = 3, E = 5, M = 13, X = 24;

class StepOperationsTest : public ::testing::Test {
  protected:
    StepOperationsTest() { operations.setMode(WorkspaceMode::Real); }

    void place(std::int32_t letter, const ComplexMatrix& data) {
        ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", letter, data).stored);
    }
    MatrixDocument& shown(StepDocument which) { return workspace.stepDocument(which); }

    test::ScriptedPrompter prompter;
    Workspace workspace{prompter};
    RandomGenerator random{9};
    FrameOperations operations{workspace, random};
};

TEST_F(StepOperationsTest, LinearProgramToTheEnd) {
    // Maximise 3x + 2y with x + y <= 4 and x + 3y <= 6: (4, 0), value 12.
    place(A, realMatrix({{3, 2}}));
    place(B, realMatrix({{1, 1}, {1, 3}}));
    place(C, realMatrix({{4}, {6}}));
    const StepProgress run =
        operations.steps().linearProgram(A, B, C, Goal::Maximise, kAllSimplexSteps);
    ASSERT_EQ(run.code, code::Ok);
    EXPECT_TRUE(run.finished);
    const MatrixDocument& lp = shown(StepDocument::LinearProgramming);
    EXPECT_EQ(lp.title(), "A*X = 12.000000 [ maximizar; B*X <= C ]");
    ASSERT_EQ(lp.Cols(), 1);
    EXPECT_NEAR(static_cast<double>(lp.Cells()[0].re), 4.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(lp.Cells()[1].re), 0.0, 1e-15);
    EXPECT_EQ(lp.HiliteRow(), -1);

    ASSERT_EQ(operations.steps().LPSaveAs(X), code::Ok);
    EXPECT_EQ(workspace.slot(X)->notes(), "dados de prog linear");
    EXPECT_EQ(workspace.slot(X)->Rows(), 2);
}

TEST_F(StepOperationsTest, LinearProgramStepByStepAndItsChecks) {
    place(A, realMatrix({{3, 2}}));
    place(B, realMatrix({{1, 1}, {1, 3}}));
    place(C, realMatrix({{4}, {6}}));
    const StepProgress run = operations.steps().linearProgram(A, B, C, Goal::Maximise, 0);
    ASSERT_EQ(run.code, code::Ok);
    EXPECT_FALSE(run.finished);
    const MatrixDocument& lp = shown(StepDocument::LinearProgramming);
    EXPECT_EQ(lp.title(), "maximizar A*X [ B*X <= C ]");
    // Rows 0 ... m over x, y, two slacks and the right-hand side.
    EXPECT_EQ(lp.Rows(), 3);
    EXPECT_EQ(lp.Cols(), 5);
    EXPECT_EQ(lp.HiliteRow(), -1);
    ASSERT_EQ(operations.steps().linearProgram(A, B, C, Goal::Maximise, 1).code, code::Ok);
    EXPECT_EQ(lp.HiliteCol(), 0) << "x enters first";

    place(E, realMatrix({{4, 1}, {6, 1}}));
    EXPECT_EQ(operations.steps().linearProgram(A, B, E, Goal::Maximise, 5).code,
              code::NotAColumnVector);
    EXPECT_EQ(operations.steps().linearProgram(A, B, M, Goal::Maximise, 5).code,
              code::MatrixNotFound);
    place(X, realMatrix({{1, 2, 3}}));
    EXPECT_EQ(operations.steps().linearProgram(X, B, C, Goal::Maximise, 5).code, code::Incompatible)
        << "three objective coefficients for two variables";
}

TEST_F(StepOperationsTest, EchelonStepsAndTheirTitle) {
    place(M, realMatrix({{2, 4}, {1, 3}}));
    const StepProgress start = operations.steps().echelon(M, 0);
    ASSERT_EQ(start.code, code::Ok);
    EXPECT_FALSE(start.finished);
    const MatrixDocument& ech = shown(StepDocument::Echelon);
    EXPECT_EQ(ech.title(), "M --> forma escada");
    EXPECT_EQ(ech.matrixData(), MatrixData(realMatrix({{2, 4}, {1, 3}})));
    const StepProgress end = operations.steps().echelon(M, kAllEchelonActions);
    ASSERT_EQ(end.code, code::Ok);
    EXPECT_TRUE(end.finished);
    EXPECT_EQ(ech.matrixData(), MatrixData(realMatrix({{1, 0}, {0, 1}})));
    ASSERT_EQ(operations.steps().EchSaveAs(E), code::Ok);
    EXPECT_EQ(workspace.slot(E)->notes(), "forma escada");
    EXPECT_EQ(operations.steps().echelon(X, 1).code, code::MatrixNotFound);
}

TEST_F(StepOperationsTest, RowAndColumnOperationsWithUndo) {
    place(M, realMatrix({{1, 2, 3}, {4, 5, 6}}));
    ASSERT_EQ(operations.steps().OperLoad(M), code::Ok);
    const MatrixDocument& oper = shown(StepDocument::Operations);
    EXPECT_EQ(oper.title(), "operações");
    EXPECT_EQ(operations.steps().OperMultiply("4", "2", true), code::OutOfRange);
    EXPECT_EQ(operations.steps().OperSwap("1", "1", false), code::NothingToDo);
    EXPECT_EQ(operations.steps().OperAdd("1", "1", "1", false), code::NothingToDo);
    EXPECT_EQ(operations.steps().OperAdd("1", "1", "3", false), code::OutOfRange);

    ASSERT_EQ(operations.steps().OperMultiply("1", "0", false), code::Ok);
    EXPECT_FALSE(operations.steps().OperCanUndo()) << "a zero factor is ignored";
    ASSERT_EQ(operations.steps().OperMultiply("2", "2", false), code::Ok);
    ASSERT_EQ(operations.steps().OperAdd("1", "-1.5", "2", false), code::Ok);
    ASSERT_EQ(operations.steps().OperSwap("1", "3", true), code::Ok);
    EXPECT_EQ(oper.matrixData(), MatrixData(realMatrix({{3, 2, 1}, {7.5L, 7, 6.5L}})));
    ASSERT_TRUE(operations.steps().OperUndo());
    ASSERT_TRUE(operations.steps().OperUndo());
    ASSERT_TRUE(operations.steps().OperUndo());
    EXPECT_EQ(oper.matrixData(), MatrixData(realMatrix({{1, 2, 3}, {4, 5, 6}})));
    EXPECT_FALSE(operations.steps().OperUndo());
    EXPECT_EQ(operations.steps().OperLoad(X), code::MatrixNotFound);
}

}  // namespace
}  // namespace lorvex
