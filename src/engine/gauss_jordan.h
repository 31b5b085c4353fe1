#pragma once

// Gauss-Jordan elimination written once for two element types: Complex, and
// long double for real matrices (all imaginary parts zero). On a real matrix
// the long double path performs exactly the operations that the complex path
// performs on the real parts, so both give the same values; it only skips the
// products of zero imaginary parts.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "engine/complex.h"
#include "engine/fused_steps.h"
#include "engine/row_split.h"
#include "engine/tolerances.h"

namespace lorvex::gauss_jordan {

inline long double sizeOf(long double x) {
    return std::fabs(x);
}
inline long double sizeOf(const Complex& x) {
    return size(x);
}

// The real counterpart of the complex quotient: a * b * (1 / b^2).
inline long double quotient(long double a, long double b) {
    long double squared = b * b;
    if (squared < std::numeric_limits<long double>::min()) squared = kZeroTolerance;
    return (a * b) * (1.0L / squared);
}
inline Complex quotient(const Complex& a, const Complex& b) {
    return a / b;
}

// From this order on, the rows of an elimination step are shared between two
// threads; below it a step is too short to pay for starting one.
inline constexpr std::int32_t kParallelOrder = 160;

// A row-major block of elements with its row length.
template <class T>
struct Block {
    std::int32_t rows;
    std::int32_t cols;
    std::vector<T> cells;

    T* row(std::int32_t i) { return cells.data() + static_cast<std::size_t>(i) * cols; }
    T& at(std::int32_t i, std::int32_t j) { return row(i)[j]; }
    void swapRows(std::int32_t a, std::int32_t b) {
        std::swap_ranges(row(a), row(a) + cols, row(b));
    }
};

// The first row at or below `from` whose element in column `col` is larger than
// the zero tolerance, or -1. The first such row is taken, not the largest.
template <class T>
std::int32_t findPivotRow(Block<T>& a, std::int32_t from, std::int32_t col) {
    for (std::int32_t r = from; r < a.rows; ++r) {
        if (sizeOf(a.at(r, col)) > kZeroTolerance) return r;
    }
    return -1;
}

// row[j] -= pivotRow[j] * factor for j in [first, last), two rows at a time so
// that each pivot-row element is read once for both.
template <class T>
void subtractPivotRow(T* row0, T* row1, const T* pivotRow, T factor0, T factor1, std::int32_t first,
                      std::int32_t last) {
    for (std::int32_t j = first; j < last; ++j) {
        const T x = pivotRow[j];
        row0[j] = row0[j] - x * factor0;
        row1[j] = row1[j] - x * factor1;
    }
}

template <class T>
void subtractPivotRow(T* row, const T* pivotRow, T factor, std::int32_t first, std::int32_t last) {
    for (std::int32_t j = first; j < last; ++j)
        row[j] = row[j] - pivotRow[j] * factor;
}

// The determinant that invert() (gauss_jordan_inverse.h) gives for the n x n
// block a, without the inverse: the same pivots, exchanges and operations on
// the rows at and below each pivot, the only rows that later pivots depend
// on, so the value is the same to the last bit. Returns false, as invert()
// does, when a pivot column has no non-zero element; `result` is then
// undefined. The block is left partly reduced.
template <class T>
[[nodiscard]] bool determinant(Block<T>& a, T& result);

// The same elimination resumed on the trailing block of a partly reduced
// matrix whose pivots so far multiplied (with their signs) to `result`: the
// block's first column is the next pivot column. Each element sees the same
// operations as in the whole matrix, so the value is the same to the last bit.
// The steps go in groups of Steps, as the inverse takes them: a group's pivot
// columns are reduced step by step, which fixes its pivots and row exchanges,
// then the trailing part of each row below the group goes through the
// group's steps at once. The pivot rows' trailing parts only serve the rows
// below them and are not written back.
template <class T, std::int32_t Steps = kFusedSteps<T>>
[[nodiscard]] bool resumeDeterminant(Block<T>& a, T& result) {
    const std::int32_t n = a.rows;
    std::vector<T> pivotRows;
    T inverses[Steps]{};
    for (std::int32_t first = 0; first < n; first += Steps) {
        const std::int32_t last = std::min(n, first + Steps);
        for (std::int32_t k = first; k < last; ++k) {
            const std::int32_t r = findPivotRow(a, k, k);
            if (r < 0) return false;
            if (r > k) {
                result = -result;
                a.swapRows(r, k);
            }
            T* pivotRow = a.row(k);
            const T pivot = pivotRow[k];
            result = result * pivot;
            const T inverse = quotient(T{1}, pivot);
            inverses[k - first] = inverse;
            for (std::int32_t j = k + 1; j < last; ++j)
                pivotRow[j] = pivotRow[j] * inverse;
            for (std::int32_t i = k + 1; i < n; ++i) {
                T* row = a.row(i);
                subtractPivotRow(row, pivotRow, row[k], k + 1, last);
            }
        }
        const std::int32_t width = n - last;
        if (width == 0) break;
        const std::int32_t count = last - first;
        // Pivot row s after the group's earlier steps and its own scaling.
        pivotRows.resize(static_cast<std::size_t>(count) * static_cast<std::size_t>(width));
        for (std::int32_t s = 0; s < count; ++s) {
            const T* source = a.row(first + s);
            T* out = pivotRows.data() + static_cast<std::size_t>(s) * width;
            for (std::int32_t q = 0; q < width; ++q) {
                T x = source[last + q];
                for (std::int32_t t = 0; t < s; ++t)
                    x = x - pivotRows[static_cast<std::size_t>(t) * width + q] * source[first + t];
                out[q] = x * inverses[s];
            }
        }
        forRowRanges(width, n >= kParallelOrder, [&](std::int32_t from, std::int32_t to) {
            for (std::int32_t i = last + from; i < last + to; ++i) {
                T* row = a.row(i);
                if (count == Steps) {
                    subtractPivotRows<T, Steps>(row + last, pivotRows.data(),
                                                static_cast<std::size_t>(width), row + first,
                                                width);
                    continue;
                }
                for (std::int32_t q = 0; q < width; ++q) {
                    T x = row[last + q];
                    for (std::int32_t s = 0; s < count; ++s)
                        x = x - pivotRows[static_cast<std::size_t>(s) * width + q] * row[first + s];
                    row[last + q] = x;
                }
            }
        });
    }
    return true;
}

template <class T>
[[nodiscard]] bool determinant(Block<T>& a, T& result) {
    result = T{1};
    return resumeDeterminant(a, result);
}

// The same determinant, zero when a pivot column has no non-zero element.
template <class T>
T determinant(Block<T>& a) {
    T result{};
    return determinant(a, result) ? result : T{};
}

// Reduces w to reduced row-echelon form, applying every row operation to the
// right-hand side too, and returns the pivot columns from left to right (the
// pivot of the k-th one is in row k). Columns are taken from the left while
// fewer pivots than rows have been found; a column without a pivot is free.
// For each pivot: the pivot row and its right-hand side are divided by the
// pivot, then every other row i loses W(i, j) times the pivot row.
// The columns go in windows of Steps: the window's columns and the right-hand
// side are reduced step by step, which fixes the pivots and row exchanges,
// each row keeping its multiplier per step; then every element right of the
// window goes through the window's steps held in a register, the same
// operations in the same order, the rows shared between two threads for large
// blocks.
template <class T, std::int32_t Steps = kFusedSteps<T>>
std::vector<std::int32_t> reduceRows(Block<T>& w, std::vector<T>& rhs) {
    std::vector<std::int32_t> pivotColumns;
    const bool large = w.rows >= kParallelOrder && w.cols >= kParallelOrder;
    // factors[i * Steps + s]: row i's element in the pivot column of the
    // window's step s when that step took it.
    std::vector<T> factors(static_cast<std::size_t>(w.rows) * Steps);
    const auto factorsOf = [&factors](std::int32_t i) {
        return factors.data() + static_cast<std::size_t>(i) * Steps;
    };
    std::vector<T> pivotRows;
    T pivots[Steps]{};
    std::int32_t r = 0;
    for (std::int32_t window = 0; window < w.cols && r < w.rows; window += Steps) {
        const std::int32_t end = std::min(w.cols, window + Steps);
        const std::int32_t first = r;
        for (std::int32_t j = window; j < end && r < w.rows; ++j) {
            const std::int32_t p = findPivotRow(w, r, j);
            if (p < 0) continue;
            const std::int32_t step = r - first;
            if (p > r) {
                w.swapRows(p, r);
                std::swap(rhs[static_cast<std::size_t>(p)], rhs[static_cast<std::size_t>(r)]);
                std::swap_ranges(factorsOf(p), factorsOf(p) + step, factorsOf(r));
            }
            T* pivotRow = w.row(r);
            const T pivot = pivotRow[j];
            pivots[step] = pivot;
            rhs[static_cast<std::size_t>(r)] = quotient(rhs[static_cast<std::size_t>(r)], pivot);
            for (std::int32_t q = j + 1; q < end; ++q)
                pivotRow[q] = quotient(pivotRow[q], pivot);
            pivotRow[j] = T{1};
            const T pivotRhs = rhs[static_cast<std::size_t>(r)];
            for (std::int32_t i = 0; i < w.rows; ++i) {
                if (i == r) continue;
                T* row = w.row(i);
                const T factor = row[j];
                factorsOf(i)[step] = factor;
                rhs[static_cast<std::size_t>(i)] =
                    rhs[static_cast<std::size_t>(i)] - pivotRhs * factor;
                subtractPivotRow(row, pivotRow, factor, j + 1, end);
                row[j] = T{};
            }
            pivotColumns.push_back(j);
            ++r;
        }
        const std::int32_t count = r - first;
        const std::int32_t width = w.cols - end;
        if (count == 0 || width == 0) continue;
        // Pivot row t right of the window: through the earlier steps, then
        // divided by its pivot.
        pivotRows.resize(static_cast<std::size_t>(count) * static_cast<std::size_t>(width));
        const auto pivotRowOf = [&pivotRows, width](std::int32_t t) {
            return pivotRows.data() + static_cast<std::size_t>(t) * width;
        };
        for (std::int32_t t = 0; t < count; ++t) {
            const T* source = w.row(first + t) + end;
            const T* f = factorsOf(first + t);
            for (std::int32_t q = 0; q < width; ++q) {
                T x = source[q];
                for (std::int32_t s = 0; s < t; ++s)
                    x = x - pivotRowOf(s)[q] * f[s];
                pivotRowOf(t)[q] = quotient(x, pivots[t]);
            }
        }
        forRowRanges(w.rows, large, [&](std::int32_t from, std::int32_t to) {
            for (std::int32_t i = from; i < to; ++i) {
                T* row = w.row(i) + end;
                const T* f = factorsOf(i);
                std::int32_t after = 0;
                if (i >= first && i < first + count) {
                    after = i - first + 1;
                    std::copy_n(pivotRowOf(after - 1), width, row);
                } else if (count == Steps) {
                    subtractPivotRows<T, Steps>(row, pivotRows.data(),
                                                static_cast<std::size_t>(width), f, width);
                    continue;
                }
                for (std::int32_t q = 0; q < width; ++q) {
                    T x = row[q];
                    for (std::int32_t s = after; s < count; ++s)
                        x = x - pivotRowOf(s)[q] * f[s];
                    row[q] = x;
                }
            }
        });
    }
    return pivotColumns;
}

// The real parts of a real matrix, for the long double path.
inline Block<long double> realPartsOf(std::int32_t rows, std::int32_t cols,
                                      const std::vector<Complex>& cells) {
    Block<long double> block{rows, cols, std::vector<long double>(cells.size())};
    for (std::size_t i = 0; i < cells.size(); ++i)
        block.cells[i] = cells[i].re;
    return block;
}

}  // namespace lorvex::gauss_jordan
