#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/complex.h"
#include "engine/outcome.h"
#include "engine/polynomial_roots.h"
#include "engine/rational.h"
#include "engine/stop_check.h"
#include "workspace/operation_context.h"

namespace lorvex {

// What the one-matrix report found, besides its text.
struct OneMatrixReport {
    // The report as its text window shows it, every line ended by CR LF.
    std::string text;
    std::int32_t rank = 0;
    // Square matrices only. Real and complex mode: trace and determinant
    // (a singular matrix has the determinant 0).
    std::optional<Complex> trace;
    std::optional<Complex> determinant;
    // Integer mode: the exact fractions; absent when the exact computation
    // failed (the report then says "não pode calcular").
    std::optional<Fraction> exactTrace;
    std::optional<Fraction> exactDeterminant;
    // Real and complex mode, square matrices: the coefficients of the
    // characteristic polynomial, highest power first (empty when the user
    // stopped them), and its roots with their multiplicities.
    std::vector<Complex> coefficients;
    std::vector<PolynomialRoot> roots;
    // Real and complex square matrices, until the polynomial is appended:
    // the time its coefficients are expected to take, in seconds.
    std::optional<double> polynomialSeconds;
};

// Past this many seconds the report asks before it computes the polynomial.
inline constexpr double kAskBeforePolynomialSeconds = 180;

// The calculation service, the solution of linear systems and the
// one-matrix report. Memory running out anywhere, storing included, gives
// code::OutOfMemory with nothing stored.
class CalculationOperations {
  public:
    explicit CalculationOperations(const OperationContext& context) : context_(context) {}

    const OperationContext& context() const { return context_; }

    // The value of `text` stored at the letter, with the text as its notes.
    // The calculation language's codes, and code::NotAMatrix for a scalar
    // value.
    [[nodiscard]] int CalcExpression(std::int32_t letter, std::string_view text,
                                     const StopCheck& stop = StopCheck::never());
    // M X = B (B of zeros when homogeneous): X at its letter with the notes
    // "solução", and a null-space basis at its letter with "base do núcleo"
    // when the rank is below the number of columns. Codes:
    // code::InconsistentData (equal letters, a B of the wrong shape, an
    // inconsistent system), code::MatrixNotFound, and the solver's. The value
    // is the system's rank once it is solved, also when a later check fails
    // or an overwrite is refused.
    [[nodiscard]] Outcome<std::int32_t> Solve(std::int32_t m, std::int32_t b, std::int32_t x,
                                              std::int32_t nullSpace, bool homogeneous,
                                              const StopCheck& stop = StopCheck::never());
    // Rank, and for a square matrix trace, determinant and (real and complex
    // mode) the characteristic polynomial with its roots. code::MatrixNotFound
    // when the place is empty, code::UserStop when the user stopped the rank,
    // the exact trace or determinant (a stop during the polynomial shows
    // "não pode calcular" in its place; during the roots, those found).
    // It is oneMatrixSummary, then appendPolynomial.
    [[nodiscard]] Outcome<OneMatrixReport> oneMatrixReport(
        std::int32_t letter, const StopCheck& stop = StopCheck::never());
    // The report up to the characteristic polynomial, which is quick:
    // rank, trace and determinant, and the polynomial's expected time.
    [[nodiscard]] Outcome<OneMatrixReport> oneMatrixSummary(
        std::int32_t letter, const StopCheck& stop = StopCheck::never());
    // The characteristic polynomial with its roots, appended to the summary
    // of the same letter when it expects one. When it is expected to take
    // longer than kAskBeforePolynomialSeconds it asks first "calcular o
    // polinômio característico de ordem n? tempo estimado: ..." (yes/no);
    // "não", like a stop during the coefficients, leaves "não pode
    // calcular" in its place. The stop check is told of each minor.
    [[nodiscard]] int appendPolynomial(std::int32_t letter, OneMatrixReport& report,
                                       const StopCheck& stop = StopCheck::never());

  private:
    // The above without their guard against memory running out.
    [[nodiscard]] int buildSummary(std::int32_t letter, OneMatrixReport& report,
                                   const StopCheck& stop);
    [[nodiscard]] int buildPolynomial(std::int32_t letter, OneMatrixReport& report,
                                      const StopCheck& stop);
    bool polynomialWanted(std::int32_t order, double seconds);

    OperationContext context_;
};

}  // namespace lorvex
