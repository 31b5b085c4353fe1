#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/frame_operations.h"
#include "workspace/scripted_prompter.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;
using Answer = Prompter::Answer;

constexpr std::int32_t A = 1, B = 2, C = 3, K = 11, M = 13, X = 24;

class CalculationOperationsTest : public ::testing::Test {
  protected:
    CalculationOperationsTest() { operations.setMode(WorkspaceMode::Real); }

    void place(std::int32_t letter, const MatrixData& data) {
        const ElementKind kind =
            std::holds_alternative<IntegerMatrix>(data) ? ElementKind::Integer : ElementKind::Real;
        ASSERT_TRUE(workspace.PlaceMatrix(kind, "", letter, data).stored);
    }
    MatrixData at(std::int32_t letter) { return workspace.slot(letter)->matrixData(); }

    test::ScriptedPrompter prompter;
    Workspace workspace{prompter};
    RandomGenerator random{3};
    FrameOperations operations{workspace, random};
};

TEST_F(CalculationOperationsTest, CalculationStoresItsValueWithTheTextAsNotes) {
    place(A, realMatrix({{1, 2}, {3, 4}}));
    place(B, realMatrix({{10, 20}, {30, 40}}));
    ASSERT_EQ(operations.calculations().CalcExpression(C, "A + B"), code::Ok);
    EXPECT_EQ(at(C), MatrixData(realMatrix({{11, 22}, {33, 44}})));
    EXPECT_EQ(workspace.slot(C)->notes(), "A + B");

    prompter.expectOverwriteQuestion(Answer::No);
    EXPECT_EQ(operations.calculations().CalcExpression(C, "2A"), code::Ok);
    EXPECT_EQ(at(C), MatrixData(realMatrix({{11, 22}, {33, 44}})));
    EXPECT_EQ(workspace.slot(C)->notes(), "A + B");

    EXPECT_EQ(operations.calculations().CalcExpression(C, "A + Q"), code::NotFound);
    EXPECT_EQ(operations.calculations().CalcExpression(C, "2+3"), code::NotAMatrix);
    EXPECT_EQ(at(C), MatrixData(realMatrix({{11, 22}, {33, 44}})));
}

TEST_F(CalculationOperationsTest, IntegerCalculationsAreExact) {
    operations.setMode(WorkspaceMode::Integer);
    place(A, integerMatrix({{4, 7}, {2, 6}}));
    ASSERT_EQ(operations.calculations().CalcExpression(B, "1/A"), code::Ok);
    EXPECT_EQ(at(B), MatrixData(integerMatrix({{6, -7}, {-2, 4}}, 10)));
    EXPECT_EQ(operations.calculations().CalcExpression(C, "0.5A"), code::IntegerExpected);
}

TEST_F(CalculationOperationsTest, SolveChecksItsLettersFirst) {
    place(M, realMatrix({{1, 2}, {2, 4}}));
    place(B, realMatrix({{3}, {6}}));
    EXPECT_EQ(operations.calculations().Solve(M, B, M, K, false).code, code::InconsistentData);
    EXPECT_EQ(operations.calculations().Solve(C, B, X, K, false).code, code::MatrixNotFound);
    // A missing matrix replaces the earlier "same letter" failure.
    EXPECT_EQ(operations.calculations().Solve(C, B, C, K, false).code, code::MatrixNotFound);
    EXPECT_EQ(operations.calculations().Solve(M, C, X, K, false).code, code::MatrixNotFound);
    EXPECT_EQ(operations.calculations().Solve(M, M, X, K, false).code, code::InconsistentData);
    place(A, realMatrix({{3, 6}}));
    EXPECT_EQ(operations.calculations().Solve(M, A, X, K, false).code, code::InconsistentData)
        << "B must be a column";
    EXPECT_EQ(operations.calculations().Solve(M, B, X, X, false).code, code::InconsistentData)
        << "the null space needs a letter of its own";
    EXPECT_EQ(workspace.slot(X), nullptr);
}

TEST_F(CalculationOperationsTest, SolveStoresTheSolutionAndTheNullSpace) {
    place(M, realMatrix({{1, 2}, {2, 4}}));
    place(B, realMatrix({{3}, {6}}));
    ASSERT_EQ(operations.calculations().Solve(M, B, X, K, false).code, code::Ok);
    EXPECT_EQ(at(X), MatrixData(realMatrix({{3}, {0}})));
    EXPECT_EQ(workspace.slot(X)->notes(), "solução");
    EXPECT_EQ(at(K), MatrixData(realMatrix({{-2}, {1}})));
    EXPECT_EQ(workspace.slot(K)->notes(), "base do núcleo");

    place(C, realMatrix({{3}, {7}}));
    EXPECT_EQ(operations.calculations().Solve(M, C, X, K, false).code, code::InconsistentData);
    EXPECT_EQ(at(X), MatrixData(realMatrix({{3}, {0}}))) << "nothing stored";

    // A regular 2 x 2 system stores only X; "zeros" needs no B.
    place(A, realMatrix({{2, 1}, {1, 1}}));
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(operations.calculations().Solve(A, 0, X, K, true).code, code::Ok);
    EXPECT_EQ(at(X), MatrixData(realMatrix({{0}, {0}})));
    EXPECT_EQ(at(K), MatrixData(realMatrix({{-2}, {1}}))) << "K untouched";
}

TEST_F(CalculationOperationsTest, IntegerSolveKeepsItsDenominators) {
    operations.setMode(WorkspaceMode::Integer);
    place(M, integerMatrix({{2, 3}}));
    place(B, integerMatrix({{1}}));
    ASSERT_EQ(operations.calculations().Solve(M, B, X, K, false).code, code::Ok);
    EXPECT_EQ(at(X), MatrixData(integerMatrix({{1}, {0}}, 2)));
    EXPECT_EQ(at(K), MatrixData(integerMatrix({{-3}, {2}}, 2)));
}

}  // namespace
}  // namespace lorvex
