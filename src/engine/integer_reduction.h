#pragma once

// Exact row reduction in the style of Euclid's algorithm: the pivot of a column
// is its smallest non-zero entry, every other row is reduced by the truncated
// integer quotient, and the column is searched again while a remainder is left
// below the pivot. No fraction ever arises, and the entries stay as small as
// Euclid's algorithm allows.

#include <cstdint>
#include <vector>

#include "engine/bigint.h"
#include "engine/stop_check.h"

namespace lorvex::integer_reduction {

// Integer entries, row-major, during a reduction.
struct Rows {
    std::int32_t rows = 0;
    std::int32_t cols = 0;
    std::vector<BigInt> cells;

    static Rows identity(std::int32_t n);

    BigInt* row(std::int32_t i) { return cells.data() + static_cast<std::size_t>(i) * cols; }
    BigInt& at(std::int32_t i, std::int32_t j) { return row(i)[j]; }
    const BigInt& at(std::int32_t i, std::int32_t j) const {
        return cells[static_cast<std::size_t>(i) * static_cast<std::size_t>(cols) +
                     static_cast<std::size_t>(j)];
    }
};

// Reduces column `col` of w with its pivot placed in row `pivotRow` and made
// positive; every row above and below gets the remainder of its entry. Each row
// exchange and negation flips `sign`. Every row operation is applied to all
// columns of `companion` as well (the identity of an inverse, a right-hand
// side). Returns false, changing nothing, when the column has no non-zero
// entry at or below the pivot row.
[[nodiscard]] bool reduceColumn(Rows& w, Rows& companion, std::int32_t pivotRow, std::int32_t col,
                                int& sign, const StopCheck& stop);

}  // namespace lorvex::integer_reduction
