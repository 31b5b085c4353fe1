// The one-matrix report: rank, and for a square matrix trace, determinant and
// (real and complex mode) the characteristic polynomial with its roots, which
// comes last and may take long.

#include <chrono>
#include <type_traits>
#include <variant>

#include "engine/characteristic_polynomial.h"
#include "engine/elimination.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "workspace/calculation_operations.h"
#include "workspace/duration_text.h"
#include "workspace/number_text.h"
#include "workspace/polynomial_report.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void appendLine(std::string& text, int label, const std::string& value) {
    text += std::string(strings::byId(label)) + ": " + value;
    text += kLineEnd;
    text += kLineEnd;
}

// A trace or determinant as the window writes an entry, cut after twice the
// field width.
std::string entryValue(Complex value, const MatrixDocument& document) {
    std::string text = document.Kind() == ElementKind::Complex
                           ? complexText(value, document.Decimals())
                           : fixedPointText(value.re, document.Decimals());
    const auto limit = static_cast<std::size_t>(2 * document.displayWidth());
    if (text.size() > limit) text.resize(limit);
    return text;
}

Complex asComplex(long double value) {
    return Complex{value, 0.0L};
}
Complex asComplex(const Complex& value) {
    return value;
}

ComplexElimination eliminationOf(const ComplexMatrix& m) {
    return ComplexElimination(m);
}
RealElimination eliminationOf(const RealMatrix& m) {
    return RealElimination(m);
}

// Rank, and for a square matrix trace and determinant, of a real or complex
// matrix, with the time the polynomial is expected to take.
template <class Matrix>
int summaryOf(const Matrix& m, const MatrixDocument& document, OneMatrixReport& result) {
    auto elimination = eliminationOf(m);
    const Outcome<std::int32_t> rank = elimination.rank();
    if (rank.code != code::Ok) return rank.code;
    result.rank = rank.value;
    appendLine(result.text, strings::id::Rank, std::to_string(result.rank));
    if (m.isSquare()) {
        result.trace = asComplex(lorvex::trace(m));
        // A singular matrix gives the determinant 0, which is what is shown.
        const auto start = std::chrono::steady_clock::now();
        const auto determinant = elimination.determinant();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (determinant.code == code::OutOfMemory) return determinant.code;
        result.determinant = asComplex(determinant.value);
        appendLine(result.text, strings::id::Trace, entryValue(*result.trace, document));
        appendLine(result.text, strings::id::Determinant,
                   entryValue(*result.determinant, document));
        // The determinant's elimination of n^3 steps times the polynomial's.
        const double order = m.rows;
        result.polynomialSeconds =
            took.count() / (order * order * order) * characteristicPolynomialWork(m.rows);
    }
    return code::Ok;
}

std::string fractionText(const Fraction& value) {
    std::string text = value.numerator.toText();
    if (value.denominator != BigInt(1)) text += "/" + value.denominator.toText();
    return text;
}

}  // namespace

Outcome<OneMatrixReport> CalculationOperations::oneMatrixReport(std::int32_t letter,
                                                                const StopCheck& stop) {
    Outcome<OneMatrixReport> report = oneMatrixSummary(letter, stop);
    if (report.code == code::Ok) report.code = appendPolynomial(letter, report.value, stop);
    return report;
}

Outcome<OneMatrixReport> CalculationOperations::oneMatrixSummary(std::int32_t letter,
                                                                 const StopCheck& stop) {
    Outcome<OneMatrixReport> report;
    report.code = runGuarded([&] { return buildSummary(letter, report.value, stop); });
    return report;
}

int CalculationOperations::appendPolynomial(std::int32_t letter, OneMatrixReport& report,
                                            const StopCheck& stop) {
    if (!report.polynomialSeconds) return code::Ok;
    return runGuarded([&] {
        OneMatrixReport appended = report;
        const int rc = buildPolynomial(letter, appended, stop);
        if (rc == code::Ok) report = std::move(appended);
        return rc;
    });
}

int CalculationOperations::buildSummary(std::int32_t letter, OneMatrixReport& report,
                                        const StopCheck& stop) {
    const MatrixDocument* document = context_.workspace.slot(letter);
    if (document == nullptr) return code::MatrixNotFound;
    OneMatrixReport result;
    const MatrixData data = document->matrixData();
    const bool square = document->Rows() == document->Cols();

    if (const auto* exact = std::get_if<IntegerMatrix>(&data)) {
        IntegerElimination elimination(*exact);
        const Outcome<std::int32_t> rank = elimination.rank(stop);
        if (rank.code != code::Ok) return rank.code;
        result.rank = rank.value;
        appendLine(result.text, strings::id::Rank, std::to_string(result.rank));
        if (square) {
            Outcome<Fraction> trace = lorvex::trace(*exact, stop);
            if (trace.code == code::UserStop) return trace.code;
            if (trace.code == code::Ok) result.exactTrace = std::move(trace.value);
            Outcome<Fraction> determinant = elimination.determinant(stop);
            if (determinant.code == code::UserStop) return determinant.code;
            if (determinant.code == code::Ok)
                result.exactDeterminant = std::move(determinant.value);
            const std::string failed(strings::message(code::CannotCalculate));
            appendLine(result.text, strings::id::Trace,
                       result.exactTrace ? fractionText(*result.exactTrace) : failed);
            appendLine(result.text, strings::id::Determinant,
                       result.exactDeterminant ? fractionText(*result.exactDeterminant) : failed);
        }
        report = std::move(result);
        return code::Ok;
    }

    const int rc = std::visit(
        [&]<class Matrix>(const Matrix& m) {
            if constexpr (std::is_same_v<Matrix, IntegerMatrix>) {
                return code::Ok;
            } else {
                return summaryOf(m, *document, result);
            }
        },
        data);
    if (rc != code::Ok) return rc;
    report = std::move(result);
    return code::Ok;
}

bool CalculationOperations::polynomialWanted(std::int32_t order, double seconds) {
    if (seconds <= kAskBeforePolynomialSeconds) return true;
    const std::string question =
        std::string(strings::byId(strings::id::LongPolynomialQuestion)) + std::to_string(order) +
        std::string(strings::byId(strings::id::EstimatedTime)) + durationText(seconds);
    return context_.prompter.messageBox(strings::byId(strings::id::Caution), question,
                                        Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

int CalculationOperations::buildPolynomial(std::int32_t letter, OneMatrixReport& report,
                                           const StopCheck& stop) {
    const MatrixDocument* document = context_.workspace.slot(letter);
    if (document == nullptr) return code::MatrixNotFound;
    const MatrixData& data = document->matrixData();
    if (document->isInteger() || document->Rows() != document->Cols()) return code::Ok;
    // The polynomial's work grows as 2^n: a complex copy of a real matrix
    // costs nothing beside it.
    const ComplexMatrix complexCopy = std::holds_alternative<RealMatrix>(data)
                                          ? complexMatrixOf(std::get<RealMatrix>(data))
                                          : std::get<ComplexMatrix>(data);
    const ComplexMatrix* m = &complexCopy;
    const bool complexMode = document->Kind() == ElementKind::Complex;

    std::vector<Complex> coefficients;
    int polynomial = code::UserStop;
    if (polynomialWanted(m->rows, report.polynomialSeconds.value_or(0))) {
        polynomial = characteristicPolynomial(*m, coefficients, stop);
        if (polynomial == code::OutOfMemory) return polynomial;
    }
    if (polynomial == code::Ok) {
        PolynomialRoots roots;
        const int found = findRoots(coefficients, {document->ZeroTol(), complexMode},
                                    context_.random, roots, stop);
        if (found != code::Ok) return found;
        report.coefficients = coefficients;
        report.roots = roots.roots;
    }
    report.text += polynomialReport(polynomial == code::Ok ? &coefficients : nullptr, report.roots,
                                    document->Decimals(), document->displayWidth(), complexMode);
    report.polynomialSeconds.reset();
    return code::Ok;
}

}  // namespace lorvex
