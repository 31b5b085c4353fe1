#pragma once

#include "engine/matrix_data.h"
#include "engine/stop_check.h"
#include "expr/calc_node.h"

// The scalars of the calculation language, exact fractions in integer mode
// and Complex numbers otherwise, and the matrix operations that take one.
// The exact operations may throw like the rational helpers (see bigint.h);
// EvalCalc turns that into a code.
namespace lorvex::calc_scalars {

// integer mode: a zero numerator; otherwise a size below 10^-18.
bool isZero(const CalcNode& scalar);

// The scalar result of l op r, stored in `result`; they return code::Ok.
[[nodiscard]] int sum(const CalcNode& l, const CalcNode& r, CalcNode& result,
                      const StopCheck& stop);
[[nodiscard]] int difference(const CalcNode& l, const CalcNode& r, CalcNode& result,
                             const StopCheck& stop);
[[nodiscard]] int product(const CalcNode& l, const CalcNode& r, CalcNode& result,
                          const StopCheck& stop);
// r must not be zero.
[[nodiscard]] int quotient(const CalcNode& l, const CalcNode& r, CalcNode& result,
                           const StopCheck& stop);

// Every element times the scalar, or times its inverse (not zero). Codes of
// the kernels: code::OutOfMemory, and in integer mode code::UserStop.
[[nodiscard]] int scale(const ComplexMatrix& m, const CalcNode& factor, ComplexMatrix& out,
                        const StopCheck&);
// A real matrix keeps the real parts (in real mode no scalar of a
// calculation has another part than the sign of a zero).
[[nodiscard]] int scale(const RealMatrix& m, const CalcNode& factor, RealMatrix& out,
                        const StopCheck&);
[[nodiscard]] int scale(const IntegerMatrix& m, const CalcNode& factor, IntegerMatrix& out,
                        const StopCheck& stop);
[[nodiscard]] int scaleByInverse(const ComplexMatrix& m, const CalcNode& divisor,
                                 ComplexMatrix& out, const StopCheck&);
[[nodiscard]] int scaleByInverse(const RealMatrix& m, const CalcNode& divisor, RealMatrix& out,
                                 const StopCheck&);
[[nodiscard]] int scaleByInverse(const IntegerMatrix& m, const CalcNode& divisor,
                                 IntegerMatrix& out, const StopCheck& stop);

// m to the power of the scalar: the codes of the power kernels, and in
// integer mode code::OutOfRange for an exponent that is not an integer.
[[nodiscard]] int power(const ComplexMatrix& m, const CalcNode& exponent, ComplexMatrix& out,
                        const StopCheck&);
[[nodiscard]] int power(const RealMatrix& m, const CalcNode& exponent, RealMatrix& out,
                        const StopCheck&);
[[nodiscard]] int power(const IntegerMatrix& m, const CalcNode& exponent, IntegerMatrix& out,
                        const StopCheck& stop);

}  // namespace lorvex::calc_scalars
