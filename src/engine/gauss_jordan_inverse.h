#pragma once

// The Gauss-Jordan inverse, its pivot steps taken in groups so that each
// element of the trailing columns is loaded and stored once per group.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/complex.h"
#include "engine/gauss_jordan.h"
#include "engine/row_split.h"
#include "engine/stop_check.h"

namespace lorvex::gauss_jordan {

// The pivot rows of one group of steps, as each step subtracts them from the
// other rows: per step, the pivot row's trailing part of a (columns right of
// the group) followed by all of b, and for each column of b whether the step
// touches it at all.
template <class T>
struct PivotRows {
    std::int32_t first;  // the group's first pivot column
    std::int32_t count;  // steps in the group
    std::int32_t width;  // trailing columns of a, then the n columns of b
    std::int32_t trailingA;
    std::vector<T> cells;
    std::vector<unsigned char> touched;   // per step and column of b
    std::vector<std::int32_t> everyStep;  // columns of b touched by every step
    std::vector<std::int32_t> someSteps;  // the others that some step touches

    const T* row(std::int32_t step) const {
        return cells.data() + static_cast<std::size_t>(step) * width;
    }
    T* row(std::int32_t step) { return cells.data() + static_cast<std::size_t>(step) * width; }
    bool touches(std::int32_t step, std::int32_t column) const {
        return touched[static_cast<std::size_t>(step) * (width - trailingA) + column] != 0;
    }
};

// The group's steps on its own pivot columns of a, for every row, exactly as
// the step-by-step elimination does them: pivot search, row exchange (of
// whole rows of a and b), determinant, scaling of the pivot row and
// subtraction from the other rows. Each row keeps its multiplier for step s
// in column s; `inverses` receives 1 / pivot per step. False when a pivot
// column has no non-zero element. The stop check is polled before each step.
template <class T>
[[nodiscard]] bool reducePivotColumns(Block<T>& a, Block<T>& b, std::int32_t first,
                                      std::int32_t last, T& determinant, T* inverses,
                                      const StopCheck& stop) {
    const std::int32_t n = a.rows;
    for (std::int32_t k = first; k < last; ++k) {
        stop.poll();
        const std::int32_t r = findPivotRow(a, k, k);
        if (r < 0) return false;
        if (r > k) {
            determinant = -determinant;
            a.swapRows(r, k);
            b.swapRows(r, k);
        }
        T* pivotRow = a.row(k);
        determinant = determinant * pivotRow[k];
        const T inverse = quotient(T{1}, pivotRow[k]);
        inverses[k - first] = inverse;
        for (std::int32_t j = k + 1; j < last; ++j)
            pivotRow[j] = pivotRow[j] * inverse;
        for (std::int32_t i = 0; i < n; ++i) {
            if (i != k) subtractPivotRow(a.row(i), pivotRow, a.at(i, k), k + 1, last);
        }
    }
    return true;
}

// The pivot rows' trailing parts as each step uses them: row s after the
// group's earlier steps and its own scaling. In b a step touches only the
// columns where its pivot row is not exactly zero before the scaling.
template <class T>
void collectPivotRows(Block<T>& a, Block<T>& b, const T* inverses, PivotRows<T>& p) {
    const std::int32_t n = b.cols;
    const std::int32_t last = p.first + p.count;
    for (std::int32_t s = 0; s < p.count; ++s) {
        const std::int32_t k = p.first + s;
        T* out = p.row(s);
        const T* sourceA = a.row(k) + last;
        const T* sourceB = b.row(k);
        for (std::int32_t q = 0; q < p.trailingA; ++q) {
            T x = sourceA[q];
            for (std::int32_t t = 0; t < s; ++t)
                x = x - p.row(t)[q] * a.at(k, p.first + t);
            out[q] = x * inverses[s];
        }
        for (std::int32_t q = 0; q < n; ++q) {
            T x = sourceB[q];
            for (std::int32_t t = 0; t < s; ++t) {
                if (p.touches(t, q)) x = x - p.row(t)[p.trailingA + q] * a.at(k, p.first + t);
            }
            const bool touched = x != T{};
            p.touched[static_cast<std::size_t>(s) * n + q] = touched ? 1 : 0;
            out[p.trailingA + q] = touched ? x * inverses[s] : x;
        }
    }
    p.everyStep.clear();
    p.someSteps.clear();
    for (std::int32_t q = 0; q < n; ++q) {
        std::int32_t steps = 0;
        for (std::int32_t s = 0; s < p.count; ++s)
            steps += p.touches(s, q) ? 1 : 0;
        if (steps == p.count) {
            p.everyStep.push_back(q);
        } else if (steps > 0) {
            p.someSteps.push_back(q);
        }
    }
}

// The group's steps from `from` on, one at a time, on a row's trailing part
// of a, and on the listed columns of its b touching only what each step
// touches.
template <class T>
void subtractPivotRowsOneByOne(T* rowA, const T* factors, const PivotRows<T>& p,
                               std::int32_t from) {
    for (std::int32_t q = 0; q < p.trailingA; ++q) {
        T x = rowA[q];
        for (std::int32_t s = from; s < p.count; ++s)
            x = x - p.row(s)[q] * factors[s];
        rowA[q] = x;
    }
}

template <class T>
void subtractPivotRowsOneByOne(T* rowB, const T* factors, const PivotRows<T>& p, std::int32_t from,
                               const std::vector<std::int32_t>& columns) {
    for (const std::int32_t q : columns) {
        T x = rowB[q];
        for (std::int32_t s = from; s < p.count; ++s) {
            if (p.touches(s, q)) x = x - p.row(s)[p.trailingA + q] * factors[s];
        }
        rowB[q] = x;
    }
}

// Brings the trailing columns of rows [first, last) through the group's
// steps: every element sees the same operations, in the same order, as in
// the step-by-step elimination. A pivot row of the group starts from its
// value as its own step left it, and only the later steps follow.
template <class T, std::int32_t Steps>
void applySteps(Block<T>& a, Block<T>& b, const PivotRows<T>& p, std::int32_t first,
                std::int32_t last) {
    const std::int32_t groupEnd = p.first + p.count;
    for (std::int32_t i = first; i < last; ++i) {
        T* rowA = a.row(i) + groupEnd;
        T* rowB = b.row(i);
        const T* factors = a.row(i) + p.first;
        std::int32_t from = 0;
        if (i >= p.first && i < groupEnd) {
            from = i - p.first + 1;
            std::copy_n(p.row(from - 1), p.trailingA, rowA);
            std::copy_n(p.row(from - 1) + p.trailingA, b.cols, rowB);
        } else if (p.count == Steps) {
            subtractPivotRows<T, Steps>(rowA, p.row(0), p.width, factors, p.trailingA);
            subtractPivotRows<T, Steps>(rowB, p.row(0) + p.trailingA, p.width, factors,
                                        p.everyStep);
            subtractPivotRowsOneByOne(rowB, factors, p, 0, p.someSteps);
            continue;
        }
        subtractPivotRowsOneByOne(rowA, factors, p, from);
        subtractPivotRowsOneByOne(rowB, factors, p, from, p.everyStep);
        subtractPivotRowsOneByOne(rowB, factors, p, from, p.someSteps);
    }
}

// Inverts the n x n block a into b (which starts as the identity) and returns
// the determinant in `determinant`; false when a pivot column has no non-zero
// element (a singular matrix). The steps go in groups of Steps: first the
// group's pivot columns are reduced step by step, which fixes its pivots and
// row exchanges, then the rest of each row goes through the group's steps at
// once. Only the columns right of the pivot are touched in a, since the ones
// left of it are already reduced (a keeps the multipliers there). In b a step
// touches only the columns where its pivot row is not exactly zero:
// subtracting or scaling a zero changes no value, and while b fills up column
// by column this spares about a third of the work. The stop check is polled
// once per pivot column, by the calling thread.
template <class T, std::int32_t Steps = kFusedSteps<T>>
[[nodiscard]] bool invert(Block<T>& a, Block<T>& b, T& determinant,
                          const StopCheck& stop = StopCheck::never()) {
    const std::int32_t n = a.rows;
    determinant = T{1};
    PivotRows<T> p;
    T inverses[Steps];
    for (std::int32_t first = 0; first < n; first += Steps) {
        const std::int32_t last = std::min(n, first + Steps);
        if (!reducePivotColumns(a, b, first, last, determinant, inverses, stop)) return false;
        p.first = first;
        p.count = last - first;
        p.trailingA = n - last;
        p.width = p.trailingA + n;
        p.cells.resize(static_cast<std::size_t>(p.count) * static_cast<std::size_t>(p.width));
        p.touched.resize(static_cast<std::size_t>(p.count) * static_cast<std::size_t>(n));
        collectPivotRows(a, b, inverses, p);
        forRowRanges(n, n >= kParallelOrder, [&](std::int32_t from, std::int32_t to) {
            applySteps<T, Steps>(a, b, p, from, to);
        });
    }
    return true;
}

}  // namespace lorvex::gauss_jordan
