#include <cmath>

#include "engine/rational.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "workspace/matrix_document.h"

namespace lorvex {

// An integer cell reads an exact integer; a real or complex cell a
// calculation folded to one number, in which I is the imaginary unit. A real
// matrix keeps only the real part: what it shows and saves is what it holds.
int MatrixDocument::setCellFromText(std::int32_t row, std::int32_t col, const std::string& text) {
    if (showsFractions()) return setFractionCellFromText(row, col, text);
    if (isInteger()) return setIntegerCellFromText(row, col, text);
    if (!holdsCell(row, col)) return code::OutOfRange;
    Complex value;
    if (const int rc = ConstCalc(text, ZERO, value); rc != code::Ok) return rc;
    // A number beyond the range of a long double reads as an infinity, which
    // no cell may hold.
    if (!std::isfinite(value.re) || !std::isfinite(value.im)) return code::OutOfRange;
    if (kind_ == ElementKind::Real) value.im = 0.0L;  // as the contents of a real matrix
    setComplexCell(row, col, value);
    return code::Ok;
}

// A typed fraction p/q (or an integer) joins the others over the least
// common multiple of the denominators, so every numerator may change: the
// whole matrix is kept for undo.
int MatrixDocument::setFractionCellFromText(std::int32_t row, std::int32_t col,
                                            const std::string& text) {
    if (!holdsCell(row, col)) return code::OutOfRange;
    const std::size_t slash = text.find('/');
    Fraction typed;
    if (const int rc = BigInt::fromText(text.substr(0, slash), typed.numerator); rc != code::Ok)
        return rc;
    if (slash != std::string::npos) {
        if (const int rc = BigInt::fromText(text.substr(slash + 1), typed.denominator);
            rc != code::Ok) {
            return rc;
        }
        if (typed.denominator.isZero()) return code::Singular;
    }
    const auto& matrix = std::get<IntegerMatrix>(data_);
    const StopCheck& never = StopCheck::never();
    const BigInt common = BigInt::lcm(matrix.denominator, typed.denominator, never);
    const BigInt scale = BigInt::divideExactly(common, matrix.denominator, never);
    IntegerMatrix changed = matrix;
    for (BigInt& numerator : changed.numerators)
        numerator = BigInt::multiply(numerator, scale, never);
    changed.at(row, col) = BigInt::divideExactly(BigInt::multiply(typed.numerator, common, never),
                                                 typed.denominator, never);
    changed.denominator = common;
    normalize(changed, never);
    commit(std::move(changed), {TUndoRec::CellChanged, row, col, TUndoRec::SavedContents{matrix}});
    return code::Ok;
}

}  // namespace lorvex
