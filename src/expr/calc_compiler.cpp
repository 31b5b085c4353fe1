#include <array>
#include <string>
#include <vector>

#include "engine/bigint.h"
#include "engine/guarded.h"
#include "engine/rational.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "expr/character_classes.h"
#include "expr/formula_text.h"
#include "expr/postfix_rewrite.h"
#include "expr/symbol_codes.h"
#include "expr/syntax_check.h"
#include "expr/tree_builder.h"
#include "expr/tree_walk.h"

namespace lorvex {
namespace {

using namespace symbol;

// One symbol of a calculation between the text and the tree.
struct CalcToken {
    Complex value;
    Fraction exact;
    int code = 0;
};

int codeAt(const std::string& text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

bool isOpening(int code) {
    return code == '(' || code == '[' || code == '{';
}

// A "-" where no operand ends before it becomes NEG. Brackets open a group
// here as parentheses do, so "[-A]" reads like "(-A)".
void markUnaryMinus(std::string& work) {
    const CharacterClasses& classes = calcClasses();
    for (std::size_t i = 0; i < work.size(); ++i) {
        if (work[i] != '-') continue;
        const int prev = i == 0 ? OPEN : codeAt(work, i - 1);
        if (isOpening(prev) || prev == COMMA || prev == NEG ||
            CharacterClasses::in(classes.BinaryClass, prev))
            work[i] = static_cast<char>(NEG);
    }
}

[[nodiscard]] int makeTokens(const std::string& work, bool integerMode,
                             std::vector<CalcToken>& tokens) {
    tokens.reserve(work.size());
    for (std::size_t i = 0; i < work.size(); ++i) {
        int code = codeAt(work, i);
        if (code == '[' || code == '{') code = OPEN;
        if (code == ']' || code == '}') code = CLOSE;
        if (!CharacterClasses::in(calcClasses().ValidChar, code)) return code::NotUnderstood;
        if (integerMode && code == POINT) return code::IntegerExpected;
        CalcToken token;
        token.code = code;
        tokens.push_back(token);
    }
    return code::Ok;
}

[[nodiscard]] int checkParentheses(const std::vector<CalcToken>& tokens) {
    int depth = 0;
    for (const CalcToken& token : tokens) {
        if (token.code == OPEN) ++depth;
        if (token.code == CLOSE && --depth < 0) return code::MatrixNotFound;
    }
    return depth == 0 ? code::Ok : code::MatrixNotFound;
}

bool isNumberCharacter(int code) {
    return code == POINT || (code >= '0' && code <= '9');
}

bool isDigitToken(const std::vector<CalcToken>& tokens, std::size_t i) {
    return i < tokens.size() && tokens[i].code >= '0' && tokens[i].code <= '9';
}

// The end of an exponent "E", sign, digits starting at `i`, or `i` when there
// is none there.
std::size_t exponentEnd(const std::vector<CalcToken>& tokens, std::size_t i) {
    if (i >= tokens.size() || tokens[i].code != 'E') return i;
    std::size_t j = i + 1;
    if (j < tokens.size() && (tokens[j].code == PLUS || tokens[j].code == MINUS)) ++j;
    if (!isDigitToken(tokens, j)) return i;
    while (isDigitToken(tokens, j))
        ++j;
    return j;
}

// Runs of digits and points become one constant: a decimal number, or in
// integer mode (digits only) an exact integer. A typed number takes an
// exponent too, and must read in full.
[[nodiscard]] int readNumbers(std::vector<CalcToken>& tokens, bool integerMode,
                              NumberReading reading) {
    std::vector<CalcToken> out;
    out.reserve(tokens.size());
    for (std::size_t i = 0; i < tokens.size();) {
        if (!isNumberCharacter(tokens[i].code)) {
            out.push_back(std::move(tokens[i++]));
            continue;
        }
        std::string run;
        while (i < tokens.size() && isNumberCharacter(tokens[i].code))
            run += static_cast<char>(tokens[i++].code);
        CalcToken number;
        number.code = CONST;
        if (integerMode) {
            if (const int rc = BigInt::fromText(run, number.exact.numerator); rc != code::Ok)
                return rc;
        } else if (reading == NumberReading::TypedNumber) {
            const std::size_t end = exponentEnd(tokens, i);
            for (; i < end; ++i)
                run += static_cast<char>(tokens[i].code);
            long double value = 0.0L;
            if (!readTypedNumber(run, value) || (i < tokens.size() && tokens[i].code == POINT))
                return code::NotUnderstood;
            number.value = Complex{value, 0.0L};
        } else {
            number.value = Complex{readDecimal(run), 0.0L};
        }
        out.push_back(std::move(number));
    }
    tokens = std::move(out);
    return code::Ok;
}

ReductionLevel level(std::initializer_list<int> codes, bool rightToLeft = false) {
    ReductionLevel result;
    result.rightToLeft = rightToLeft;
    for (int code : codes)
        result.members[static_cast<unsigned>(code)] = true;
    return result;
}

// TRANSPOSE binds tightest, then NEG and "^" (from the right), "*" and "/",
// "+" and "-", and last the join.
[[nodiscard]] int buildTree(std::vector<CalcToken>& tokens, bool integerMode,
                            std::unique_ptr<CalcNode>& root) {
    static const std::array<ReductionLevel, 5> levels{
        level({TRANSPOSE}), level({NEG, CARET}, true), level({TIMES, DIVIDE}), level({PLUS, MINUS}),
        level({BAR}),
    };
    std::vector<BuildItem<CalcNode>> items;
    items.reserve(tokens.size());
    for (CalcToken& token : tokens) {
        BuildItem<CalcNode> item{token.code, nullptr};
        if (token.code != OPEN && token.code != CLOSE) {
            item.node = std::make_unique<CalcNode>();
            item.node->code = token.code;
            item.node->integerMode = integerMode;
            item.node->value = token.value;
            item.node->exact = std::move(token.exact);
        }
        items.push_back(std::move(item));
    }
    return lorvex::buildTree<CalcNode>(std::move(items), levels, calcClasses(), root);
}

// NEG of a constant folds into the constant, any other NEG is a product by -1.
void rewriteNegations(CalcNode& root) {
    visitBottomUp(root, [](CalcNode& node) {
        if (node.code != NEG) return;
        if (node.second->code == CONST) {
            node.value = -node.second->value;
            node.exact = node.second->exact;
            node.exact.numerator = -node.exact.numerator;
            node.code = CONST;
            node.second.reset();
            return;
        }
        node.code = TIMES;
        node.first = std::make_unique<CalcNode>();
        node.first->code = CONST;
        node.first->integerMode = node.integerMode;
        node.first->value = Complex{-1.0L, 0.0L};
        node.first->exact.numerator = BigInt(-1);
    });
}

[[nodiscard]] int compileSteps(std::string_view text, bool integerMode, NumberReading reading,
                               std::unique_ptr<CalcNode>& tree) {
    std::string work;
    if (const int rc = prepareFormulaText(text, work); rc != code::Ok) return rc;
    markUnaryMinus(work);
    if (work.empty()) return code::NothingToDo;
    std::vector<CalcToken> tokens;
    if (const int rc = makeTokens(work, integerMode, tokens); rc != code::Ok) return rc;
    if (const int rc = checkParentheses(tokens); rc != code::Ok) return rc;
    if (const int rc = readNumbers(tokens, integerMode, reading); rc != code::Ok) return rc;
    if (const int rc = rewritePostfixOperator(tokens, APOSTROPHE, TRANSPOSE); rc != code::Ok)
        return rc;
    if (const int rc = insertProductsAndCheckSyntax(tokens, calcClasses()); rc != code::Ok)
        return rc;
    if (const int rc = buildTree(tokens, integerMode, tree); rc != code::Ok) return rc;
    rewriteNegations(*tree);
    return code::Ok;
}

}  // namespace

int CompileCalc(std::string_view text, bool integerMode, std::unique_ptr<CalcNode>& tree,
                NumberReading reading) {
    tree.reset();
    std::unique_ptr<CalcNode> compiled;
    const int rc = runGuarded([&] { return compileSteps(text, integerMode, reading, compiled); });
    if (rc == code::Ok) tree = std::move(compiled);
    return rc;
}

}  // namespace lorvex
