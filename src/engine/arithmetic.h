#pragma once

#include "engine/bigint.h"
#include "engine/complex.h"
#include "engine/matrix_data.h"
#include "engine/result_codes.h"
#include "engine/stop_check.h"

// Whole-matrix arithmetic for the calculation language. The caller checks the
// dimensions first: equal sizes for a sum or difference, matching inner sizes
// for a product, equal row counts for a join, square matrices for a power.
// Arguments are never changed; an output is written only when the operation
// completes (a product with code::TooBig does complete). Every operation can
// return code::OutOfMemory; the integer ones also code::UserStop.
namespace lorvex {

[[nodiscard]] int sum(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& result);
[[nodiscard]] int difference(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& result);
[[nodiscard]] int multiple(const ComplexMatrix& a, Complex factor, ComplexMatrix& result);
// code::TooBig when an element's size passes 10^18; the product is still stored.
[[nodiscard]] int product(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& result);
[[nodiscard]] int transpose(const ComplexMatrix& a, ComplexMatrix& result);
// a | b: the columns of b after those of a.
[[nodiscard]] int join(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& result);
// m^e for an integral e, negative ones through the inverse. Codes:
// code::IntegerExpected when e is not an integer, code::Singular for a
// negative power of a singular matrix, code::TooBig when a product overflows
// (the result is then the last one computed), code::UserStop (polled by the
// inverse and before each product).
[[nodiscard]] int power(const ComplexMatrix& m, long double exponent, ComplexMatrix& result,
                        const StopCheck& stop = StopCheck::never());

// The real kernels perform the operations of the complex ones on the real
// parts, so they give the same values.
[[nodiscard]] int sum(const RealMatrix& a, const RealMatrix& b, RealMatrix& result);
[[nodiscard]] int difference(const RealMatrix& a, const RealMatrix& b, RealMatrix& result);
// The real parts of a times a complex factor, as the complex kernel gives them
// for entries whose imaginary parts are +0: x·re − 0·im, which only tells
// the sign of a zero.
[[nodiscard]] int multiple(const RealMatrix& a, Complex factor, RealMatrix& result);
[[nodiscard]] int product(const RealMatrix& a, const RealMatrix& b, RealMatrix& result);
[[nodiscard]] int transpose(const RealMatrix& a, RealMatrix& result);
[[nodiscard]] int join(const RealMatrix& a, const RealMatrix& b, RealMatrix& result);
[[nodiscard]] int power(const RealMatrix& m, long double exponent, RealMatrix& result,
                        const StopCheck& stop = StopCheck::never());

// The integer results are normalised.
[[nodiscard]] int sum(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& result,
                      const StopCheck& stop = StopCheck::never());
[[nodiscard]] int difference(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& result,
                             const StopCheck& stop = StopCheck::never());
[[nodiscard]] int multiple(const IntegerMatrix& a, const BigInt& factor, IntegerMatrix& result,
                           const StopCheck& stop = StopCheck::never());
[[nodiscard]] int product(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& result,
                          const StopCheck& stop = StopCheck::never());
[[nodiscard]] int transpose(const IntegerMatrix& a, IntegerMatrix& result);
[[nodiscard]] int join(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& result,
                       const StopCheck& stop = StopCheck::never());
// m^k. Codes: code::OutOfRange when |k| >= 10^8; code::UserStop when the stop
// check asked to stop; code::NotUnderstood when a negative power meets a
// singular matrix, or when a product fails inside the squaring loop (memory
// exhaustion there included).
[[nodiscard]] int power(const IntegerMatrix& m, const BigInt& exponent, IntegerMatrix& result,
                        const StopCheck& stop = StopCheck::never());

}  // namespace lorvex
