#pragma once

#include <cstdint>

#include "engine/bigint.h"
#include "engine/outcome.h"
#include "engine/result_codes.h"
#include "engine/stop_check.h"

// The big-integer operations with result codes, for callers outside the
// engine's own computations. Each returns code::Ok, code::UserStop when the
// stop check asked for it, code::OutOfMemory when memory runs out, or the
// code named below; an output is written only on success.
namespace lorvex::bigint {

[[nodiscard]] int add(const BigInt& a, const BigInt& b, BigInt& sum);
[[nodiscard]] int subtract(const BigInt& a, const BigInt& b, BigInt& difference);
[[nodiscard]] int multiply(const BigInt& a, const BigInt& b, BigInt& product,
                           const StopCheck& stop = StopCheck::never());
// The quotient and the remainder; code::Singular for a zero divisor.
[[nodiscard]] Outcome<BigInt::Division> divide(const BigInt& a, const BigInt& b,
                                               const StopCheck& stop = StopCheck::never());
// code::InconsistentData when both are zero.
[[nodiscard]] int gcd(const BigInt& a, const BigInt& b, BigInt& result,
                      const StopCheck& stop = StopCheck::never());
// code::InconsistentData when either is zero.
[[nodiscard]] int lcm(const BigInt& a, const BigInt& b, BigInt& result,
                      const StopCheck& stop = StopCheck::never());
// code::OutOfMemory for a negative exponent.
[[nodiscard]] int power(const BigInt& a, std::int64_t k, BigInt& result,
                        const StopCheck& stop = StopCheck::never());

}  // namespace lorvex::bigint
