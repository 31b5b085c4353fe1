#pragma once

// Consecutive pivot steps taken together on the trailing columns: each
// element is held in a register through a group's steps, so it is loaded and
// stored once per group instead of once per step, and sees the same
// operations in the same order as one step at a time.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/complex.h"

namespace lorvex::gauss_jordan {

// How many consecutive pivot steps reach each element of the
// trailing columns together: with the element held in a register through
// all of them, it is loaded and stored once per group instead of once per
// step. Six multipliers, the element and one pivot-row element fill the
// eight x87 registers of the long double path; more multipliers would spill.
// Complex multipliers do not fit there anyway, and longer groups measured
// faster for them.
template <class T>
inline constexpr std::int32_t kFusedSteps = 6;
template <>
inline constexpr std::int32_t kFusedSteps<Complex> = 8;

// x - pivots[0] * f[0] - ... - pivots[(Steps - 1) * stride] * f[Steps - 1].
template <class T, std::int32_t Steps>
T throughSteps(T x, const T* pivots, std::size_t stride, const T (&f)[Steps]) {
    for (std::int32_t s = 0; s < Steps; ++s)
        x = x - pivots[static_cast<std::size_t>(s) * stride] * f[s];
    return x;
}

// Unrolled for long double, so that the multipliers stay in registers.
template <std::int32_t Steps>
long double throughSteps(long double x, const long double* pivots, std::size_t stride,
                         const long double (&f)[Steps]) {
#pragma GCC unroll 16
    for (std::int32_t s = 0; s < Steps; ++s)
        x = x - pivots[static_cast<std::size_t>(s) * stride] * f[s];
    return x;
}

// row[j] - pivots[0][j] * factors[0] - ... - pivots[Steps - 1][j] * factors[Steps - 1]
// over the first `count` columns, the element held in a register throughout.
template <class T, std::int32_t Steps>
void subtractPivotRows(T* row, const T* pivots, std::size_t stride, const T* factors,
                       std::int32_t count) {
    T f[Steps];
    std::copy_n(factors, Steps, f);
    for (std::int32_t j = 0; j < count; ++j) {
        row[j] = throughSteps(row[j], pivots + j, stride, f);
    }
}

// The same over the listed columns only.
template <class T, std::int32_t Steps>
void subtractPivotRows(T* row, const T* pivots, std::size_t stride, const T* factors,
                       const std::vector<std::int32_t>& columns) {
    T f[Steps];
    std::copy_n(factors, Steps, f);
    for (const std::int32_t j : columns) {
        row[j] = throughSteps(row[j], pivots + j, stride, f);
    }
}

}  // namespace lorvex::gauss_jordan
