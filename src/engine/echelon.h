#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/matrix_data.h"
#include "engine/rational.h"
#include "engine/stop_check.h"

// Reduction to reduced row-echelon form one elementary action at a time, for
// the step-by-step echelon tool. Every display starts again from the
// unreduced matrix with a limit one higher than the last, so the counting of
// actions below is what makes successive displays follow one another.
namespace lorvex {

// The limit of the "final" display: large enough for any matrix.
inline constexpr std::int32_t kAllEchelonActions = 2147483646;

// One elementary action of the reduction, as a record for its description.
// Rows and columns count from 0.
struct EchelonAction {
    enum class Kind {
        FindPivot,     // the pivot of column `other` is found in `row`
        ExchangeRows,  // rows `row` and `other` change places
        DivideRow,     // row `row` is divided by `factor`, the pivot
        EliminateRow,  // `factor` times the pivot row `other` is subtracted from `row`
    };
    EchelonAction() = default;
    EchelonAction(Kind kindOf, std::int32_t rowOf, std::int32_t otherOf, Complex factorOf,
                  std::optional<Fraction> exactFactor = std::nullopt)
        : kind(kindOf),
          row(rowOf),
          other(otherOf),
          factor(factorOf),
          exact(std::move(exactFactor)) {}

    Kind kind = Kind::FindPivot;
    std::int32_t row = 0;
    std::int32_t other = 0;
    Complex factor = ONE;
    // The factor itself in an exact run, where `factor` is its decimal value.
    std::optional<Fraction> exact;

    friend bool operator==(const EchelonAction&, const EchelonAction&) = default;
};

// What a run gives: a ComplexMatrix for the real reduction, an IntegerMatrix
// for the exact one.
template <class Matrix>
struct BasicEchelonSteps {
    // The matrix after the first `limit` actions.
    Matrix matrix;
    // Row of the highlighted pivot; -1 once the reduction has passed the last
    // row or column. Before any pivot is found it keeps the number of rows.
    std::int32_t stepRow = 0;
    // Column of the highlighted pivot; -1 when no pivot has been reached yet.
    std::int32_t stepCol = -1;
    // Actions performed; fewer than the limit means the reduction is complete.
    std::int32_t actions = 0;
    // The actions performed, in order.
    std::vector<EchelonAction> performed;

    // A pivot is highlighted only when both positions lie inside the matrix.
    bool hasHighlight() const { return stepCol >= 0 && stepRow >= 0 && stepRow < matrix.rows; }
};
using EchelonSteps = BasicEchelonSteps<ComplexMatrix>;
using ExactEchelonSteps = BasicEchelonSteps<IntegerMatrix>;

// Reduces a copy of m by at most `limit` actions (a negative limit counts as
// 0). With r the current pivot row and k the current column, both from 0:
//  - finding the pivot of column k (the first element at or below row r whose
//    size is above 10^-18) is one action and highlights it; a column without
//    one is skipped without an action;
//  - moving it up to row r by a row exchange is one action (the highlight
//    follows it);
//  - dividing the pivot row by the pivot is one action;
//  - clearing column k in each other row, from the top, is one action per
//    row. When all rows are cleared the pivot row advances; then, while rows
//    remain, the column advances, even when the limit stopped the clearing
//    partway (the next display starts again and finishes it). When the
//    column or the row passes the last one, stepRow becomes -1; so a last
//    column still partly cleared shows no highlight for that one display.
// The arithmetic is the solver's, so the final form matches its reduction.
// The stop check is polled once per column.
// Returns code::Ok, code::OutOfMemory or code::UserStop (the result is then
// left as it was).
[[nodiscard]] int reduceToEchelon(const ComplexMatrix& m, std::int32_t limit, EchelonSteps& result,
                                  const StopCheck& stop = StopCheck::never());

// The same reduction of an integer-mode matrix in exact fractions: the pivot
// is the first non-zero element, so that on a matrix whose real reduction
// meets no entry below the tolerance the actions correspond one to one. The
// factors are kept exactly (EchelonAction::exact). The stop check is also
// polled by the arithmetic.
[[nodiscard]] int reduceToEchelonExactly(const IntegerMatrix& m, std::int32_t limit,
                                         ExactEchelonSteps& result,
                                         const StopCheck& stop = StopCheck::never());

}  // namespace lorvex
