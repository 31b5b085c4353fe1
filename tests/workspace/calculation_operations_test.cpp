// The command-line scripts pin calculations and systems in real mode, their
// notes and refusals; here the integer mode and what no script reaches.

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/generator_fixture.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realEntries;
using test::realMatrix;
using Answer = Prompter::Answer;

constexpr std::int32_t X = 24;

class CalculationOperationsTest : public test::GeneratorTest {
  protected:
    MatrixData at(std::int32_t letter) { return workspace.slot(letter)->matrixData(); }
};

// Every operation stores its result with its notes through one placement.
TEST_F(CalculationOperationsTest, ARefusedOverwriteKeepsTheMatrixAndItsNotes) {
    place(A, realMatrix({{1, 2}}));
    ASSERT_EQ(operations.calculations().CalcExpression(C, "A + A"), code::Ok);
    EXPECT_EQ(workspace.slot(C)->notes(), "A + A");
    prompter.expectOverwriteQuestion(Answer::No);
    EXPECT_EQ(operations.calculations().CalcExpression(C, "3A"), code::Ok);
    EXPECT_EQ(at(C), MatrixData(realEntries({{2, 4}})));
    EXPECT_EQ(workspace.slot(C)->notes(), "A + A");
}

// The calculation language's data pins exact calculations; systems solved in
// the workspace keep their denominators too.
TEST_F(CalculationOperationsTest, IntegerSystemsAreExact) {
    operations.setMode(WorkspaceMode::Integer);
    place(M, integerMatrix({{2, 3}}));
    place(K, integerMatrix({{1}}));
    ASSERT_EQ(operations.calculations().Solve(M, K, X, C, false).code, code::Ok);
    EXPECT_EQ(at(X), MatrixData(integerMatrix({{1}, {0}}, 2)));
    EXPECT_EQ(at(C), MatrixData(integerMatrix({{-3}, {2}}, 2)));
}

// Stopped inside, an exact power ends as every stopped computation: no message.
TEST_F(CalculationOperationsTest, AStopInsideAnExactPowerIsNoFailure) {
    operations.setMode(WorkspaceMode::Integer);
    place(M, integerMatrix({{2, 1}, {1, 1}}));
    int polls = 0;
    const StopCheck stop([&] { return ++polls > 10; });
    EXPECT_EQ(operations.calculations().CalcExpression(C, "M^200000", stop), code::UserStop);
    EXPECT_EQ(integer(C), nullptr);
}

TEST_F(CalculationOperationsTest, SolveChecksItsLettersFirst) {
    place(M, realMatrix({{1, 2}, {2, 4}}));
    place(B, realMatrix({{3}, {6}}));
    // A missing matrix replaces the earlier "same letter" failure.
    EXPECT_EQ(operations.calculations().Solve(C, B, C, K, false).code, code::MatrixNotFound);
    EXPECT_EQ(operations.calculations().Solve(M, B, X, X, false).code, code::InconsistentData)
        << "the null space needs a letter of its own";
    EXPECT_EQ(workspace.slot(X), nullptr);
}

}  // namespace
}  // namespace lorvex
