#pragma once

#include "engine/matrix_data.h"
#include "engine/row_operations.h"
#include "engine/stop_check.h"

// Whether one matrix follows another by a single elementary row or column
// operation, for checking a student's next step of a row reduction.
namespace lorvex {

struct ElementaryStep {
    // The second matrix is the first after exactly one operation.
    bool elementary = false;
    // That operation, when elementary; indices from 0 as in applyOperation.
    RowColumnOperation operation;
    // Both matrices have the same reduced row-echelon form.
    bool rowEquivalent = false;
};

// Compares `next` with `current`. Two entries are equal when their distance
// is at most `tolerance` times the largest entry size of both matrices, so
// the test does not depend on the matrices' scale. Row operations are tried
// before column ones; an unchanged matrix is no step. Matrices of different
// shapes are neither elementary nor row-equivalent. The stop check is polled
// by the two reductions.
// Returns code::Ok, code::OutOfMemory or code::UserStop.
[[nodiscard]] int findElementaryStep(const ComplexMatrix& current, const ComplexMatrix& next,
                                     long double tolerance, ElementaryStep& result,
                                     const StopCheck& stop = StopCheck::never());

// The same comparison of two integer-mode matrices, exact: the operation
// found carries its factor as a fraction (RowColumnOperation::exact), and the
// exact reduced forms are compared. The stop check is also polled by the
// arithmetic.
[[nodiscard]] int findElementaryStep(const IntegerMatrix& current, const IntegerMatrix& next,
                                     ElementaryStep& result,
                                     const StopCheck& stop = StopCheck::never());

}  // namespace lorvex
