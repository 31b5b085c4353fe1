#include "expr/pars_win.h"

#include <cmath>
#include <string>
#include <vector>

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "expr/character_classes.h"
#include "expr/formula_text.h"
#include "expr/scalar_compiler.h"
#include "expr/scalar_simplifier.h"
#include "expr/symbol_codes.h"
#include "expr/syntax_check.h"

namespace lorvex {
namespace {

std::size_t indexOf(char letter) {
    const char upper =
        (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
    return static_cast<std::size_t>(upper - symbol::AT);
}

}  // namespace

TParsWin::TParsWin(RandomGenerator& random) : random_(random) {
    setVariable('E', Complex{std::exp(1.0L), 0.0L});
}

void TParsWin::setComplexMode(bool complexMode) {
    complexMode_ = complexMode;
    if (complexMode) setVariable('I', Complex{0.0L, 1.0L});
}

Complex TParsWin::variable(char letter) const {
    return variables_.at(indexOf(letter));
}

void TParsWin::setVariable(char letter, Complex value) {
    variables_.at(indexOf(letter)) = value;
}

int TParsWin::Compile(std::string_view text, std::unique_ptr<ExprNode>& tree,
                      const StopCheck& stop) {
    tree.reset();
    std::unique_ptr<ExprNode> compiled;
    const int rc = runGuarded([&] { return compileSteps(text, compiled, stop); });
    stacks_.clear();
    if (rc == code::Ok) tree = std::move(compiled);
    return rc;
}

int TParsWin::compileSteps(std::string_view text, std::unique_ptr<ExprNode>& tree,
                           const StopCheck& stop) {
    using namespace scalar_compiler;
    std::string work;
    if (const int rc = prepareFormulaText(text, work); rc != code::Ok) return rc;
    if (const int rc = convertBrackets(work); rc != code::Ok) return rc;
    replaceNames(work, complexMode_);
    if (const int rc = rewriteSumsAndProducts(work, complexMode_); rc != code::Ok) return rc;
    markUnaryMinus(work);

    std::vector<ExprToken> tokens;
    if (const int rc = makeTokens(work, tokens); rc != code::Ok) return rc;
    replaceNamedConstants(tokens);
    if (const int rc = readNumbers(tokens); rc != code::Ok) return rc;
    if (const int rc = rewriteFactorials(tokens); rc != code::Ok) return rc;
    if (const int rc = convertCommas(tokens); rc != code::Ok) return rc;
    if (const int rc = insertProductsAndCheckSyntax(tokens, scalarClasses()); rc != code::Ok)
        return rc;
    dropOuterParentheses(tokens);

    if (const int rc = buildTree(tokens, tree); rc != code::Ok) return rc;
    rewriteNegations(*tree);
    if (const int rc = checkCountsAndIndices(*tree); rc != code::Ok) return rc;
    attachJoinPieces(*tree);
    rewriteLogarithms(*tree);
    testAndSimplify(*tree, variables_, complexMode_, random_, stop, stacks_);
    return code::Ok;
}

int TParsWin::Evaluate(ExprNode* node, const StopCheck& stop) {
    if (node == nullptr) return code::Ok;
    const int rc = runGuarded([&] {
        ScalarEvaluator evaluator(variables_, complexMode_, random_, stop, stacks_);
        return evaluator.evaluate(*node) ? code::Ok : kEvaluationFailed;
    });
    stacks_.clear();
    return rc;
}

int TParsWin::EvaluateText(std::string_view text, long double& value, const StopCheck& stop) {
    value = 0.0L;
    const bool complexMode = complexMode_;
    complexMode_ = false;
    std::unique_ptr<ExprNode> tree;
    int rc = Compile(text, tree, stop);
    if (rc == code::Ok) {
        rc = Evaluate(tree.get(), stop);
        if (rc == code::Ok) value = tree->value.re;
    }
    complexMode_ = complexMode;
    return rc;
}

}  // namespace lorvex
