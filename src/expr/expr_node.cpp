#include "expr/expr_node.h"

#include "expr/tree_walk.h"

namespace lorvex {

ExprNode::~ExprNode() {
    releaseIteratively(std::move(first));
    releaseIteratively(std::move(third));
    releaseIteratively(std::move(second));
}

void FreeExpr(std::unique_ptr<ExprNode> tree) {
    releaseIteratively(std::move(tree));
}

}  // namespace lorvex
