#pragma once

#include <string>

#include "engine/elementary_step.h"
#include "engine/row_operations.h"

// The answer to a checked step, with the operation found written in the
// usual notation and its factor as a fraction where it is one
// ("L3 ← L3 + 2·L1", "C1 ↔ C3", "L2 ← (1/2)·L2"); an exact factor is
// written exactly, whatever its denominator.
namespace lorvex {

std::string describeOperation(const RowColumnOperation& operation);

// The operation's description when the step is elementary; otherwise "não é
// uma operação elementar", followed on a second line by "equivalente por
// linhas, mas não em um passo" when the matrices are row-equivalent.
std::string checkAnswerText(const ElementaryStep& step);

}  // namespace lorvex
