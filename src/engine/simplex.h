#pragma once

#include <cstdint>
#include <vector>

#include "engine/matrix_data.h"
#include "engine/stop_check.h"

// Linear programming by the simplex method, for the step-by-step tool:
// maximise F X subject to B X <= C, or minimise F X subject to B X >= C,
// always with X >= 0. F has one row of n columns, B is m x n, C a column of m
// rows; only real parts are used.
namespace lorvex {

enum class Goal { Maximise, Minimise };

// The limit of "achar X": large enough for any problem.
inline constexpr std::int32_t kAllSimplexSteps = 2147483646;

// The objective coefficient of every artificial column.
inline constexpr long double kSimplexPenalty = -5000000.0L;

// The caller's checks on the chosen matrices: code::NotAColumnVector when C
// has more than one column, otherwise code::Incompatible when C has not the
// rows of B or F has not its columns, otherwise code::Ok. (A missing matrix,
// code::MatrixNotFound, is the caller's own.) Only the first row of F is used.
[[nodiscard]] int checkLinearProgram(const ComplexMatrix& objective,
                                     const ComplexMatrix& constraints,
                                     const ComplexMatrix& rightHandSide);

// One pivot performed, as a record for its description: the leaving row and
// the entering column of the tableau, from 0, and the column that was basic
// in that row before.
struct SimplexPivot {
    std::int32_t row = 0;
    std::int32_t column = 0;
    std::int32_t leavingColumn = 0;

    friend bool operator==(const SimplexPivot&, const SimplexPivot&) = default;
};

struct SimplexRun {
    // Optimal: the optimum was reached within the step limit.
    // StepLimitReached: the limit came first; the tableau is shown.
    enum class End { Optimal, StepLimitReached };
    End end = End::StepLimitReached;
    // Steps taken: choosing a pivot is one, performing it another.
    std::int32_t steps = 0;

    // Optimal only. n x k: the first optimal vertex found, then one column per
    // alternative optimum that one more pivot reaches from it (a vertex may
    // appear twice).
    ComplexMatrix solutions;
    // F X of the first column.
    long double value = 0.0L;

    // The tableau where the run stopped (shown when the limit came first; the
    // optimal one otherwise): its constraint rows and objective row (m + 1
    // rows) over the used columns, which are the n variables, the slack,
    // surplus and artificial columns in the order the rows asked for them,
    // and the right-hand side last.
    ComplexMatrix tableau;
    // StepLimitReached only: the pivot last chosen (leaving row, entering
    // column), or -1 and -1 when none has been chosen yet.
    std::int32_t pivotRow = -1;
    std::int32_t pivotColumn = -1;
    // The pivots performed, in order.
    std::vector<SimplexPivot> performed;

    // Whether the procedure has ended with this run. A result code other
    // than code::Ok ends it too (and leaves the run unwritten).
    bool ended() const { return end == End::Optimal; }
};

// Runs the simplex method from the start for at most `stepLimit` steps (the
// step tool calls it with one step more each time). The problem must pass
// checkLinearProgram. The tableau starts with a slack column for every <=
// row and a surplus and an artificial column (objective coefficient
// kSimplexPenalty) for every >= row, a row whose C is negative being negated
// first, which reverses its sense. Each iteration enters the column with the
// largest reduced cost above 10^-13 (leftmost among equals) and leaves the
// row with the smallest ratio (topmost among equals).
//
// Returns code::Ok with the run filled in; code::NoFeasibleVector when the
// optimum found violates a constraint (the problem has no feasible X);
// code::Unbounded when the entering column has no leaving row (the objective
// grows without bound); code::NoMoreRoom when the tableau cannot be held in
// memory; code::UserStop when the stop check, polled once per iteration, asks
// for it. The run is written only with code::Ok.
[[nodiscard]] int runSimplex(const ComplexMatrix& objective, const ComplexMatrix& constraints,
                             const ComplexMatrix& rightHandSide, Goal goal, std::int32_t stepLimit,
                             SimplexRun& run, const StopCheck& stop = StopCheck::never());

}  // namespace lorvex
