#pragma once

#include <cstdint>

#include "engine/bigint.h"
#include "engine/complex.h"
#include "engine/matrix_data.h"
#include "engine/random_generator.h"

// The patterned and random matrices of the new-matrix generators. The random
// ones draw from the program's one generator in a fixed order, so that a run
// from the same seed repeats. Sizes are at least 1 x 1; the caller checks its
// limits first. Every operation returns code::Ok or code::OutOfMemory and
// writes its output only on success.
namespace lorvex {

// The lines of a matrix that sum to one: its rows or its columns.
enum class UnitSums { Rows, Columns };

// An n x n matrix with the value on its diagonal and zeros elsewhere.
[[nodiscard]] int diagonalMatrix(std::int32_t n, Complex value, ComplexMatrix& result);
[[nodiscard]] int diagonalMatrix(std::int32_t n, const BigInt& value, IntegerMatrix& result);

// Entries uniform in [lo, hi) on a grid of a million steps, drawn in row-major
// order; each complex entry's imaginary part is drawn right after its real
// part.
[[nodiscard]] int randomMatrix(std::int32_t rows, std::int32_t cols, long double lo, long double hi,
                               RandomGenerator& random, RealMatrix& result);
[[nodiscard]] int randomMatrix(std::int32_t rows, std::int32_t cols, long double lo, long double hi,
                               RandomGenerator& random, ComplexMatrix& result);
// Integer entries uniform in [lo, hi] (lo <= hi), row-major, denominator 1.
[[nodiscard]] int randomIntegerMatrix(std::int32_t rows, std::int32_t cols, std::int64_t lo,
                                      std::int64_t hi, RandomGenerator& random,
                                      IntegerMatrix& result);

// Real entries uniform in [0, 1), drawn in row-major order, each row (column)
// then scaled to the sum one.
[[nodiscard]] int probabilityMatrix(std::int32_t rows, std::int32_t cols, UnitSums lines,
                                    RandomGenerator& random, ComplexMatrix& result);
// Multiplies every row (column) by the reciprocal of its complex sum.
void scaleToUnitSums(ComplexMatrix& m, UnitSums lines);

// Every row (column) a random composition of one common total T = t m into
// its m entries, with t drawn from 15 ... 26: non-negative integers summing
// to T, denominator 1.
[[nodiscard]] int integerProbabilityMatrix(std::int32_t rows, std::int32_t cols, UnitSums lines,
                                           RandomGenerator& random, IntegerMatrix& result);

// A random n x n integer matrix (n >= 2) with determinant 1, and so with an
// integer inverse, none of whose entries is zero.
[[nodiscard]] int unitaryRandomMatrix(std::int32_t n, RandomGenerator& random,
                                      IntegerMatrix& result);

}  // namespace lorvex
