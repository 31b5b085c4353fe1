#pragma once

#include <memory>
#include <optional>

#include "engine/complex.h"
#include "engine/matrix_data.h"
#include "engine/rational.h"

namespace lorvex {

// One node of a compiled matrix calculation: an operator, a letter or a
// scalar constant, identified by its symbol code (expr/symbol_codes.h).
// Binary operators keep their operands in first and second; TRANSPOSE, the
// only one-operand operator left after compiling, keeps it in second.
struct CalcNode {
    int code = 0;
    // Integer mode: exact scalars and matrices; otherwise Complex ones.
    bool integerMode = false;
    // The scalar value (after an evaluation, when the node holds no matrix).
    Complex value;
    Fraction exact;
    // The matrix value after an evaluation: a RealMatrix in real mode, a
    // ComplexMatrix in complex mode, an IntegerMatrix in integer mode.
    std::optional<MatrixData> matrix;
    std::unique_ptr<CalcNode> first;
    std::unique_ptr<CalcNode> second;

    CalcNode() = default;
    CalcNode(CalcNode&&) noexcept = default;
    CalcNode& operator=(CalcNode&&) noexcept = default;
    // Releases the subtrees without recursion, however deep they are.
    ~CalcNode();

    bool isMatrix() const { return matrix.has_value(); }
};

}  // namespace lorvex
