#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/complex.h"
#include "engine/matrix_data.h"
#include "engine/rational.h"
#include "engine/stop_check.h"

// Elementary row and column operations applied by the user to a matrix in its
// own window, with an undo stack.
namespace lorvex {

// The kinds keep their numbers, which the operation records carry.
enum class OperationKind : std::int32_t {
    ExchangeRows = 0,       // rows i and j change places
    ExchangeColumns = 1,    // columns i and j change places
    ScaleRow = 2,           // row i := a * row i
    ScaleColumn = 3,        // column i := a * column i
    AddRowMultiple = 4,     // row j := row j + a * row i
    AddColumnMultiple = 5,  // column j := column j + a * column i
};

// One applied operation; i and j count from 0 (j is unused by a scaling).
// An exact operation, on an integer-mode matrix, keeps its factor as a
// fraction in `exact`, with its decimal value in `a`.
struct RowColumnOperation {
    RowColumnOperation() = default;
    RowColumnOperation(OperationKind kindOf, std::int32_t first, std::int32_t second,
                       Complex factor, std::optional<Fraction> exactFactor = std::nullopt)
        : kind(kindOf), i(first), j(second), a(factor), exact(std::move(exactFactor)) {}

    OperationKind kind = OperationKind::ExchangeRows;
    std::int32_t i = 0;
    std::int32_t j = 0;
    Complex a = ONE;
    std::optional<Fraction> exact;

    friend bool operator==(const RowColumnOperation&, const RowColumnOperation&) = default;
};

// The operation that undoes op: an exchange is its own inverse, a scaling by a
// becomes one by 1 / a (complex quotient) and an added multiple a becomes -a;
// an exact factor is inverted exactly.
RowColumnOperation inverseOf(const RowColumnOperation& op);

// Whether op can be applied to m: its indices lie inside the matrix, and an
// exchange or an addition names two different rows or columns (adding a
// multiple of a row to itself could not be undone by subtracting it).
// code::Ok, code::OutOfRange or code::NothingToDo.
[[nodiscard]] int checkOperation(const ComplexMatrix& m, const RowColumnOperation& op);
[[nodiscard]] int checkOperation(const IntegerMatrix& m, const RowColumnOperation& op);

// True for a scaling by a factor whose size is below 10^-18 (an exact one:
// zero), which would destroy the row or column: it is ignored, without a
// message.
bool isRefusedScaling(const RowColumnOperation& op);

// Performs op on every element of the row or column concerned. op must pass
// checkOperation and must not be a refused scaling.
void applyOperation(ComplexMatrix& m, const RowColumnOperation& op);
// The same, exactly, with the factor `exact` (which an exact operation has);
// the result is normalised. Throws like the rational helpers.
void applyOperation(IntegerMatrix& m, const RowColumnOperation& op, const StopCheck& stop);

// The operations applied to one matrix, newest last, for undo.
class OperationStack {
  public:
    // Applies op to m and records it. A refused scaling changes and records
    // nothing and still returns code::Ok. Returns the codes of
    // checkOperation (nothing done then) or code::OutOfMemory (m unchanged).
    [[nodiscard]] int apply(ComplexMatrix& m, const RowColumnOperation& op);
    // The same on an integer-mode matrix, which takes exchanges and exact
    // operations only (code::Incompatible for any other).
    [[nodiscard]] int apply(IntegerMatrix& m, const RowColumnOperation& op);
    // Applies the inverse of the newest operation to m and drops it; false,
    // doing nothing, when there is none or when it does not fit m (a matrix
    // replaced without clearing the stack, or an exact operation on a real
    // matrix and the other way round). The exact undo throws
    // std::bad_alloc, keeping the stack, when memory runs out.
    bool undo(ComplexMatrix& m);
    bool undo(IntegerMatrix& m);

    // For a caller that could not show what apply or undo gave: drops the
    // newest record again, or puts back the one undo dropped (moved into the
    // room it left, so that nothing is allocated).
    void dropNewest() { records_.pop_back(); }
    void reinstate(RowColumnOperation&& op) { records_.push_back(std::move(op)); }

    bool canUndo() const { return !records_.empty(); }
    // Oldest first.
    const std::vector<RowColumnOperation>& records() const { return records_; }
    void clear() { records_.clear(); }

  private:
    std::vector<RowColumnOperation> records_;
};

}  // namespace lorvex
