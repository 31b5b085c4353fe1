#pragma once

#include "engine/random_generator.h"
#include "engine/stop_check.h"
#include "expr/expr_node.h"
#include "expr/scalar_evaluator.h"

namespace lorvex {

// The last step of the scalar compiler. The formula is evaluated with random
// x, y and z (in [-5, 5), imaginary parts too in complex mode) until one of
// 100 attempts succeeds; the variables are then put back as they were. After
// a success the tree is simplified: in complex mode I becomes the imaginary
// unit; "^" with a constant integral exponent becomes POWER, with a base 1 or
// an exponent 0 the constant 1; a / tan(x) becomes a * cot(x) (and the other
// reciprocal pairs); products by 0 and 1, sums and differences with 0 and
// quotients by 1 lose their constant, and operators whose operands are all
// constants become the constant of their value. Nothing below ITER, RAND,
// JOIN and SUMRANGE is simplified. May throw UserStopRequested.
void testAndSimplify(ExprNode& root, FormulaVariables& variables, bool complexMode,
                     RandomGenerator& random, const StopCheck& stop,
                     ScalarEvaluator::Stacks& stacks);

}  // namespace lorvex
