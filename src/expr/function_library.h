#pragma once

#include "engine/complex.h"
#include "engine/stop_check.h"

// The function library of the scalar evaluator. Every function returns true
// with its value in `out`, or false when it fails for its argument (the
// value must then not be used). In real mode a function reads the real part
// of its argument and gives a real value.
namespace lorvex::scalar {

// exp(z): 0 for Re z <= -5000; fails for Re z >= 5000 or a size above 10^18.
bool complexExp(Complex z, Complex& out);
// (ln |z|, Arg z); fails when |z|^2 < 10^-18.
bool complexLn(Complex z, Complex& out);
// The principal square root; 0 when |z|^2 < 10^-18.
Complex complexSqrt(Complex z);

// The one-argument function `code` (expr/symbol_codes.h) except RAND. A code
// without a function of its own (CHI, "|") has the value 0.
bool applyFunction(int code, Complex argument, bool complexMode, Complex& out);
bool applyRealFunction(int code, Complex argument, Complex& out);
bool applyComplexFunction(int code, Complex argument, Complex& out);

// The functions of two arguments, which the compiler writes as infix
// operators: ABS2, ARG2, MOD, GCD, MAX, MIN, ROOT, POWER and BINOM. BINOM
// polls the stop check in its loop (UserStopRequested is thrown).
bool applyTwoArgumentFunction(int code, Complex left, Complex right, bool complexMode,
                              const StopCheck& stop, Complex& out);

}  // namespace lorvex::scalar
