#include "workspace/step_description.h"

#include "workspace/number_text.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

struct Symbols {
    const char* assign;
    const char* exchange;
    const char* minus;
    const char* times;
};

Symbols symbolsOf(StepNotation notation) {
    if (notation == StepNotation::Tex) return {" \\leftarrow ", " \\leftrightarrow ", " - ", " "};
    return {" ← ", " ↔ ", " − ", "·"};
}

// "L2" or, in TeX, "L_2"; `index` counts from 0.
std::string lineName(bool column, std::int32_t index, StepNotation notation) {
    const std::string letter(
        strings::byId(column ? strings::id::ColumnLetter : strings::id::RowLetter));
    return letter + (notation == StepNotation::Tex ? "_" : "") + std::to_string(index + 1);
}

bool isReal(Complex value) {
    return value.im == 0.0L;
}

// A factor as the window writes an entry, without the padding; a complex
// one in parentheses, so that it reads as one factor. An exact one as a
// fraction, in text in parentheses too: "(3/2)".
std::string factorText(Complex value, const std::optional<Fraction>& exact, int decimals,
                       StepNotation notation) {
    if (exact) {
        const std::string text = fractionText(*exact, notation);
        const bool fraction = !exact->denominator.isOne() && notation == StepNotation::Text;
        return fraction ? "(" + text + ")" : text;
    }
    if (!isReal(value)) return "(" + entryText(value, decimals) + ")";
    return entryText(value, decimals);
}

// " + 3.00000·L1" or " − 3.00000·L1" for `sign` times `factor` times the
// line: a negative real factor turns the sign rather than showing "+ -3".
std::string addedTerm(bool subtract, Complex factor, std::optional<Fraction> exact,
                      const std::string& line, int decimals, StepNotation notation) {
    const Symbols symbols = symbolsOf(notation);
    if (isReal(factor) && factor.re < 0.0L) {
        subtract = !subtract;
        factor.re = -factor.re;
        if (exact) exact->numerator = -exact->numerator;
    }
    return (subtract ? symbols.minus : " + ") + factorText(factor, exact, decimals, notation) +
           symbols.times + line;
}

// The string with "%1" and "%2" replaced by the numbers.
std::string filledIn(int id, std::int32_t first, std::int32_t second) {
    std::string text(strings::byId(id));
    for (const auto& [mark, value] : {std::pair{"%1", first}, std::pair{"%2", second}})
        text.replace(text.find(mark), 2, std::to_string(value));
    return text;
}

std::string pivotText(std::int32_t row, std::int32_t column, StepNotation notation) {
    const std::string text = filledIn(strings::id::PivotAt, row + 1, column + 1);
    return notation == StepNotation::Tex ? "\\text{" + text + "}" : text;
}

// "pivô: linha 2, coluna 3; entra x3, sai x5".
std::string describePivot(const SimplexPivot& pivot, StepNotation notation) {
    const std::string text =
        filledIn(strings::id::PivotAt, pivot.row + 1, pivot.column + 1) +
        filledIn(strings::id::EnteringLeaving, pivot.column + 1, pivot.leavingColumn + 1);
    return notation == StepNotation::Tex ? "\\text{" + text + "}" : text;
}

// Dividing by the pivot is written as a division by the entry the window
// showed, "L1 ← L1 / 2.00000": its reciprocal "(1/2.00000)·L1" would nest a
// fraction around a rounded decimal, and would name a number not shown. A
// negative divisor goes in parentheses, as "/ -2" reads like a typing slip.
std::string describeAction(const EchelonAction& action, int decimals, StepNotation notation) {
    const Symbols symbols = symbolsOf(notation);
    const std::string row = lineName(false, action.row, notation);
    switch (action.kind) {
        case EchelonAction::Kind::FindPivot:
            return pivotText(action.row, action.other, notation);
        case EchelonAction::Kind::ExchangeRows:
            return row + symbols.exchange + lineName(false, action.other, notation);
        case EchelonAction::Kind::DivideRow: {
            const bool negative = isReal(action.factor) && action.factor.re < 0.0L;
            const std::string divisor = factorText(action.factor, action.exact, decimals, notation);
            const bool bracketed = divisor.front() == '(';
            return row + symbols.assign + row + " / " +
                   (negative && !bracketed ? "(" + divisor + ")" : divisor);
        }
        case EchelonAction::Kind::EliminateRow:
            return row + symbols.assign + row +
                   addedTerm(true, action.factor, action.exact,
                             lineName(false, action.other, notation), decimals, notation);
    }
    return {};
}

std::string describeOperation(const RowColumnOperation& op, int decimals, StepNotation notation) {
    const Symbols symbols = symbolsOf(notation);
    const bool columns = op.kind == OperationKind::ExchangeColumns ||
                         op.kind == OperationKind::ScaleColumn ||
                         op.kind == OperationKind::AddColumnMultiple;
    const std::string first = lineName(columns, op.i, notation);
    const std::string second = lineName(columns, op.j, notation);
    switch (op.kind) {
        case OperationKind::ExchangeRows:
        case OperationKind::ExchangeColumns:
            return first + symbols.exchange + second;
        case OperationKind::ScaleRow:
        case OperationKind::ScaleColumn:
            return first + symbols.assign + factorText(op.a, op.exact, decimals, notation) +
                   symbols.times + first;
        case OperationKind::AddRowMultiple:
        case OperationKind::AddColumnMultiple:
            return second + symbols.assign + second +
                   addedTerm(false, op.a, op.exact, first, decimals, notation);
    }
    return {};
}

}  // namespace

std::string fractionText(const Fraction& value, StepNotation notation) {
    if (value.denominator.isOne()) return value.numerator.toText();
    const std::string sign = value.numerator.isNegative() ? "-" : "";
    const std::string numerator = value.numerator.magnitude().toText();
    const std::string denominator = value.denominator.toText();
    if (notation == StepNotation::Tex)
        return sign + "\\frac{" + numerator + "}{" + denominator + "}";
    return sign + numerator + "/" + denominator;
}

std::string describeStep(const StepRecord& step, int decimals, StepNotation notation) {
    if (const auto* action = std::get_if<EchelonAction>(&step))
        return describeAction(*action, decimals, notation);
    if (const auto* pivot = std::get_if<SimplexPivot>(&step))
        return describePivot(*pivot, notation);
    return describeOperation(std::get<RowColumnOperation>(step), decimals, notation);
}

}  // namespace lorvex
