#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/elementary_step.h"
#include "engine/result_codes.h"
#include "engine/row_operations.h"
#include "engine/simplex.h"
#include "engine/stop_check.h"
#include "workspace/operation_context.h"
#include "workspace/worked_solution.h"

namespace lorvex {

// What one run of a step procedure gives: its result code, and whether the
// procedure finished (linear programming: it ended within its step limit,
// with a solution or a failure; echelon: the reduction is complete).
struct [[nodiscard]] StepProgress {
    int code = code::Ok;
    bool finished = false;
};

// The step procedures, each shown in its step document: linear programming
// by the simplex method, the reduction to echelon form, and row and column
// operations with undo.
class StepOperations {
  public:
    explicit StepOperations(const OperationContext& context) : context_(context) {}

    // The exact option: in integer mode the echelon procedure and the row
    // and column operations loaded from then on work in exact fractions on
    // the integer array's matrix, and their step document becomes an
    // integer one. Off, and outside integer mode, they are real.
    void setExact(bool on) { exact_ = on; }
    bool exact() const { return exact_; }
    // Whether the exact option can apply now (integer mode), and whether it
    // does: it is on, in integer mode.
    bool exactAvailable() const;
    bool exactInUse() const { return exact_ && exactAvailable(); }

    // Linear programming on the real array: runs the simplex method for at
    // most `stepLimit` steps and shows the run in the linear-programming
    // step document. Codes: code::MatrixNotFound, code::Incompatible,
    // code::NotAColumnVector, and the simplex's.
    StepProgress linearProgram(std::int32_t objective, std::int32_t constraints,
                               std::int32_t rightSide, Goal goal, std::int32_t stepLimit,
                               const StopCheck& stop = StopCheck::never());
    // Shows a matrix with its caption and highlighted entry (-1, -1 for none)
    // in the linear-programming or the echelon step document.
    void LPShow(const ComplexMatrix& entries, std::string title, std::int32_t highlightRow,
                std::int32_t highlightCol);
    void EchShow(const ComplexMatrix& entries, std::string title, std::int32_t highlightRow,
                 std::int32_t highlightCol);
    // Stores the shown matrix of a step document into a letter (notes "dados
    // de prog linear", "forma escada").
    [[nodiscard]] int LPSaveAs(std::int32_t letter);
    // The matrix at the letter after `steps` elementary actions of the
    // reduction to echelon form, shown in the echelon step document (exact
    // when the exact option is in use).
    StepProgress echelon(std::int32_t letter, std::int32_t steps,
                         const StopCheck& stop = StopCheck::never());
    [[nodiscard]] int EchSaveAs(std::int32_t letter);
    // Row and column operations on the operations step document, with undo.
    // The index texts count from 1; the factor is a calculation. A load takes
    // the real array's matrix, or with the exact option in use the integer
    // array's; the operations on an integer document are exact, their factor
    // an exact calculation of integer mode.
    [[nodiscard]] int OperLoad(std::int32_t letter);
    [[nodiscard]] int OperMultiply(std::string_view index, std::string_view factor, bool columns);
    [[nodiscard]] int OperAdd(std::string_view index, std::string_view factor,
                              std::string_view target, bool columns);
    [[nodiscard]] int OperSwap(std::string_view first, std::string_view second, bool columns);
    // False when there is nothing to undo, or no memory to show the result.
    [[nodiscard]] bool OperUndo();
    bool OperCanUndo() const { return operations_.canUndo(); }
    // Whether the lettered matrix of the current mode is the operations
    // document's matrix after one elementary operation, equal within the
    // document's ZeroTol relative to the entries' size. A real document and
    // an integer matrix are compared by their values within that tolerance
    // too; an integer document and an integer matrix exactly. Codes: code::MatrixNotFound,
    // code::OutOfMemory, code::UserStop.
    [[nodiscard]] int OperCheck(std::int32_t letter, ElementaryStep& result,
                                const StopCheck& stop = StopCheck::never());
    // Takes a checked operation as the next step, on the undo stack like any
    // other. The codes of the operations above.
    [[nodiscard]] int OperTake(const RowColumnOperation& operation);

    // The step document the last run showed in, nothing before any run.
    std::optional<StepDocument> lastRunDocument() const;
    // The names of the steps of the last echelon, linear-programming or
    // operations run, oldest first, with the decimals of its step window.
    std::vector<std::string> stepDescriptions() const;
    // The last such run written out step by step (a linear program pivot
    // by pivot, from its first tableau); its matrices are worked out again
    // here, so that the runs keep no copies. code::NothingToDo when there
    // was none (or the last one failed), code::OutOfMemory, code::UserStop (the stop check is
    // polled by each reduction worked out again).
    [[nodiscard]] int workedSolution(WorkedSolution& solution,
                                     const StopCheck& stop = StopCheck::never()) const;

  private:
    // linearProgram without its guard against memory running out.
    StepProgress runLinearProgram(std::int32_t objective, std::int32_t constraints,
                                  std::int32_t rightSide, Goal goal, std::int32_t stepLimit,
                                  const StopCheck& stop);
    [[nodiscard]] int applyOperation(const RowColumnOperation& operation);
    // The factor text's value, exact when the operations document is an
    // integer one.
    [[nodiscard]] int factorOf(std::string_view text, Complex& value,
                               std::optional<Fraction>& exact);
    std::int32_t operationLimit(bool columns);

    std::vector<StepRecord> lastSteps() const;
    int lastDecimals() const;
    [[nodiscard]] int tableauAfter(std::int32_t pivots, MatrixData& tableau,
                                   const StopCheck& stop) const;

    OperationContext context_;
    OperationStack operations_;
    // Which run the worked solution is made of, and where it started. An
    // operation or an undo makes the operations run the last one again.
    enum class LastRun { None, Echelon, Operations, LinearProgram };
    LastRun lastRun_ = LastRun::None;
    bool exact_ = false;
    // An IntegerMatrix for an exact run.
    MatrixData echelonStart_;
    // Set by a load, or by the first operation on the document as it was.
    std::optional<MatrixData> operationsStart_;
    std::vector<EchelonAction> echelonActions_;
    struct LinearProblem {
        ComplexMatrix objective;
        ComplexMatrix constraints;
        ComplexMatrix rightSide;
        Goal goal = Goal::Maximise;
    };
    LinearProblem lastProblem_;
    std::vector<SimplexPivot> simplexPivots_;
};

}  // namespace lorvex
