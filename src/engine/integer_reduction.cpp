#include "engine/integer_reduction.h"

#include <algorithm>

namespace lorvex::integer_reduction {
namespace {

// The row of smallest non-zero magnitude in the column, topmost among equals.
std::int32_t smallestEntryRow(Rows& w, std::int32_t from, std::int32_t col) {
    std::int32_t best = -1;
    for (std::int32_t r = from; r < w.rows; ++r) {
        const BigInt& entry = w.at(r, col);
        if (entry.isZero()) continue;
        if (best < 0 || BigInt::compareMagnitudes(entry, w.at(best, col)) < 0) best = r;
    }
    return best;
}

void swapRows(Rows& rows, std::int32_t a, std::int32_t b) {
    std::swap_ranges(rows.row(a), rows.row(a) + rows.cols, rows.row(b));
}

void negateRow(Rows& rows, std::int32_t i) {
    std::for_each(rows.row(i), rows.row(i) + rows.cols, [](BigInt& x) { x = -x; });
}

// target(j) -= q * source(j) for the columns from `first` on.
void subtractMultiple(Rows& rows, std::int32_t target, std::int32_t source, const BigInt& q,
                      std::int32_t first, const StopCheck& stop) {
    BigInt* to = rows.row(target);
    const BigInt* from = rows.row(source);
    for (std::int32_t j = first; j < rows.cols; ++j) {
        to[j].subtractProduct(q, from[j], stop);
    }
}

// Reduces the rows in [first, last) other than the pivot row by the pivot;
// returns true when one of them keeps a non-zero remainder.
bool reduceRows(Rows& w, Rows& companion, std::int32_t pivotRow, std::int32_t col,
                std::int32_t first, std::int32_t last, const StopCheck& stop) {
    const BigInt pivot = w.at(pivotRow, col);
    bool remainderLeft = false;
    for (std::int32_t i = first; i < last; ++i) {
        if (i == pivotRow || w.at(i, col).isZero()) continue;
        stop.poll();
        const BigInt q = BigInt::divide(w.at(i, col), pivot, stop).quotient;
        if (!q.isZero()) {
            subtractMultiple(companion, i, pivotRow, q, 0, stop);
            subtractMultiple(w, i, pivotRow, q, col, stop);
        }
        remainderLeft = remainderLeft || !w.at(i, col).isZero();
    }
    return remainderLeft;
}

}  // namespace

Rows Rows::identity(std::int32_t n) {
    Rows unit{n, n, std::vector<BigInt>(static_cast<std::size_t>(n) * n)};
    for (std::int32_t i = 0; i < n; ++i)
        unit.at(i, i) = BigInt(1);
    return unit;
}

bool reduceColumn(Rows& w, Rows& companion, std::int32_t pivotRow, std::int32_t col, int& sign,
                  const StopCheck& stop) {
    while (true) {
        const std::int32_t p = smallestEntryRow(w, pivotRow, col);
        if (p < 0) return false;
        if (p > pivotRow) {
            swapRows(w, p, pivotRow);
            swapRows(companion, p, pivotRow);
            sign = -sign;
        }
        if (w.at(pivotRow, col).isNegative()) {
            negateRow(w, pivotRow);
            negateRow(companion, pivotRow);
            sign = -sign;
        }
        // A remainder below the pivot becomes the next, smaller pivot. The rows
        // above are reduced once, by the final pivot: reducing them by every
        // intermediate pivot as well would only repeat the work, since the
        // pivot's row and everything below it never depend on them.
        if (!reduceRows(w, companion, pivotRow, col, pivotRow + 1, w.rows, stop)) {
            reduceRows(w, companion, pivotRow, col, 0, pivotRow, stop);
            return true;
        }
    }
}

}  // namespace lorvex::integer_reduction
