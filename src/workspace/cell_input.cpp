#include <cmath>

#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "workspace/matrix_document.h"

namespace lorvex {

// An integer cell reads an exact integer; a real or complex cell a
// calculation folded to one number, in which I is the imaginary unit. A real
// matrix keeps only the real part: what it shows and saves is what it holds.
int MatrixDocument::setCellFromText(std::int32_t row, std::int32_t col, const std::string& text) {
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

}  // namespace lorvex
