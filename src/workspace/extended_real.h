#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace lorvex {

// The 10-byte extended real of the files: a 64-bit mantissa with an explicit
// leading bit (bytes 0-7, least significant first), then a 15-bit exponent
// biased by 16383 and the sign bit (bytes 8-9). The conversion is done with
// arithmetic, not by copying the memory of a long double, so it works whatever
// format long double has; where long double is that very format (x86-64) it
// is exact both ways for every value.
inline constexpr std::size_t kExtendedRealSize = 10;
using ExtendedRealBytes = std::array<std::uint8_t, kExtendedRealSize>;

// The bytes of `value`. A long double with more than 64 mantissa bits is
// rounded to nearest, ties to even; a NaN is written as the quiet NaN
// 0xC000000000000000 with its sign.
ExtendedRealBytes encodeExtendedReal(long double value);

// The value of 10 stored bytes. An exponent of all ones gives an infinity
// when the mantissa is exactly the leading bit, a NaN otherwise; other
// patterns give mantissa x 2^(exponent - 16446) (exponent 0 counting as 1).
long double decodeExtendedReal(std::span<const std::uint8_t, kExtendedRealSize> bytes);

}  // namespace lorvex
