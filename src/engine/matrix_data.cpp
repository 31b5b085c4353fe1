#include "engine/matrix_data.h"

#include <algorithm>

namespace lorvex {

ComplexMatrix ComplexMatrix::identity(std::int32_t n) {
    ComplexMatrix unit(n, n);
    for (std::int32_t i = 0; i < n; ++i)
        unit.at(i, i) = ONE;
    return unit;
}

bool ComplexMatrix::isReal() const {
    return std::all_of(cells.begin(), cells.end(), [](const Complex& c) { return c.im == 0; });
}

RealMatrix RealMatrix::identity(std::int32_t n) {
    RealMatrix unit(n, n);
    for (std::int32_t i = 0; i < n; ++i)
        unit.at(i, i) = 1.0L;
    return unit;
}

ComplexMatrix complexMatrixOf(const RealMatrix& m) {
    ComplexMatrix made(m.rows, m.cols);
    for (std::size_t i = 0; i < m.cells.size(); ++i)
        made.cells[i].re = m.cells[i];
    return made;
}

RealMatrix realPartsOf(const ComplexMatrix& m) {
    RealMatrix made(m.rows, m.cols);
    for (std::size_t i = 0; i < m.cells.size(); ++i)
        made.cells[i] = m.cells[i].re;
    return made;
}

IntegerMatrix IntegerMatrix::identity(std::int32_t n) {
    IntegerMatrix unit(n, n);
    for (std::int32_t i = 0; i < n; ++i)
        unit.at(i, i) = BigInt(1);
    return unit;
}

}  // namespace lorvex
