#include "expr/scalar_simplifier.h"

#include <cmath>
#include <utility>

#include "expr/character_classes.h"
#include "expr/scalar_arithmetic.h"
#include "expr/symbol_codes.h"
#include "expr/tree_walk.h"

namespace lorvex {
namespace {

using namespace symbol;

constexpr int kAttempts = 100;

bool isConstant(const std::unique_ptr<ExprNode>& node) {
    return node && node->code == CONST;
}

bool isConstantNear(const std::unique_ptr<ExprNode>& node, long double target) {
    return isConstant(node) && distance(node->value, Complex{target, 0.0L}) <= scalar::kSmall;
}

void becomeConstant(ExprNode& node, Complex value) {
    node.code = CONST;
    node.value = value;
    node.first.reset();
    node.second.reset();
    node.third.reset();
}

// The node takes the place of its own child.
void becomeChild(ExprNode& node, std::unique_ptr<ExprNode> ExprNode::*which) {
    const std::unique_ptr<ExprNode> child = std::move(node.*which);
    node = std::move(*child);
}

long double randomCoordinate(RandomGenerator& random) {
    constexpr long double range = 2147483648.0L;  // 2^31: next() is below it
    return -5.0L + 10.0L * (static_cast<long double>(random.next()) / range);
}

bool testEvaluation(ExprNode& root, FormulaVariables& variables, bool complexMode,
                    ScalarEvaluator& evaluator, RandomGenerator& random) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        for (const char letter : {'X', 'Y', 'Z'}) {
            const long double re = randomCoordinate(random);
            const long double im = complexMode ? randomCoordinate(random) : 0.0L;
            variables[static_cast<std::size_t>(letter - AT)] = Complex{re, im};
        }
        if (evaluator.evaluate(root)) return true;
    }
    return false;
}

void simplifyPower(ExprNode& node) {
    if (node.code != CARET) return;
    if (isConstantNear(node.first, 1.0L) ||
        (isConstant(node.second) && size(node.second->value) <= scalar::kSmall)) {
        becomeConstant(node, ONE);
        return;
    }
    if (!isConstant(node.second)) return;
    // An integral exponent turns "^" into POWER(n, base), which also takes
    // negative bases.
    const Complex e = node.second->value;
    if (std::fabs(e.im) > scalar::kSmall || std::fabs(e.re) > scalar::kIntegerLimit ||
        !(std::fabs(e.re - std::round(e.re)) < scalar::kSmall))
        return;
    node.code = POWER;
    std::swap(node.first, node.second);
}

int reciprocalOf(int code) {
    switch (code) {
        case TAN:
            return COT;
        case COT:
            return TAN;
        case COS:
            return SEC;
        case SEC:
            return COS;
        case SIN:
            return CSC;
        case CSC:
            return SIN;
        case SINH:
            return CSCH;
        case CSCH:
            return SINH;
        case COSH:
            return SECH;
        case SECH:
            return COSH;
        case TANH:
            return COTH;
        case COTH:
            return TANH;
        default:
            return 0;
    }
}

void simplifyReciprocal(ExprNode& node) {
    if (node.code != DIVIDE) return;
    const int partner = reciprocalOf(node.second->code);
    if (partner == 0) return;
    node.code = TIMES;
    node.second->code = partner;
}

// Drops the constant 0 or 1 that leaves a product, sum, difference, quotient
// or power unchanged. Returns whether the node changed.
bool dropNeutralOperand(ExprNode& node) {
    switch (node.code) {
        case TIMES:
            if (isConstantNear(node.first, 0.0L) || isConstantNear(node.second, 0.0L)) {
                becomeConstant(node, ZERO);
            } else if (isConstantNear(node.first, 1.0L)) {
                becomeChild(node, &ExprNode::second);
            } else if (isConstantNear(node.second, 1.0L)) {
                becomeChild(node, &ExprNode::first);
            } else {
                return false;
            }
            return true;
        case PLUS:
            if (isConstantNear(node.first, 0.0L)) {
                becomeChild(node, &ExprNode::second);
            } else if (isConstantNear(node.second, 0.0L)) {
                becomeChild(node, &ExprNode::first);
            } else {
                return false;
            }
            return true;
        case MINUS:
            if (!isConstantNear(node.second, 0.0L)) return false;
            becomeChild(node, &ExprNode::first);
            return true;
        case DIVIDE:
            if (!isConstantNear(node.second, 1.0L)) return false;
            becomeChild(node, &ExprNode::first);
            return true;
        case POWER:
            // POWER(1, z) is z: the exponent is its first operand.
            if (!isConstantNear(node.first, 1.0L)) return false;
            becomeChild(node, &ExprNode::second);
            return true;
        default:
            return false;
    }
}

// Every operand constant: the node becomes the constant of its value. The
// value is computed again from the constants, since a node renamed by the
// reciprocal rule, or one that read I before I became the imaginary unit,
// holds a value of the test evaluation that is no longer its own.
void foldConstants(ExprNode& node, ScalarEvaluator& evaluator) {
    const CharacterClasses& c = scalarClasses();
    const bool binary = CharacterClasses::in(c.BinaryClass, node.code) && isConstant(node.first) &&
                        isConstant(node.second);
    const bool unary =
        CharacterClasses::in(c.UnaryClass, node.code) && !node.first && isConstant(node.second);
    if ((binary || unary) && evaluator.evaluate(node)) becomeConstant(node, node.value);
}

bool keptAsTyped(const ExprNode& node) {
    return node.code == ITER || node.code == RAND || node.code == SUMRANGE || isJoin(node.code);
}

// Puts the variables back however the test evaluation ends.
class VariablesBackup {
  public:
    explicit VariablesBackup(FormulaVariables& variables)
        : variables_(variables), backup_(variables) {}
    ~VariablesBackup() { variables_ = backup_; }
    VariablesBackup(const VariablesBackup&) = delete;
    VariablesBackup& operator=(const VariablesBackup&) = delete;

  private:
    FormulaVariables& variables_;
    FormulaVariables backup_;
};

}  // namespace

void testAndSimplify(ExprNode& root, FormulaVariables& variables, bool complexMode,
                     RandomGenerator& random, const StopCheck& stop,
                     ScalarEvaluator::Stacks& stacks) {
    ScalarEvaluator evaluator(variables, complexMode, random, stop, stacks);
    {
        const VariablesBackup backup(variables);
        if (!testEvaluation(root, variables, complexMode, evaluator, random)) return;
    }
    if (complexMode) {
        visitBottomUp(root, [](ExprNode& node) {
            if (node.code == 'I') becomeConstant(node, Complex{0.0L, 1.0L});
        });
    }
    visitBottomUp(root, simplifyPower);
    visitBottomUp(root, simplifyReciprocal);
    visitBottomUp(root, keptAsTyped, [&](ExprNode& node) {
        if (!dropNeutralOperand(node)) foldConstants(node, evaluator);
    });
}

}  // namespace lorvex
