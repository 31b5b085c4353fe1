#include "expr/calc_node.h"

#include "expr/calc_language.h"
#include "expr/tree_walk.h"

namespace lorvex {

CalcNode::~CalcNode() {
    releaseIteratively(std::move(first));
    releaseIteratively(std::move(second));
}

void FreeCalc(std::unique_ptr<CalcNode> tree) {
    releaseIteratively(std::move(tree));
}

}  // namespace lorvex
