#pragma once

#include <string>
#include <variant>

#include "engine/echelon.h"
#include "engine/row_operations.h"
#include "engine/simplex.h"

// The one-line names of the steps of the step procedures, in the usual
// notation of row reduction: "L2 ← L2 − 3.00000·L1", "C1 ↔ C3".
namespace lorvex {

// One step as the engine records it: an action of the reduction to echelon
// form, a row or column operation, or a pivot of the simplex method (its
// variables named after the tableau's columns, x1, x2, ...).
using StepRecord = std::variant<EchelonAction, RowColumnOperation, SimplexPivot>;

// Text for the windows and plain-text files; Tex for a LaTeX math formula.
enum class StepNotation { Text, Tex };

// The step's description with its factors written with `decimals` decimals,
// as the step window shows its entries; an exact factor as a fraction,
// "L2 ← L2 + (3/2)·L1", in TeX "\frac{3}{2}".
std::string describeStep(const StepRecord& step, int decimals, StepNotation notation);

// A reduced fraction with a positive denominator: "3", "-3/2", in TeX
// "-\frac{3}{2}".
std::string fractionText(const Fraction& value, StepNotation notation);

}  // namespace lorvex
