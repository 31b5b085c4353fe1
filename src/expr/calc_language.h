#pragma once

#include <memory>
#include <string_view>

#include "engine/complex.h"
#include "engine/rational.h"
#include "engine/stop_check.h"
#include "expr/calc_node.h"
#include "expr/matrix_source.h"

// The matrix calculation language: "A + B", "(M-3W)x'", "P+Q|R", "1/M",
// "M^(-1)". Letters name the workspace's matrices, numbers are scalars; the
// operators are + - * / ^, the postfix transpose "'" and the side-by-side
// join "|", products may be implicit ("2A", "MN'"). In integer mode the
// scalars are exact fractions and "." is refused.
namespace lorvex {

// How numbers are read. In a calculation "2E5" is 2 times the matrix E times
// 5; in a typed number (a cell, a diagonal value, a factor) it is 200000, and
// a number that does not read in full ("1.2.3", "1E5.5") is refused.
enum class NumberReading { Calculation, TypedNumber };

// Compiles a calculation (UTF-8; "²" is read as ^2). On code::Ok `tree` holds
// the compiled calculation, which belongs to the caller; otherwise it is left
// empty. Codes:
//   1 code::NotUnderstood    a character that is no symbol (any character
//                            outside ASCII but "²"), more than 5000
//                            characters, a "'" with nothing before it
//   3 code::OutOfMemory
//   6 code::InconsistentData a symbol where it cannot stand
//   9 code::NothingToDo      an empty text
// 108 code::MatrixNotFound   unbalanced parentheses
// 109 code::IntegerExpected  a "." in integer mode
[[nodiscard]] int CompileCalc(std::string_view text, bool integerMode,
                              std::unique_ptr<CalcNode>& tree,
                              NumberReading reading = NumberReading::Calculation);

// Evaluates a compiled calculation, reading the letters' matrices from
// `source`. On code::Ok the node holds its value: a matrix, or (isMatrix()
// false) a scalar in value (exact in integer mode). A null node succeeds.
// Codes:
//   1 code::NotUnderstood    integer mode: a power the exact kernel could
//                            not form (a singular matrix to a negative
//                            power, or lack of memory inside it)
//   2 code::NotFound         a letter with no matrix
//   3 code::OutOfMemory
//  14 code::Singular         a singular matrix to invert ("1/S", "A/S";
//                            in real and complex mode also "S^-1")
//  17 code::OutOfRange       integer mode: an exponent that is not an
//                            integer of magnitude below 10^8
//  20 code::TooBig           real and complex mode: a product inside a power
//                            with an element beyond 10^18 in size
// 101 code::CannotCalculate  a division by a zero scalar
// 103 code::Incompatible     dimensions that do not fit the operator, a
//                            scalar where a matrix is needed (the transpose
//                            of a scalar included), a matrix of the other
//                            kind from the source
// 109 code::IntegerExpected  real and complex mode: a non-integral exponent
//  -1 code::UserStop         the stop check asked to stop
[[nodiscard]] int EvalCalc(CalcNode* node, const MatrixSource& source,
                           const StopCheck& stop = StopCheck::never());

// The core of the calculation service: compiles and evaluates a calculation
// whose value must be a matrix, and moves that matrix into `result` (the kind
// of the mode). Returns the codes of CompileCalc and EvalCalc, or
// code::NotAMatrix (102) when the whole calculation has a scalar value;
// `result` is changed only on code::Ok.
[[nodiscard]] int CalcMatrix(std::string_view text, bool integerMode, const MatrixSource& source,
                             MatrixData& result, const StopCheck& stop = StopCheck::never());

// Releases a compiled calculation and every matrix it holds; null is allowed.
void FreeCalc(std::unique_ptr<CalcNode> tree);

// The value of a scalar text such as a diagonal value or a row factor:
// compiled outside integer mode as a typed number ("1e5" is 100000) with I as
// the imaginary unit ("2+3i"), other letters reading the source's matrices.
// Returns the codes of CompileCalc and EvalCalc, or code::NotUnderstood when
// the result is a matrix; `value` is 0 unless the code is code::Ok.
[[nodiscard]] int EvalScalarText(std::string_view text, const MatrixSource& source, Complex& value,
                                 const StopCheck& stop = StopCheck::never());

// The same in integer mode: an exact fraction ("1/2", "-3", "2/3*A" for a
// 1 x 1 A is a matrix and refused), "." refused as in every integer-mode
// calculation. `value` is 0 unless the code is code::Ok.
[[nodiscard]] int EvalExactScalarText(std::string_view text, const MatrixSource& source,
                                      Fraction& value, const StopCheck& stop = StopCheck::never());

// The value of a text typed into a real or complex cell, folded without the
// workspace: a typed number ("2.5e-3"; a comma between two digits is a
// decimal point, "1,5"), I the imaginary unit, Z reads `zValue` (the last of
// the window's 27 values); "^" is the matrix power of a 1 x 1 matrix.
// Returns the codes of CompileCalc, code::NotUnderstood for any other letter,
// a transpose or a join ("abc", "2x", "sin(1)"), or code::CannotCalculate
// when the fold fails (a divisor below 10^-18 in size, a power that reports
// a code).
[[nodiscard]] int ConstCalc(std::string_view text, Complex zValue, Complex& value);

}  // namespace lorvex
