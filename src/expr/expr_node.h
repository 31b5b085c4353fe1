#pragma once

#include <cstdint>
#include <memory>

#include "engine/complex.h"

namespace lorvex {

// One node of a compiled scalar formula: an operator, a function, a variable
// or a constant, identified by its symbol code (expr/symbol_codes.h).
// Binary operators keep their operands in first and second, one-argument
// functions theirs in second. SUM and PROD hold the summand pair in first and
// the bounds pair in second; a JOIN node holds its piece's function in first,
// its break point in third and the rest of the chain in second.
struct ExprNode {
    int code = 0;
    // The constant's value; after an evaluation, the node's computed value.
    Complex value;
    // ITER only: the number of iterations, fixed when the formula is compiled.
    std::int32_t count = 0;
    std::unique_ptr<ExprNode> first;
    std::unique_ptr<ExprNode> second;
    std::unique_ptr<ExprNode> third;
    // Whether the node's last evaluation failed.
    bool failed = false;

    ExprNode() = default;
    ExprNode(int symbolCode, Complex constant) : code(symbolCode), value(constant) {}
    ExprNode(ExprNode&&) noexcept = default;
    ExprNode& operator=(ExprNode&&) noexcept = default;
    // Releases the subtrees without recursion, however deep they are.
    ~ExprNode();
};

// Releases a compiled formula; a null tree is allowed. The tree would be
// released as well when its owner goes out of scope: this is the named entry
// point for callers that release a formula explicitly.
void FreeExpr(std::unique_ptr<ExprNode> tree);

}  // namespace lorvex
