#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/complex.h"
#include "engine/random_generator.h"
#include "engine/stop_check.h"
#include "expr/expr_node.h"

namespace lorvex {

// The 27 formula variables: index 0 is "@", 1 is "A" ... 26 is "Z".
using FormulaVariables = std::array<Complex, 27>;

// Evaluates compiled scalar formulas against the variables. The tree is
// walked with an explicit stack, and the loops of ITER, SUM and PROD run on
// that stack as well, so no formula can exhaust the call stack.
class ScalarEvaluator {
  public:
    // A node on its way through the evaluation: fresh, waiting for its
    // children, or in the middle of its loop.
    struct PendingNode {
        ExprNode* node;
        int stage;
    };
    // The loop of a running ITER, SUM or PROD: the iteration reached, the
    // final one, and for ITER the variable x to put back. Loops nest, so the
    // innermost running one is always the last.
    struct RunningLoop {
        std::int64_t step;
        std::int64_t last;
        Complex saved;
    };
    // Kept by the owner between calls, so that evaluating a formula many
    // times allocates nothing.
    struct Stacks {
        std::vector<PendingNode> nodes;
        std::vector<RunningLoop> loops;
        void clear() {
            nodes.clear();
            loops.clear();
        }
    };

    ScalarEvaluator(FormulaVariables& variables, bool complexMode, RandomGenerator& random,
                    const StopCheck& stop, Stacks& stacks)
        : variables_(variables),
          complexMode_(complexMode),
          random_(random),
          stop_(stop),
          pending_(stacks.nodes),
          loops_(stacks.loops) {}

    // Evaluates every node below and including root; true on success, with
    // the value in root.value. Loops poll the stop check, which may throw
    // UserStopRequested; the variables of interrupted iterations are put
    // back first.
    bool evaluate(ExprNode& root);

  private:
    void step(std::size_t at);
    bool expand(std::size_t at);
    void finish(std::size_t at, bool succeeded);
    void push(ExprNode* node);
    bool apply(ExprNode& node);
    Complex variable(int letter) const;
    Complex& variableSlot(int letter);
    bool applyJoin(ExprNode& node);
    void startIteration(std::size_t at);
    void continueIteration(std::size_t at);
    void startSeries(std::size_t at);
    void continueSeries(std::size_t at);
    void putBackIterationVariables(std::size_t nodeBase, std::size_t loopBase);
    Complex randomValue(long double range);

    FormulaVariables& variables_;
    bool complexMode_;
    RandomGenerator& random_;
    const StopCheck& stop_;
    std::vector<PendingNode>& pending_;
    std::vector<RunningLoop>& loops_;
};

}  // namespace lorvex
