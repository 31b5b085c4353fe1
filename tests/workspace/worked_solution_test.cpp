// A worked solution of a three-step reduction, written out by hand, and the
// names of the row and column operations.

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/generator_fixture.h"

namespace lorvex {
namespace {

using test::realMatrix;

class WorkedSolutionTest : public test::GeneratorTest {
  protected:
    // [2 4; -3 1]: the pivot 2, row 1 halved, then 3 times row 1 added to
    // row 2.
    WorkedSolution threeSteps() {
        place(M, realMatrix({{2, 4}, {-3, 1}}));
        EXPECT_EQ(operations.steps().echelon(M, 3).code, code::Ok);
        WorkedSolution solution;
        EXPECT_EQ(operations.steps().workedSolution(solution), code::Ok);
        return solution;
    }
};

TEST_F(WorkedSolutionTest, ThreeEchelonStepsWrittenOut) {
    const WorkedSolution solution = threeSteps();
    EXPECT_EQ(solutionTex(solution, false), R"(\begin{gather*}
\begin{bmatrix}
2.00000 & 4.00000 \\
-3.00000 & 1.00000
\end{bmatrix}
\xrightarrow{\text{pivô: linha 1, coluna 1}}
\begin{bmatrix}
\boxed{2.00000} & 4.00000 \\
-3.00000 & 1.00000
\end{bmatrix}
\xrightarrow{L_1 \leftarrow L_1 / 2.00000}
\begin{bmatrix}
\boxed{1.00000} & 2.00000 \\
-3.00000 & 1.00000
\end{bmatrix}
\\
\xrightarrow{L_2 \leftarrow L_2 + 3.00000 L_1}
\begin{bmatrix}
\boxed{1.00000} & 2.00000 \\
0.00000 & 7.00000
\end{bmatrix}
\end{gather*}
)");
    EXPECT_EQ(solutionText(solution), R"(início
  2.00000    4.00000
 -3.00000    1.00000

1. pivô: linha 1, coluna 1
[ 2.00000]   4.00000
 -3.00000    1.00000

2. L1 ← L1 / 2.00000
[ 1.00000]   2.00000
 -3.00000    1.00000

3. L2 ← L2 + 3.00000·L1
[1.00000]  2.00000
 0.00000   7.00000

resultado
 1.00000   2.00000
 0.00000   7.00000
)");
}

TEST_F(WorkedSolutionTest, EveryOperationIsNamed) {
    place(M, realMatrix({{1, 2}, {3, 4}}));
    StepOperations& steps = operations.steps();
    ASSERT_EQ(steps.OperLoad(M), code::Ok);
    ASSERT_EQ(steps.OperMultiply("1", "-1/2", false), code::Ok);
    ASSERT_EQ(steps.OperAdd("1", "-3", "2", true), code::Ok);
    ASSERT_EQ(steps.OperSwap("1", "2", false), code::Ok);
    ASSERT_EQ(steps.OperAdd("2", "2+3i", "1", false), code::Ok);
    EXPECT_EQ(steps.stepDescriptions(),
              (std::vector<std::string>{"L1 ← -0.50000·L1", "C2 ← C2 − 3.00000·C1", "L1 ↔ L2",
                                        "L1 ← L1 + (2.00000 + 3.00000i)·L2"}));
    place(B, realMatrix({{0, 1}, {-2, 0}}));
    ASSERT_EQ(steps.echelon(B, 3).code, code::Ok);
    EXPECT_EQ(
        steps.stepDescriptions(),
        (std::vector<std::string>{"pivô: linha 2, coluna 1", "L1 ↔ L2", "L1 ← L1 / (-2.00000)"}));
}

}  // namespace
}  // namespace lorvex
