#include "workspace/check_answer.h"

#include <cmath>
#include <cstdio>

#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

constexpr std::string_view kMinus = "−";
// Factors are written as fractions up to this denominator.
constexpr long double kLargestDenominator = 1000.0L;
// A factor this close to a fraction is that fraction.
constexpr long double kFractionTolerance = 1e-9L;

std::string line(std::int32_t index, bool columns) {
    return std::string(
               strings::byId(columns ? strings::id::ColumnLetter : strings::id::RowLetter)) +
           std::to_string(index + 1);
}

bool onColumns(OperationKind kind) {
    return kind == OperationKind::ExchangeColumns || kind == OperationKind::ScaleColumn ||
           kind == OperationKind::AddColumnMultiple;
}

std::string decimalText(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.10Lg", value);
    return text;
}

// A positive real as "3", "(1/2)" (a fraction is bracketed to read as one
// factor) or "0.1234567891".
std::string magnitudeText(long double value) {
    for (long double q = 1; q <= kLargestDenominator; ++q) {
        const long double p = std::round(value * q);
        if (p < 1 || std::fabs(value * q - p) > kFractionTolerance * q) continue;
        if (q == 1) return decimalText(p);
        return "(" + decimalText(p) + "/" + decimalText(q) + ")";
    }
    return decimalText(value);
}

// An exact factor's size: "3" or "(1/2)".
std::string magnitudeText(const Fraction& value) {
    const std::string numerator = value.numerator.magnitude().toText();
    if (value.denominator.isOne()) return numerator;
    return "(" + numerator + "/" + value.denominator.toText() + ")";
}

// The size of the operation's factor, exact where it is exact.
std::string magnitudeOf(const RowColumnOperation& operation) {
    if (operation.exact) return magnitudeText(*operation.exact);
    return magnitudeText(std::fabs(operation.a.re));
}

bool isReal(Complex a) {
    return a.im == 0.0L;
}

std::string complexFactor(Complex a) {
    return "(" + decimalText(a.re) + (a.im < 0 ? " − " : " + ") + decimalText(std::fabs(a.im)) +
           "i)";
}

// The factor of a scaling: "3", "−3", "(1/2)", "(−1/2)", "(1 + 2i)".
std::string scalingFactor(const RowColumnOperation& operation) {
    const Complex a = operation.a;
    if (!isReal(a)) return complexFactor(a);
    const std::string magnitude = magnitudeOf(operation);
    if (a.re >= 0) return magnitude;
    if (magnitude.front() == '(') return "(" + std::string(kMinus) + magnitude.substr(1);
    return std::string(kMinus) + magnitude;
}

// " + 2·L1", " − L1", " − (1/2)·L1", " + (1 + 2i)·L1".
std::string addedTerm(const RowColumnOperation& operation, const std::string& source) {
    const Complex a = operation.a;
    if (!isReal(a)) return " + " + complexFactor(a) + "·" + source;
    const std::string sign = a.re < 0 ? " " + std::string(kMinus) + " " : " + ";
    const std::string magnitude = magnitudeOf(operation);
    return sign + (magnitude == "1" ? "" : magnitude + "·") + source;
}

}  // namespace

std::string describeOperation(const RowColumnOperation& operation) {
    const bool columns = onColumns(operation.kind);
    const std::string first = line(operation.i, columns);
    const std::string second = line(operation.j, columns);
    switch (operation.kind) {
        case OperationKind::ExchangeRows:
        case OperationKind::ExchangeColumns:
            return first + " ↔ " + second;
        case OperationKind::ScaleRow:
        case OperationKind::ScaleColumn:
            return first + " ← " + scalingFactor(operation) + "·" + first;
        case OperationKind::AddRowMultiple:
        case OperationKind::AddColumnMultiple:
            break;
    }
    return second + " ← " + second + addedTerm(operation, first);
}

std::string checkAnswerText(const ElementaryStep& step) {
    if (step.elementary) return describeOperation(step.operation);
    std::string text(strings::byId(strings::id::NotElementary));
    if (step.rowEquivalent)
        text += "\n" + std::string(strings::byId(strings::id::RowEquivalentNotOneStep));
    return text;
}

}  // namespace lorvex
