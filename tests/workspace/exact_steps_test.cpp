// The step procedures with the exact option in integer mode, on the system
// 2x + y - z = 8, -3x - y + 2z = -11, -2x + y + 2z = -3 (x = 2, y = 3, z = -1),
// its steps worked out by hand from the pivot rule.

#include <gtest/gtest.h>

#include "engine/echelon.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/check_answer.h"
#include "workspace/generator_fixture.h"

namespace lorvex {
namespace {

using test::integerMatrix;

constexpr std::int32_t E = 5;
constexpr std::int32_t S = 19;
constexpr std::int32_t T = 20;

class ExactStepsTest : public test::GeneratorTest {
  protected:
    ExactStepsTest() {
        operations.setMode(WorkspaceMode::Integer);
        place(A, integerMatrix({{2, 1, -1, 8}, {-3, -1, 2, -11}, {-2, 1, 2, -3}}));
        operations.steps().setExact(true);
    }

    IntegerMatrix shown(StepDocument which) {
        const MatrixDocument& document = workspace.stepDocument(which);
        EXPECT_TRUE(document.isInteger());
        return std::get<IntegerMatrix>(document.matrixData());
    }
};

TEST_F(ExactStepsTest, TheEchelonFormStepByStepInFractions) {
    StepOperations& steps = operations.steps();
    ASSERT_EQ(steps.echelon(A, 2).code, code::Ok);
    // L1 / 2 = [1 1/2 -1/2 4].
    EXPECT_EQ(shown(StepDocument::Echelon),
              integerMatrix({{2, 1, -1, 8}, {-6, -2, 4, -22}, {-4, 2, 4, -6}}, 2));
    ASSERT_EQ(steps.echelon(A, 7).code, code::Ok);
    EXPECT_EQ(shown(StepDocument::Echelon),
              integerMatrix({{1, 0, -1, 3}, {0, 1, 1, 2}, {0, 2, 1, 5}}));
    ASSERT_EQ(steps.echelon(A, kAllEchelonActions).code, code::Ok);
    EXPECT_EQ(shown(StepDocument::Echelon),
              integerMatrix({{1, 0, 0, 2}, {0, 1, 0, 3}, {0, 0, 1, -1}}));
    const std::vector<std::string> names = {
        "pivô: linha 1, coluna 1", "L1 ← L1 / 2",     "L2 ← L2 + 3·L1",     "L3 ← L3 + 2·L1",
        "pivô: linha 2, coluna 2", "L2 ← L2 / (1/2)", "L1 ← L1 − (1/2)·L2", "L3 ← L3 − 2·L2",
        "pivô: linha 3, coluna 3", "L3 ← L3 / (-1)",  "L1 ← L1 + 1·L3",     "L2 ← L2 − 1·L3"};
    EXPECT_EQ(steps.stepDescriptions(), names);
    // Saved under its default name, it opens again as an integer matrix.
    EXPECT_EQ(workspace.stepDocument(StepDocument::Echelon).documentName(), "ech.ima");
    ASSERT_EQ(steps.EchSaveAs(E), code::Ok);
    ASSERT_NE(integer(E), nullptr);

    // Off, the same run is real, action for action.
    steps.setExact(false);
    ASSERT_EQ(steps.echelon(A, kAllEchelonActions).code, code::Ok);
    EXPECT_FALSE(workspace.stepDocument(StepDocument::Echelon).isInteger());
    EXPECT_EQ(workspace.stepDocument(StepDocument::Echelon).documentName(), "ech.fma");
    EXPECT_EQ(steps.stepDescriptions().size(), names.size());
}

// One half times row 1 is undone by two times it: the matrix is back exactly.
TEST_F(ExactStepsTest, AHalfIsUndoneExactly) {
    StepOperations& steps = operations.steps();
    ASSERT_EQ(steps.OperLoad(A), code::Ok);
    ASSERT_EQ(steps.OperMultiply("1", "1/2", false), code::Ok);
    EXPECT_EQ(shown(StepDocument::Operations),
              integerMatrix({{2, 1, -1, 8}, {-6, -2, 4, -22}, {-4, 2, 4, -6}}, 2));
    EXPECT_EQ(steps.stepDescriptions(), std::vector<std::string>{"L1 ← (1/2)·L1"});
    ASSERT_TRUE(steps.OperUndo());
    EXPECT_EQ(shown(StepDocument::Operations),
              integerMatrix({{2, 1, -1, 8}, {-3, -1, 2, -11}, {-2, 1, 2, -3}}));
}

// -2/3 times row 2 is [2 2/3 -4/3 22/3]; row 3 minus 3/2 times row 1 is
// [-5 -1/2 7/2 -15]. A taken step goes on the undo stack.
TEST_F(ExactStepsTest, FractionalStepsAreCheckedExactly) {
    StepOperations& steps = operations.steps();
    ASSERT_EQ(steps.OperLoad(A), code::Ok);
    place(S, integerMatrix({{6, 3, -3, 24}, {6, 2, -4, 22}, {-6, 3, 6, -9}}, 3));
    const IntegerMatrix next =
        integerMatrix({{4, 2, -2, 16}, {-6, -2, 4, -22}, {-10, -1, 7, -30}}, 2);
    place(T, next);
    ElementaryStep step;
    ASSERT_EQ(steps.OperCheck(S, step), code::Ok);
    EXPECT_EQ(checkAnswerText(step), "L2 ← (−2/3)·L2");
    ASSERT_EQ(steps.OperCheck(T, step), code::Ok);
    EXPECT_EQ(checkAnswerText(step), "L3 ← L3 − (3/2)·L1");
    ASSERT_EQ(steps.OperTake(step.operation), code::Ok);
    EXPECT_EQ(shown(StepDocument::Operations), next);
    EXPECT_TRUE(steps.OperCanUndo());
}

}  // namespace
}  // namespace lorvex
