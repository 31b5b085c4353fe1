#include <string>
#include <utility>

#include "engine/arithmetic.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "expr/symbol_codes.h"
#include "expr/tree_walk.h"

// The services of the calculation language: a calculation into a new matrix
// (CalcMatrix), and one number read as a diagonal value or a row factor
// (EvalScalarText) or typed into a cell (ConstCalc).
namespace lorvex {
namespace {

using namespace symbol;

// I is the imaginary unit in a typed number, so that "2+3i" reads as 2 + 3i.
void makeImaginaryUnit(CalcNode& root) {
    visitBottomUp(root, [](CalcNode& node) {
        if (node.code != 'I') return;
        node.code = CONST;
        node.value = Complex{0.0L, 1.0L};
    });
}

// A comma between two digits is a decimal point in a cell: "1,5" is 1.5.
std::string withDecimalPoints(std::string_view text) {
    std::string pointed(text);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i + 1 < pointed.size(); ++i) {
        if (pointed[i] == ',' && isDigit(pointed[i - 1]) && isDigit(pointed[i + 1]))
            pointed[i] = '.';
    }
    return pointed;
}

// What a cell may hold besides numbers and I: the operators and Z.
bool readsAsNumber(const CalcNode& node) {
    switch (node.code) {
        case CONST:
        case PLUS:
        case MINUS:
        case TIMES:
        case DIVIDE:
        case CARET:
        case 'Z':
            return true;
        default:
            return false;
    }
}

// The value of one node of a cell text from its operands' values; false when
// it has none.
bool foldNode(CalcNode& node, Complex zValue) {
    const Complex l = node.first ? node.first->value : ZERO;
    const Complex r = node.second ? node.second->value : ZERO;
    switch (node.code) {
        case CONST:
            return true;
        case PLUS:
            node.value = l + r;
            return true;
        case MINUS:
            node.value = l - r;
            return true;
        case TIMES:
            node.value = l * r;
            return true;
        case DIVIDE:
            if (size(r) < kZeroTolerance) return false;
            // Divides by the squared modulus as it is (see Complex's operator/).
            node.value = l / r;
            return true;
        case CARET: {
            ComplexMatrix base(1, 1);
            base.at(0, 0) = l;
            ComplexMatrix result;
            if (power(base, r.re, result) != code::Ok) return false;
            node.value = result.at(0, 0);
            return true;
        }
        case 'Z':
            node.value = zValue;
            return true;
        default:
            return false;
    }
}

}  // namespace

int CalcMatrix(std::string_view text, bool integerMode, const MatrixSource& source,
               MatrixData& result, const StopCheck& stop) {
    std::unique_ptr<CalcNode> tree;
    if (const int rc = CompileCalc(text, integerMode, tree); rc != code::Ok) return rc;
    if (const int rc = EvalCalc(tree.get(), source, stop); rc != code::Ok) return rc;
    if (!tree->isMatrix()) return code::NotAMatrix;
    result = std::move(*tree->matrix);
    return code::Ok;
}

int EvalScalarText(std::string_view text, const MatrixSource& source, Complex& value,
                   const StopCheck& stop) {
    value = ZERO;
    std::unique_ptr<CalcNode> tree;
    if (const int rc = CompileCalc(text, false, tree, NumberReading::TypedNumber); rc != code::Ok)
        return rc;
    makeImaginaryUnit(*tree);
    if (const int rc = EvalCalc(tree.get(), source, stop); rc != code::Ok) return rc;
    if (tree->isMatrix()) return code::NotUnderstood;
    value = tree->value;
    return code::Ok;
}

int EvalExactScalarText(std::string_view text, const MatrixSource& source, Fraction& value,
                        const StopCheck& stop) {
    value = Fraction{};
    std::unique_ptr<CalcNode> tree;
    if (const int rc = CompileCalc(text, true, tree, NumberReading::TypedNumber); rc != code::Ok)
        return rc;
    if (const int rc = EvalCalc(tree.get(), source, stop); rc != code::Ok) return rc;
    if (tree->isMatrix()) return code::NotUnderstood;
    // Reduced, with a positive denominator, as the factor is named.
    value = reduce(tree->exact, stop);
    if (value.denominator.isNegative()) value = {-value.numerator, -value.denominator};
    return code::Ok;
}

int ConstCalc(std::string_view text, Complex zValue, Complex& value) {
    value = ZERO;
    std::unique_ptr<CalcNode> tree;
    if (const int rc =
            CompileCalc(withDecimalPoints(text), false, tree, NumberReading::TypedNumber);
        rc != code::Ok) {
        return rc;
    }
    makeImaginaryUnit(*tree);
    bool readable = true;
    visitBottomUp(*tree, [&](const CalcNode& node) { readable = readable && readsAsNumber(node); });
    if (!readable) return code::NotUnderstood;
    bool folded = true;
    visitBottomUp(*tree, [&](CalcNode& node) { folded = foldNode(node, zValue) && folded; });
    if (!folded) return code::CannotCalculate;
    value = tree->value;
    return code::Ok;
}

}  // namespace lorvex
