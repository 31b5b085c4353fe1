#pragma once

#include <cstdint>

#include "engine/complex.h"
#include "engine/matrix_data.h"
#include "engine/rational.h"
#include "engine/result_codes.h"
#include "engine/stop_check.h"

// Trace, determinant, inverse and rank of real/complex and integer matrices.
// Every operation works on a copy; the argument is never changed. Trace,
// determinant and inverse take square matrices; callers check this first.
namespace lorvex {

// Sum of the diagonal, starting from ZERO.
Complex trace(const ComplexMatrix& m);

// Gauss-Jordan inverse. Returns code::Ok, code::Singular with the determinant
// ZERO when a column has no pivot (the inverse is then undefined), or
// code::OutOfMemory.
int invert(const ComplexMatrix& m, ComplexMatrix& inverse, Complex& determinant);

// The determinant by the inverse's elimination without building the inverse,
// equal to the last bit to the one invert() gives. Returns code::Ok,
// code::Singular with the determinant ZERO when a column has no pivot, or
// code::OutOfMemory.
int determinant(const ComplexMatrix& m, Complex& result);

// Number of pivot columns of the reduced row-echelon form. Returns code::Ok or
// code::OutOfMemory.
int rank(const ComplexMatrix& m, std::int32_t& result);

// Sum of the diagonal numerators over the common denominator, reduced.
// Returns code::Ok, code::OutOfMemory or code::UserStop.
int trace(const IntegerMatrix& m, Fraction& result, const StopCheck& stop = StopCheck::never());

// Exact inverse by integer row operations, normalised, with the determinant as
// a reduced fraction. Returns code::Ok, code::Singular (determinant 0/1),
// code::OutOfMemory or code::UserStop; on failure the inverse is undefined.
int invert(const IntegerMatrix& m, IntegerMatrix& inverse, Fraction& determinant,
           const StopCheck& stop = StopCheck::never());

// The determinant as a reduced fraction by the same integer reduction, without
// building the inverse: the value invert() gives. Returns code::Ok,
// code::Singular (determinant 0/1), code::OutOfMemory or code::UserStop; on
// failure other than code::Singular the result is unchanged.
int determinant(const IntegerMatrix& m, Fraction& result,
                const StopCheck& stop = StopCheck::never());

// Rank by the same integer reduction. Returns code::Ok, code::OutOfMemory or
// code::UserStop.
int rank(const IntegerMatrix& m, std::int32_t& result, const StopCheck& stop = StopCheck::never());

}  // namespace lorvex
