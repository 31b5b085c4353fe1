#include <cstdlib>

#include "engine/result_codes.h"
#include "workspace/matrix_document.h"

namespace lorvex {

// PROVISIONAL until the calculation language lands: a plain number.
int MatrixDocument::setCellFromText(std::int32_t row, std::int32_t col, const std::string& text) {
    if (isInteger()) return setIntegerCellFromText(row, col, text);
    char* end = nullptr;
    const long double value = std::strtold(text.c_str(), &end);
    if (end == text.c_str()) return code::NotUnderstood;
    setComplexCell(row, col, Complex{value, 0.0L});
    return code::Ok;
}

}  // namespace lorvex
