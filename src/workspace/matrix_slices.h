#pragma once

// Rows and columns taken out of and put into a matrix of either
// representation. Each function builds a new matrix and leaves its
// arguments alone, so a caller can make everything before it changes
// anything. An integer matrix's pieces keep its denominator; what is put in
// takes that of the matrix.

#include <cstdint>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/matrix_data.h"

namespace lorvex::slices {

// The row-major entries: the values of a real or complex matrix, the
// numerators of an integer one.
inline std::vector<long double>& entries(RealMatrix& m) {
    return m.cells;
}
inline const std::vector<long double>& entries(const RealMatrix& m) {
    return m.cells;
}
inline std::vector<Complex>& entries(ComplexMatrix& m) {
    return m.cells;
}
inline const std::vector<Complex>& entries(const ComplexMatrix& m) {
    return m.cells;
}
inline std::vector<BigInt>& entries(IntegerMatrix& m) {
    return m.numerators;
}
inline const std::vector<BigInt>& entries(const IntegerMatrix& m) {
    return m.numerators;
}

template <class M>
using EntryOf = typename std::remove_cvref_t<decltype(entries(std::declval<M&>()))>::value_type;

// An entry, or for the integer kind at row `rows`, column 0 the denominator.
inline long double& entry(RealMatrix& m, std::int32_t row, std::int32_t col) {
    return m.at(row, col);
}
inline Complex& entry(ComplexMatrix& m, std::int32_t row, std::int32_t col) {
    return m.at(row, col);
}
inline BigInt& entry(IntegerMatrix& m, std::int32_t row, std::int32_t col) {
    return row == m.rows && col == 0 ? m.denominator : m.at(row, col);
}

inline void takeDenominator(const RealMatrix&, RealMatrix&) {}
inline void takeDenominator(const ComplexMatrix&, ComplexMatrix&) {}
inline void takeDenominator(const IntegerMatrix& from, IntegerMatrix& to) {
    to.denominator = from.denominator;
}

template <class M>
std::span<const EntryOf<M>> rowOf(const M& m, std::int32_t i) {
    return std::span(entries(m))
        .subspan(static_cast<std::size_t>(i) * m.cols, static_cast<std::size_t>(m.cols));
}

template <class T>
void append(std::vector<T>& to, std::span<const T> from) {
    to.insert(to.end(), from.begin(), from.end());
}

// A rows x cols matrix of m's kind and denominator holding `values`.
template <class M>
M shaped(const M& m, std::int32_t rows, std::int32_t cols, std::vector<EntryOf<M>> values) {
    M made;
    made.rows = rows;
    made.cols = cols;
    entries(made) = std::move(values);
    takeDenominator(m, made);
    return made;
}

template <class M>
std::vector<EntryOf<M>> reserved(std::int32_t rows, std::int32_t cols) {
    std::vector<EntryOf<M>> values;
    values.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    return values;
}

// Rows first ... last.
template <class M>
M rowsOf(const M& m, std::int32_t first, std::int32_t last) {
    auto values = reserved<M>(last - first + 1, m.cols);
    for (std::int32_t i = first; i <= last; ++i)
        append(values, rowOf(m, i));
    return shaped(m, last - first + 1, m.cols, std::move(values));
}

// Columns first ... last.
template <class M>
M columnsOf(const M& m, std::int32_t first, std::int32_t last) {
    auto values = reserved<M>(m.rows, last - first + 1);
    for (std::int32_t i = 0; i < m.rows; ++i)
        append(values, rowOf(m, i).subspan(first, last - first + 1));
    return shaped(m, m.rows, last - first + 1, std::move(values));
}

template <class M>
M withoutRows(const M& m, std::int32_t first, std::int32_t last) {
    const std::int32_t rows = m.rows - (last - first + 1);
    auto values = reserved<M>(rows, m.cols);
    for (std::int32_t i = 0; i < m.rows; ++i) {
        if (i < first || i > last) append(values, rowOf(m, i));
    }
    return shaped(m, rows, m.cols, std::move(values));
}

template <class M>
M withoutColumns(const M& m, std::int32_t first, std::int32_t last) {
    const std::int32_t cols = m.cols - (last - first + 1);
    auto values = reserved<M>(m.rows, cols);
    for (std::int32_t i = 0; i < m.rows; ++i) {
        append(values, rowOf(m, i).first(first));
        append(values, rowOf(m, i).subspan(last + 1));
    }
    return shaped(m, m.rows, cols, std::move(values));
}

// The rows of `inserted` put in before row `at` (after the last for `at` = rows).
template <class M>
M withRowsInserted(const M& m, std::int32_t at, const M& inserted) {
    const std::int32_t rows = m.rows + inserted.rows;
    auto values = reserved<M>(rows, m.cols);
    for (std::int32_t i = 0; i < at; ++i)
        append(values, rowOf(m, i));
    for (std::int32_t i = 0; i < inserted.rows; ++i)
        append(values, rowOf(inserted, i));
    for (std::int32_t i = at; i < m.rows; ++i)
        append(values, rowOf(m, i));
    return shaped(m, rows, m.cols, std::move(values));
}

// The columns of `inserted` put in before column `at`.
template <class M>
M withColumnsInserted(const M& m, std::int32_t at, const M& inserted) {
    const std::int32_t cols = m.cols + inserted.cols;
    auto values = reserved<M>(m.rows, cols);
    for (std::int32_t i = 0; i < m.rows; ++i) {
        append(values, rowOf(m, i).first(at));
        append(values, rowOf(inserted, i));
        append(values, rowOf(m, i).subspan(at));
    }
    return shaped(m, m.rows, cols, std::move(values));
}

// Exchanging entries moves them without allocating: nothing can fail.
template <class M>
void exchangeRows(M& m, std::int32_t a, std::int32_t b) noexcept {
    for (std::int32_t j = 0; j < m.cols; ++j)
        std::swap(m.at(a, j), m.at(b, j));
}

template <class M>
void exchangeColumns(M& m, std::int32_t a, std::int32_t b) noexcept {
    for (std::int32_t i = 0; i < m.rows; ++i)
        std::swap(m.at(i, a), m.at(i, b));
}

}  // namespace lorvex::slices
