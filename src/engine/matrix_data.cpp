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

IntegerMatrix IntegerMatrix::identity(std::int32_t n) {
    IntegerMatrix unit(n, n);
    for (std::int32_t i = 0; i < n; ++i)
        unit.at(i, i) = BigInt(1);
    return unit;
}

}  // namespace lorvex
