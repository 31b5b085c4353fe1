#pragma once

namespace lorvex {

// An element whose size |re| + |im| is at most this counts as zero.
inline constexpr long double kZeroTolerance = 1e-18L;

// A matrix product with an element larger than this reports code::TooBig.
inline constexpr long double kOverflowLimit = 1e18L;

// Tolerance of the polynomial root finder and of the simplex method.
inline constexpr long double kPolynomialTolerance = 1e-13L;

}  // namespace lorvex
