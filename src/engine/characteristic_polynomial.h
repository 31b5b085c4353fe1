#pragma once

#include <cstdint>
#include <vector>

#include "engine/complex.h"
#include "engine/matrix_data.h"
#include "engine/stop_check.h"

namespace lorvex {

// The n + 1 coefficients of p(x) = det(x I - M) for a square matrix M of order
// n, highest power first: c0 = ONE, c1 = -trace, and ck = (-1)^k times the sum
// of the determinants of all k x k principal minors. The stop check is polled
// after every minor; there are 2^n - n - 1 of them, so the time doubles with
// each order. Returns code::Ok, code::UserStop or code::OutOfMemory; the
// coefficients are written only on success.
// The stop check is told of each minor done, of principalMinorCount(n), with
// the share of characteristicPolynomialWork(n) done so far.
//
// The work of the coefficients of order n, in units of which an n x n
// determinant weighs n^3: 3 (n - x)^2 + 12 for each principal minor of two or
// more indices whose largest index is x, for the table its pivot step leaves
// for the minors that extend it and for keeping it.
// Large orders are computed in groups that visit the smaller minors again;
// those visits count too.
double characteristicPolynomialWork(std::int32_t n);
// 2^n - n - 1, the number of minors, or the largest count for n >= 64.
std::uint64_t principalMinorCount(std::int32_t n);

[[nodiscard]] int characteristicPolynomial(const ComplexMatrix& m,
                                           std::vector<Complex>& coefficients,
                                           const StopCheck& stop = StopCheck::never());

}  // namespace lorvex
